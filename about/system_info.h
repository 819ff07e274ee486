// What the About window tells about the program and the machine: each probe asks Windows once and hands back plain
// values; the window formats them.
#pragma once

#include <windows.h>

#include <atomic>
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

// The operating system's name (the registry's product name, Windows 11 told apart) and its build number.
struct OperatingSystem {
  std::string name;
  std::string build;
};
OperatingSystem ReadOperatingSystem();

// The first processor's identifier (empty when its key has none); nothing when the registry knows no processor.
std::optional<std::string> ReadProcessorIdentifier();

// The processor's clock in MHz: its time-stamp counter over half a second, on a thread of its own at time-critical
// priority (so that little else runs in between) while the window that shows it goes on answering. The thread posts
// `done` to `window` when the speed is known. Destroying the measurement stops it early and waits for its thread,
// so nothing is posted once it is gone.
class ClockMeasurement {
 public:
  ClockMeasurement(HWND window, UINT done);
  ~ClockMeasurement();
  ClockMeasurement(const ClockMeasurement&) = delete;
  ClockMeasurement& operator=(const ClockMeasurement&) = delete;

  bool running() const { return thread_ != nullptr; }  // false when no thread could be started
  double megahertz() const { return megahertz_.load(); }  // once `done` has arrived

 private:
  static DWORD WINAPI Run(void* self);
  void Measure();

  HWND window_;
  UINT done_;
  HANDLE stop_;
  std::atomic<double> megahertz_{0.0};
  HANDLE thread_ = nullptr;
};

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
