// The About window's computed texts: version record prefix and line, title strip, system information.
#include <gtest/gtest.h>

#include <string>

#include "about/about_core.h"
#include "about_texts.h"
#include "version.h"

using namespace qm;

TEST(AboutVersion, ThePrefixComesFromTheFirstTranslationOrFallsBackToUsEnglishLatin1) {
  EXPECT_EQ(VersionStringPrefix(false, 0), "\\StringFileInfo\\040904E4\\");
  EXPECT_EQ(VersionStringPrefix(true, 0x04E40409), "\\StringFileInfo\\040904E4\\");
  // Language in the low word, code page in the high word, each as four upper-case hexadecimal digits.
  EXPECT_EQ(VersionStringPrefix(true, 0x04B00407), "\\StringFileInfo\\040704B0\\");
  EXPECT_EQ(VersionStringPrefix(true, 0x00000000), "\\StringFileInfo\\00000000\\");
  EXPECT_EQ(VersionStringPrefix(true, 0xFFFF00AB), "\\StringFileInfo\\00ABFFFF\\");
}

TEST(AboutVersion, TheVersionLineAndTheResourceTextsOfThisProgram) {
  EXPECT_EQ(VersionLine("1.0", "1.0.0.0"), "Version 1.0 (Build 1.0.0.0)");
  EXPECT_EQ(VersionLine("", ""), "Version  (Build )");
  // The version texts of the resource agree with its numbers.
  const std::string numbers = std::to_string(QM_VERSION_MAJOR) + "." + std::to_string(QM_VERSION_MINOR) + "." +
                              std::to_string(QM_VERSION_RELEASE) + "." + std::to_string(QM_VERSION_BUILD);
  EXPECT_EQ(std::string(QM_FILE_VERSION_TEXT), numbers);
  EXPECT_EQ(std::string(QM_PRODUCT_VERSION_TEXT),
            std::to_string(QM_VERSION_MAJOR) + "." + std::to_string(QM_VERSION_MINOR));
  EXPECT_EQ(std::string(QM_PRODUCT_NAME), "Quillmark for Delphi");
}

TEST(AboutTitleStrip, OneBlankTheApplicationADashAndThePage) {
  EXPECT_EQ(AboutTitle("Quillmark", QM_TEXT_GENERALINFO), " Quillmark - General Information");
  EXPECT_EQ(AboutTitle("Quillmark", QM_TEXT_SYSTEMINFO), " Quillmark - System Information");
  EXPECT_EQ(AboutTitle("Quillmark", QM_TEXT_UPDATE), " Quillmark - Update");
  EXPECT_EQ(AboutTitle("Quillmark", QM_TEXT_ACKNOWLEDGEMENTS), " Quillmark - Acknowledgements");
}

TEST(AboutSystemInfo, TheOperatingSystemLineFillsItsFormatEvenWithEmptyValues) {
  EXPECT_EQ(std::string(QM_TEXT_OSFORMAT), "%s (Build %s)");
  EXPECT_EQ(FormatText(QM_TEXT_OSFORMAT, {"Microsoft Windows 7", "7601"}), "Microsoft Windows 7 (Build 7601)");
  EXPECT_EQ(FormatText(QM_TEXT_OSFORMAT, {"", ""}), " (Build )");
  // Percent signs and a text with placeholders of its own stay as they are.
  EXPECT_EQ(FormatText("%s%% of %s", {"50", "%d"}), "50% of %d");
  EXPECT_EQ(FormatText("%s and %s", {"one"}), "one and ");
  EXPECT_EQ(FormatText("100%", {}), "100%");
}

