#include "about/system_info.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "about/about_core.h"
#include "app/registry.h"
#include "app/scoped.h"
#include "app/text.h"

namespace qm {

namespace {
static_assert(sizeof(OSVERSIONINFOA) == 148, "the version record of the platform");

std::string ReadMachineString(const char* path, const char* name) {
  return RegKey::Open(HKEY_LOCAL_MACHINE, path, KEY_READ).ReadString(name).value_or(std::string());
}
}  // namespace

ProgramVersion ReadProgramVersion() {
  ProgramVersion version;
  std::wstring path(32768, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return version;
  std::vector<char> record(size, '\0');
  if (!GetFileVersionInfoW(path.c_str(), 0, size, record.data())) return version;

  void* value = nullptr;
  UINT length = 0;
  std::uint32_t translation = 0;
  const bool hasTranslation =
      VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation", &value, &length) && value && length >= 4;
  if (hasTranslation) std::memcpy(&translation, value, sizeof translation);
  const std::string prefix = VersionStringPrefix(hasTranslation, translation);
  auto query = [&](const char* name) -> std::string {
    void* text = nullptr;
    UINT chars = 0;
    if (!VerQueryValueW(record.data(), Wide(prefix + name).c_str(), &text, &chars) || !text) return {};
    const auto* wide = static_cast<const wchar_t*>(text);
    return Utf8(std::wstring_view(wide, wcsnlen(wide, chars)));
  };
  version.found = true;
  version.fileVersion = query("FileVersion");
  version.productName = query("ProductName");
  version.productVersion = query("ProductVersion");
  return version;
}

OperatingSystem ReadOperatingSystem() {
  // The version numbers from ntdll, which never answers for an older Windows; GetVersionExW tells the truth only as
  // far as the manifest names the Windows versions.
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
  using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
  const auto rtlGetVersion = reinterpret_cast<RtlGetVersionFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
  if (!rtlGetVersion || rtlGetVersion(&version) != 0) GetVersionExW(&version);
  if (version.dwPlatformId != VER_PLATFORM_WIN32_NT)
    return {ReadMachineString("SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "Version"),
            ReadMachineString("SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "VersionNumber")};
  const char* const nt = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
  const std::string build =
      version.dwBuildNumber ? std::to_string(version.dwBuildNumber) : ReadMachineString(nt, "CurrentBuildNumber");
  return {SystemName(ReadMachineString(nt, "ProductName"), version.dwMajorVersion, version.dwMinorVersion,
                     version.dwBuildNumber),
          build};
}

std::optional<std::string> ReadProcessorIdentifier() {
  const RegKey cpu = RegKey::Open(HKEY_LOCAL_MACHINE, "HARDWARE\\Description\\System\\CentralProcessor\\0", KEY_READ);
  if (!cpu) return std::nullopt;
  return cpu.ReadString("Identifier").value_or(std::string());
}

ClockMeasurement::ClockMeasurement(HWND window, UINT done)
    : window_(window), done_(done), stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  // Without a thread the window shows the processor without its speed.
  if (stop_) thread_ = CreateThread(nullptr, 0, &ClockMeasurement::Run, this, 0, nullptr);
}

ClockMeasurement::~ClockMeasurement() {
  if (thread_) {
    SetEvent(stop_);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
  }
  if (stop_) CloseHandle(stop_);
}

DWORD WINAPI ClockMeasurement::Run(void* self) {
  static_cast<ClockMeasurement*>(self)->Measure();
  return 0;
}

void ClockMeasurement::Measure() {
  // Only this thread is raised; the process and the window's thread keep their priorities.
  HANDLE thread = GetCurrentThread();
  const int priority = GetThreadPriority(thread);
  SetThreadPriority(thread, THREAD_PRIORITY_TIME_CRITICAL);
  bool stopped = WaitForSingleObject(stop_, 10) == WAIT_OBJECT_0;
  const std::uint64_t start = __builtin_ia32_rdtsc();
  stopped = stopped || WaitForSingleObject(stop_, 500) == WAIT_OBJECT_0;
  const std::uint64_t end = __builtin_ia32_rdtsc();
  SetThreadPriority(thread, priority);
  if (stopped) return;
  megahertz_.store(ClockSpeedMHz(end - start));
  PostMessageW(window_, done_, 0, 0);
}

bool ReadMemory(MemorySizes& sizes) {
  // The extended record: the old one cannot count past 4 gigabytes.
  MEMORYSTATUSEX memory{};
  memory.dwLength = sizeof memory;
  if (!GlobalMemoryStatusEx(&memory)) return false;
  sizes = {memory.ullTotalPhys, memory.ullAvailPhys, memory.ullTotalVirtual, memory.ullAvailVirtual};
  return true;
}

DisplayMode ReadDisplayMode() {
  ScopedGetDC screen(nullptr);
  return {GetDeviceCaps(screen.get(), HORZRES), GetDeviceCaps(screen.get(), VERTRES),
          GetDeviceCaps(screen.get(), BITSPIXEL)};
}

std::string DecimalSeparator() {
  wchar_t separator[8] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) > 1) return Utf8(separator);
  return ".";
}

}  // namespace qm
