#include "about/about_core.h"

#include <cctype>
#include <cstdio>

namespace qm {

std::string VersionStringPrefix(bool hasTranslation, std::uint32_t translation) {
  const std::uint32_t t = hasTranslation ? translation : kDefaultTranslation;
  char text[32];
  std::snprintf(text, sizeof text, "\\StringFileInfo\\%04X%04X\\", static_cast<unsigned>(t & 0xFFFF),
                static_cast<unsigned>(t >> 16));
  return text;
}

std::string VersionLine(const std::string& productVersion, const std::string& fileVersion) {
  return "Version " + productVersion + " (Build " + fileVersion + ")";
}

std::string AboutTitle(const std::string& applicationTitle, const std::string& pageTitle) {
  return " " + applicationTitle + " - " + pageTitle;
}

std::string FormatText(const std::string& format, const std::vector<std::string>& arguments) {
  std::string out;
  std::size_t next = 0;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size()) {
      const char c = format[i + 1];
      if (c == '%') {
        out += '%';
        ++i;
        continue;
      }
      if (c == 's' || c == 'd') {
        if (next < arguments.size()) out += arguments[next];
        ++next;
        ++i;
        continue;
      }
    }
    out += format[i];
  }
  return out;
}

std::string SystemName(const std::string& productName, unsigned major, unsigned minor, unsigned build) {
  const bool eleven = major == 10 && build >= kFirstWindows11Build;
  if (productName.empty()) {
    static const char* const sixes[] = {"Windows 7", "Windows 8", "Windows 8.1"};  // 6.1 to 6.3
    if (major == 10) return eleven ? "Windows 11" : "Windows 10";
    if (major == 6 && minor >= 1 && minor <= 3) return sixes[minor - 1];
    return "Windows";
  }
  static const std::string ten = "Windows 10";
  const auto at = productName.find(ten);
  if (!eleven || at == std::string::npos) return productName;
  const auto after = at + ten.size();
  if (after < productName.size() && std::isdigit(static_cast<unsigned char>(productName[after]))) return productName;
  return productName.substr(0, at) + "Windows 11" + productName.substr(after);
}

std::string MemoryText(const std::string& format, std::uint64_t totalKBytes, std::uint64_t availableKBytes) {
  return FormatText(format, {std::to_string(totalKBytes), std::to_string(availableKBytes)});
}

double ClockSpeedMHz(std::uint64_t counterDifference) { return static_cast<double>(counterDifference) / 500000.0; }

std::string ProcessorText(const std::string& identifier, double megahertz, const std::string& decimalSeparator) {
  char number[64];
  std::snprintf(number, sizeof number, "%.2f", megahertz);
  std::string speed = number;
  const auto point = speed.find('.');
  if (point != std::string::npos) speed.replace(point, 1, decimalSeparator);
  return identifier + " at " + speed + " MHz";
}

std::string ProcessorMeasuringText(const std::string& identifier) { return identifier + ", measuring..."; }

std::string ColorDepthText(int bitsPerPixel) {
  switch (bitsPerPixel) {
    case 8: return "256 Colors (8 bits)";
    case 15: return "High Color (15 bits)";
    case 16: return "High Color (16 bits)";
    case 24: return "True Color (24 bits)";
    case 32: return "True Color (32 bits)";
    default: return {};
  }
}

std::string DisplayModeText(int width, int height, int bitsPerPixel) {
  return std::to_string(width) + "x" + std::to_string(height) + " Pixels; Mode: " + ColorDepthText(bitsPerPixel);
}

}  // namespace qm
