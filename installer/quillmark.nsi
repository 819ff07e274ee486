; The Quillmark installer.
;
; It installs the program for the current user (the default) or for everyone on the computer, into the user's programs
; folder or into Program Files, adds a Start menu entry and an entry under "Add or remove programs", and writes an
; uninstaller that removes all of that again. The program's settings are the user's: the uninstaller asks before it
; removes them and keeps them when it runs silently.
;
; tools/release.sh builds it:
;   makensis -DQM_ARCH=win32|win64 -DQM_STAGE=<folder of the packaged files> -DQM_OUTFILE=<setup.exe>
;            -DQM_EXPECTED_VERSION=<version from cmake/version.cmake> installer/quillmark.nsi
;
; The installer's command line:  /S  silent;  /CurrentUser  for the current user (the default);  /AllUsers  for everyone
; (administrators only);  /D=<folder>  another folder (last, without quotes).
; The uninstaller's command line:  /S  silent, keeping the settings.

!ifndef QM_ARCH
  !error "Define QM_ARCH (win32 or win64)."
!endif
!ifndef QM_STAGE
  !error "Define QM_STAGE, the folder that holds the files to install."
!endif
!ifndef QM_OUTFILE
  !error "Define QM_OUTFILE, the installer to write."
!endif

!if "${QM_ARCH}" == "win64"
  Target amd64-unicode
!else if "${QM_ARCH}" == "win32"
  Target x86-unicode
!else
  !error "QM_ARCH must be win32 or win64, not ${QM_ARCH}."
!endif

SetCompressor /SOLID lzma

; ---------------------------------------------------------------------------------------------------------------------
; Product, maker and version, from the header that the program's version resource is built from.

!define QM_SOURCE "${__FILEDIR__}/.."
!define QM_VERSION_HEADER "${QM_SOURCE}/resources/version.h"

!searchparse /file "${QM_VERSION_HEADER}" "#define QM_VERSION_MAJOR " QM_MAJOR
!searchparse /file "${QM_VERSION_HEADER}" "#define QM_VERSION_MINOR " QM_MINOR
!searchparse /file "${QM_VERSION_HEADER}" "#define QM_VERSION_RELEASE " QM_RELEASE
!searchparse /file "${QM_VERSION_HEADER}" "#define QM_VERSION_BUILD " QM_BUILD
!searchparse /file "${QM_VERSION_HEADER}" '#define QM_PRODUCT_NAME "' QM_PRODUCT_NAME '"'
!searchparse /file "${QM_VERSION_HEADER}" '#define QM_COMPANY_NAME "' QM_COMPANY_NAME '"'
!searchparse /file "${QM_VERSION_HEADER}" '#define QM_COPYRIGHT "' QM_COPYRIGHT_C '"'
!searchreplace QM_COPYRIGHT "${QM_COPYRIGHT_C}" "\251" "${U+00A9}"

!define QM_VERSION "${QM_MAJOR}.${QM_MINOR}.${QM_RELEASE}"
!define QM_VERSION_FULL "${QM_VERSION}.${QM_BUILD}"
!ifdef QM_EXPECTED_VERSION
  !if "${QM_VERSION}" != "${QM_EXPECTED_VERSION}"
    !error "The version header says ${QM_VERSION}, the build says ${QM_EXPECTED_VERSION}."
  !endif
!endif

!define QM_EXE "quillmark.exe"
!define QM_UNINSTALLER "uninstall.exe"
!define QM_UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillmark"
; The program keeps its settings in the key "Software\Orvenna", section (subkey) "Quillmark".
!define QM_SETTINGS_PARENT "Software\Orvenna"
!define QM_SETTINGS_KEY "${QM_SETTINGS_PARENT}\Quillmark"
!define QM_SHORTCUT "$SMPROGRAMS\${QM_PRODUCT_NAME}.lnk"

Name "${QM_PRODUCT_NAME}"
OutFile "${QM_OUTFILE}"
BrandingText "${QM_PRODUCT_NAME} ${QM_VERSION}"
ManifestDPIAware true
ShowInstDetails show
ShowUninstDetails show

