// The texts of the About window that are computed: the version record's string prefix, the version line, the title
// strip, and the system information (operating system, processor, memory, display mode). Platform-free.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qm {

// The version record's string-table prefix for its first translation entry (low 16 bits language, high 16 bits
// code page); without a translation entry, US English with the Windows Latin-1 code page (04E40409).
constexpr std::uint32_t kDefaultTranslation = 0x04E40409;
std::string VersionStringPrefix(bool hasTranslation, std::uint32_t translation);

// "Version " + product version + " (Build " + file version + ")".
std::string VersionLine(const std::string& productVersion, const std::string& fileVersion);

// The title strip: one blank, the application's title, " - ", the page's title.
std::string AboutTitle(const std::string& applicationTitle, const std::string& pageTitle);

// Fills a string-table format: each "%s" or "%d" takes the next argument as it stands, "%%" is one percent sign;
// a placeholder without an argument left stays empty.
std::string FormatText(const std::string& format, const std::vector<std::string>& arguments);

// The operating system's name on the About window. The registry's product name says "Windows 10" on every Windows 11
// too, so from the first build of Windows 11 on that part reads "Windows 11" (the edition stays). Without a product
// name, the name the version numbers stand for.
constexpr unsigned kFirstWindows11Build = 22000;
std::string SystemName(const std::string& productName, unsigned major, unsigned minor, unsigned build);

// Bytes to kilobytes, as the memory lines count them.
constexpr std::uint64_t KBytes(std::uint64_t bytes) { return bytes >> 10; }
std::string MemoryText(const std::string& format, std::uint64_t totalKBytes, std::uint64_t availableKBytes);

// The time-stamp counter runs for 500 ms while the clock is measured.
double ClockSpeedMHz(std::uint64_t counterDifference);
// "%s at %f MHz": the identifier, and the speed with two decimals and the user's decimal separator.
std::string ProcessorText(const std::string& identifier, double megahertz, const std::string& decimalSeparator);
// What the processor line says while its speed is being measured.
std::string ProcessorMeasuringText(const std::string& identifier);

// The colour depth's name; empty for a depth that has none.
std::string ColorDepthText(int bitsPerPixel);
// width + "x" + height + " Pixels; Mode: " + the depth's name.
std::string DisplayModeText(int width, int height, int bitsPerPixel);

}  // namespace qm