TEST(AboutSystemInfo, TheSystemNameSaysWindows11FromBuild22000AndKeepsTheEdition) {
  struct Case {
    const char* productName;
    unsigned major, minor, build;
    const char* name;
  };
  const Case cases[] = {
      {"Windows 10 Home", 10, 0, 19045, "Windows 10 Home"},
      {"Windows 10 Home", 10, 0, 21999, "Windows 10 Home"},
      {"Windows 10 Home", 10, 0, 22000, "Windows 11 Home"},
      {"Windows 10 Pro", 10, 0, 22631, "Windows 11 Pro"},
      {"Windows 10 Enterprise", 10, 0, 26100, "Windows 11 Enterprise"},
      {"Windows 10 Education", 10, 0, 22000, "Windows 11 Education"},
      {"Windows 10 Pro for Workstations", 10, 0, 22621, "Windows 11 Pro for Workstations"},
      {"Windows 10 Enterprise LTSC 2021", 10, 0, 19044, "Windows 10 Enterprise LTSC 2021"},
      {"Windows 10 Enterprise LTSC", 10, 0, 26100, "Windows 11 Enterprise LTSC"},
      {"Microsoft Windows 10 Pro", 10, 0, 22000, "Microsoft Windows 11 Pro"},
      // Names that are not Windows 10's stay as the registry has them.
      {"Windows Server 2022 Datacenter", 10, 0, 20348, "Windows Server 2022 Datacenter"},
      {"Windows 7 Professional", 6, 1, 7601, "Windows 7 Professional"},
      {"Windows 100", 10, 0, 22000, "Windows 100"},
      // Without a product name, the name of the version numbers.
      {"", 10, 0, 19045, "Windows 10"},
      {"", 10, 0, 22000, "Windows 11"},
      {"", 6, 3, 9600, "Windows 8.1"},
      {"", 6, 2, 9200, "Windows 8"},
      {"", 6, 1, 7601, "Windows 7"},
      {"", 6, 0, 6002, "Windows"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SystemName(c.productName, c.major, c.minor, c.build), c.name) << c.productName << " " << c.build;
}

TEST(AboutSystemInfo, MemoryLinesCountKilobytesWithoutWrappingAbove2Gigabytes) {
  EXPECT_EQ(std::string(QM_TEXT_MEMORYFORMAT), "Total: %d KBytes;   Available: %d KBytes");
  EXPECT_EQ(KBytes(1023), 0u);
  EXPECT_EQ(KBytes(1024), 1u);
  EXPECT_EQ(KBytes(4294967295ULL), 4194303u);
  EXPECT_EQ(MemoryText(QM_TEXT_MEMORYFORMAT, 524288, 131072), "Total: 524288 KBytes;   Available: 131072 KBytes");
  // 128 terabytes of virtual address space, as a 64-bit process has.
  EXPECT_EQ(MemoryText(QM_TEXT_MEMORYFORMAT, KBytes(140737488224256ULL), KBytes(140737400000000ULL)),
            "Total: 137438953344 KBytes;   Available: 137438867187 KBytes");
}

TEST(AboutSystemInfo, TheProcessorShowsItsClockWithTwoDecimalsAndTheUsersSeparator) {
  EXPECT_EQ(ProcessorText("x86 Family 6 Model 15 Stepping 11", 2394.126, "."),
            "x86 Family 6 Model 15 Stepping 11 at 2394.13 MHz");
  EXPECT_EQ(ProcessorText("GenuineIntel", 1000.0, ","), "GenuineIntel at 1000,00 MHz");
  EXPECT_EQ(ProcessorText("", 0.0, "."), " at 0.00 MHz");
  EXPECT_EQ(ProcessorMeasuringText("GenuineIntel"), "GenuineIntel, measuring...");
  // Half a second of counting: a million counts are 2 MHz.
  EXPECT_DOUBLE_EQ(ClockSpeedMHz(1000000), 2.0);
  EXPECT_DOUBLE_EQ(ClockSpeedMHz(1247062500), 2494.125);
  // More than 2 to the 32nd counts (a clock above 8.6 GHz) still gives the right speed.
  EXPECT_DOUBLE_EQ(ClockSpeedMHz(5000000000ULL), 10000.0);
}

TEST(AboutSystemInfo, TheDisplayModeNamesEachKnownDepthAndNothingForOthers) {
  EXPECT_EQ(DisplayModeText(1280, 1024, 24), "1280x1024 Pixels; Mode: True Color (24 bits)");
  EXPECT_EQ(DisplayModeText(640, 480, 4), "640x480 Pixels; Mode: ");
  EXPECT_EQ(ColorDepthText(8), "256 Colors (8 bits)");
  EXPECT_EQ(ColorDepthText(15), "High Color (15 bits)");
  EXPECT_EQ(ColorDepthText(16), "High Color (16 bits)");
  EXPECT_EQ(ColorDepthText(24), "True Color (24 bits)");
  EXPECT_EQ(ColorDepthText(32), "True Color (32 bits)");
  EXPECT_EQ(ColorDepthText(1), "");
  EXPECT_EQ(ColorDepthText(0), "");
}