; ---------------------------------------------------------------------------------------------------------------------
; For whom: the current user by default, everyone when chosen on the page or with /AllUsers. A later install finds the
; earlier one's mode and folder through the uninstall entry.

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_INSTALLMODE_INSTDIR "Quillmark"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${QM_UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${QM_UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_FUNCTION KeepCommandLineFolder
!define MULTIUSER_INIT_FUNCTIONQUIT RefuseAllUsers
; The uninstaller works out for itself how it was installed (un.onInit).
!define MULTIUSER_NOUNINSTALL
!if "${QM_ARCH}" == "win64"
  !define MULTIUSER_USE_PROGRAMFILES64
!endif

!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

; ---------------------------------------------------------------------------------------------------------------------
; Pages

!define MUI_ICON "${QM_SOURCE}/resources/quillmark.ico"
!define MUI_UNICON "${QM_SOURCE}/resources/quillmark.ico"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${QM_STAGE}/LICENSE.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${QM_EXE}"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\Quillmark.html"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Show the help"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_UNPAGE_FINISH

!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${QM_VERSION_FULL}"
VIFileVersion "${QM_VERSION_FULL}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${QM_PRODUCT_NAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${QM_COMPANY_NAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${QM_COPYRIGHT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${QM_PRODUCT_NAME} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${QM_VERSION_FULL}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${QM_VERSION}"

; ---------------------------------------------------------------------------------------------------------------------
; Installer

Var CommandLineFolder

Function .onInit
  ; /D= has already set $INSTDIR; choosing the install mode would overwrite it.
  StrCpy $CommandLineFolder $INSTDIR
  !insertmacro MULTIUSER_INIT
FunctionEnd

; Called whenever the install mode sets its default folder.
Function KeepCommandLineFolder
  ${If} $CommandLineFolder != ""
    StrCpy $INSTDIR $CommandLineFolder
  ${EndIf}
FunctionEnd

; /AllUsers without administrator rights: the message has been shown; end with "access denied".
Function RefuseAllUsers
  SetErrorLevel 5
  Quit
FunctionEnd

Section "Quillmark" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${QM_STAGE}/${QM_EXE}"
  File "${QM_STAGE}/Quillmark.html"
  !if /FileExists "${QM_STAGE}/ShellExt.pas"
    File "${QM_STAGE}/ShellExt.pas"
  !endif
  File "${QM_STAGE}/README.txt"
  File "${QM_STAGE}/LICENSE.txt"
  WriteUninstaller "$INSTDIR\${QM_UNINSTALLER}"

  CreateDirectory "$SMPROGRAMS"
  CreateShortcut "${QM_SHORTCUT}" "$INSTDIR\${QM_EXE}" "" "$INSTDIR\${QM_EXE}" 0 SW_SHOWNORMAL "" \
    "Delphi code for the Windows dialogs"

  ; SHCTX is HKEY_CURRENT_USER for a per-user install and HKEY_LOCAL_MACHINE for everyone.
  WriteRegStr SHCTX "${QM_UNINSTALL_KEY}" "DisplayName" "${QM_PRODUCT_NAME}"
  WriteRegStr SHCTX "${QM_UNINSTALL_KEY}" "DisplayVersion" "${QM_VERSION}"
  WriteRegStr SHCTX "${QM_UNINSTALL_KEY}" "Publisher" "${QM_COMPANY_NAME}"
  WriteRegStr SHCTX "${QM_UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${QM_UNINSTALLER}"'
  WriteRegStr SHCTX "${QM_UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${QM_UNINSTALLER}" /S'
  WriteRegStr SHCTX "${QM_UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${QM_UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${QM_EXE},0"
  WriteRegDWORD SHCTX "${QM_UNINSTALL_KEY}" "VersionMajor" ${QM_MAJOR}
  WriteRegDWORD SHCTX "${QM_UNINSTALL_KEY}" "VersionMinor" ${QM_MINOR}
  WriteRegDWORD SHCTX "${QM_UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${QM_UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${QM_UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; ---------------------------------------------------------------------------------------------------------------------
; Uninstaller

Function un.onInit
  ; Installed for everyone when the machine-wide entry names this folder, for the current user otherwise.
  SetShellVarContext current
  ReadRegStr $0 HKLM "${QM_UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} $0 == $INSTDIR
    UserInfo::GetAccountType
    Pop $1
    ${If} $1 != "Admin"
    ${AndIf} $1 != "Power"
      MessageBox MB_OK|MB_ICONSTOP \
        "${QM_PRODUCT_NAME} was installed for all users of this computer. Only an administrator can remove it." \
        /SD IDOK
      SetErrorLevel 5
      Quit
    ${EndIf}
    SetShellVarContext all
  ${EndIf}
FunctionEnd

!define QM_ASK_SETTINGS_WHAT "the window position, the last dialog chosen and the code editor's layout"
!define QM_ASK_SETTINGS "Do you also want to remove your ${QM_PRODUCT_NAME} settings (${QM_ASK_SETTINGS_WHAT})?"

Section "Uninstall"
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "${QM_ASK_SETTINGS}" /SD IDNO IDNO keep_settings
    DeleteRegKey HKCU "${QM_SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "${QM_SETTINGS_PARENT}"
  keep_settings:

  Delete "${QM_SHORTCUT}"

  ; Only what the installer put there: a folder shared with other files stays.
  Delete /REBOOTOK "$INSTDIR\${QM_EXE}"
  Delete /REBOOTOK "$INSTDIR\Quillmark.html"
  Delete /REBOOTOK "$INSTDIR\ShellExt.pas"
  Delete /REBOOTOK "$INSTDIR\README.txt"
  Delete /REBOOTOK "$INSTDIR\LICENSE.txt"
  Delete /REBOOTOK "$INSTDIR\${QM_UNINSTALLER}"
  RMDir /REBOOTOK "$INSTDIR"

  DeleteRegKey SHCTX "${QM_UNINSTALL_KEY}"
SectionEnd
