# The program's version is kept in one place, resources/version.h: the VERSIONINFO resource is compiled from it, the
# project takes its version from it here, and the release command and the installer read it through this file, so the
# file names, the installer and the program's version resource always agree.
#
# Included from CMakeLists.txt it sets QM_VERSION ("1.0.0", major.minor.release) and QM_VERSION_FULL ("1.0.0.0").
# Run as a script, `cmake -P cmake/version.cmake`, it prints the two as shell assignments:
#   QM_VERSION=1.0.0
#   QM_VERSION_FULL=1.0.0.0
# The header's texts must match its numbers; a header whose texts were not updated with its numbers stops the build.

cmake_policy(PUSH)
cmake_policy(VERSION 3.21)

get_filename_component(QM_VERSION_HEADER "${CMAKE_CURRENT_LIST_DIR}/../resources/version.h" ABSOLUTE)
if(NOT EXISTS "${QM_VERSION_HEADER}")
  message(FATAL_ERROR "The version header ${QM_VERSION_HEADER} is missing.")
endif()

file(STRINGS "${QM_VERSION_HEADER}" _qm_defines REGEX "^[ \t]*#[ \t]*define[ \t]+QM_")
foreach(_qm_line IN LISTS _qm_defines)
  if(_qm_line MATCHES "^[ \t]*#[ \t]*define[ \t]+(QM_[A-Z0-9_]+)[ \t]+(.*[^ \t])[ \t]*$")
    set(_qm_def_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
  endif()
endforeach()

foreach(_qm_part MAJOR MINOR RELEASE BUILD)
  set(_qm_value "${_qm_def_QM_VERSION_${_qm_part}}")
  if(NOT _qm_value MATCHES "^[0-9]+$")
    message(FATAL_ERROR "${QM_VERSION_HEADER}: QM_VERSION_${_qm_part} must be defined as a number.")
  endif()
  if(_qm_value GREATER 65535)
    message(FATAL_ERROR "${QM_VERSION_HEADER}: QM_VERSION_${_qm_part} is larger than a version resource holds (65535).")
  endif()
endforeach()

set(QM_VERSION "${_qm_def_QM_VERSION_MAJOR}.${_qm_def_QM_VERSION_MINOR}.${_qm_def_QM_VERSION_RELEASE}")
set(QM_VERSION_FULL "${QM_VERSION}.${_qm_def_QM_VERSION_BUILD}")

# The texts and the number list that the resource script uses must say the same as the four numbers.
string(REPLACE "." "," _qm_numbers "${QM_VERSION_FULL}")
if(DEFINED _qm_def_QM_VERSION_NUMBERS)
  string(REGEX REPLACE "[ \t]" "" _qm_listed "${_qm_def_QM_VERSION_NUMBERS}")
  if(NOT _qm_listed STREQUAL _qm_numbers)
    message(FATAL_ERROR "${QM_VERSION_HEADER}: QM_VERSION_NUMBERS (${_qm_def_QM_VERSION_NUMBERS}) does not match "
      "the version numbers ${QM_VERSION_FULL}.")
  endif()
endif()
if(DEFINED _qm_def_QM_FILE_VERSION_TEXT AND NOT _qm_def_QM_FILE_VERSION_TEXT STREQUAL "\"${QM_VERSION_FULL}\"")
  message(FATAL_ERROR "${QM_VERSION_HEADER}: QM_FILE_VERSION_TEXT is ${_qm_def_QM_FILE_VERSION_TEXT}, "
    "but the version numbers make \"${QM_VERSION_FULL}\".")
endif()
if(DEFINED _qm_def_QM_PRODUCT_VERSION_TEXT)
  set(_qm_short "${_qm_def_QM_VERSION_MAJOR}.${_qm_def_QM_VERSION_MINOR}")
  set(_qm_allowed "\"${_qm_short}\"" "\"${QM_VERSION}\"" "\"${QM_VERSION_FULL}\"")
  if(NOT _qm_def_QM_PRODUCT_VERSION_TEXT IN_LIST _qm_allowed)
    message(FATAL_ERROR "${QM_VERSION_HEADER}: QM_PRODUCT_VERSION_TEXT is ${_qm_def_QM_PRODUCT_VERSION_TEXT}, "
      "which does not match the version numbers ${QM_VERSION_FULL}.")
  endif()
endif()

if(NOT CMAKE_SCRIPT_MODE_FILE)
  # A changed header configures the build again, so the project's version follows it.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${QM_VERSION_HEADER}")
elseif(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E echo "QM_VERSION=${QM_VERSION}")
  execute_process(COMMAND "${CMAKE_COMMAND}" -E echo "QM_VERSION_FULL=${QM_VERSION_FULL}")
endif()

cmake_policy(POP)
