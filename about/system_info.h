// What the About window tells about the program and the machine: each probe asks Windows once and hands back plain
// values; the window formats them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace qm {

// The texts of the program's own version resource; `found` is false when it has none.
struct ProgramVersion {
  bool found = false;
  std::string productName;
  std::string productVersion;
  std::string fileVersion;
};
ProgramVersion ReadProgramVersion();

// The operating system's name and build as the registry gives them.
struct OperatingSystem {
  std::string name;
  std::string build;
};
OperatingSystem ReadOperatingSystem();

// The first processor's identifier (empty when its key has none); nothing when the registry knows no processor.
std::optional<std::string> ReadProcessorIdentifier();
// The processor's clock in MHz: its time-stamp counter over half a second, at real-time priority so that nothing
// else runs in between.
double MeasureClockSpeed();

struct MemorySizes {
  std::uint64_t totalPhysical, availablePhysical, totalVirtual, availableVirtual;  // bytes
};
bool ReadMemory(MemorySizes& sizes);

struct DisplayMode {
  int width, height, bitsPerPixel;
};
DisplayMode ReadDisplayMode();

// The user's decimal separator.
std::string DecimalSeparator();

}  // namespace qm
