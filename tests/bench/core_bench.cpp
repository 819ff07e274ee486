// The core's throughput: what one Copy and one Edit compute for each dialog kind, without any window: the kind's
// generator (the clipboard fragment and the editor's three parts) and the joins into the clipboard text and the three
// panes' texts. Each kind is measured in its start state and with every option on.
//
// The kinds are listed in one registry below; a kind without an entry is named at the start of the run, so that a
// new kind's generator is added here when it lands.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <new>
#include <string>
#include <vector>

#include "dialogs/browseforfolder_core.h"
#include "dialogs/choosecolor_core.h"
#include "dialogs/choosefont_core.h"
#include "dialogs/fileop_core.h"
#include "dialogs/formatdrive_core.h"
#include "dialogs/frame_core.h"
#include "dialogs/messagebox_core.h"
#include "dialogs/openfile_core.h"
#include "dialogs/pickicon_core.h"
#include "dialogs/print_core.h"
#include "dialogs/rundlg_core.h"
#include "dialogs/savefile_core.h"
#include "dialogs/shellabout_core.h"

// Heap allocations, counted so that the table can say what a generation costs besides time.
namespace {
std::size_t g_allocations = 0;
}

// The replaced operator new allocates with malloc, so free is the matching release; the compiler cannot see that.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using qm::FrameTexts;
using qm::GeneratedCode;
using qm::Lines;

using Generator = std::function<GeneratedCode(const FrameTexts&)>;

struct KindCase {
  qm::TDialogKind kind;
  const char* name;  // as the main window's caption names the kind
  Generator start;   // the panel's start values
  Generator allOn;   // every check box on, every text filled, the choices that write the most code
};

// Texts of the lengths a user types, with an apostrophe and a Windows-1252 letter among them.
const std::string kLong = "C:\\Program Files\\Orvenna\\Quillmark\\Samples\\Caf\xe9 d'Or";
const Lines kThreeLines = {"The first line of a longer text", "the second, with an apostrophe: it's here",
                           "and a third line"};

Lines Entries(const char* stem, int count) {
  Lines out;
  for (int i = 0; i < count; ++i) out.push_back(kLong + "\\" + stem + std::to_string(i) + ".txt");
  return out;
}

std::vector<qm::FilterRow> FilterGrid(int filled) {
  std::vector<qm::FilterRow> rows(qm::kFilterGridRows - 1);
  for (int i = 0; i < filled; ++i) rows[static_cast<std::size_t>(i)] = {"Filter " + std::to_string(i) + " files", "*.f" + std::to_string(i)};
  return rows;
}

template <typename Options>
Generator Make(GeneratedCode (*generate)(const Options&, const FrameTexts&, qm::TCodeTarget), Options options) {
  return [generate, options](const FrameTexts& texts) { return generate(options, texts, qm::ctDelphiClassic); };
}

std::vector<KindCase> Registry() {
  std::vector<KindCase> r;

  {
    qm::MessageBoxOptions start;
    qm::MessageBoxOptions all;
    all.title = "Confirm the d'Or file";
    all.textLines = kThreeLines;
    all.icon = qm::MbIcon::Confirmation;
    all.button = qm::MbButton::ABORTRETRYIGNORE_3;
    all.modality = qm::MbModality::System;
    all.varName = "nAnswer";
    r.push_back({qm::dkMessageBox, "MessageBox", Make(qm::GenerateMessageBox, start), Make(qm::GenerateMessageBox, all)});
  }
  {
    qm::OpenFileOptions start;
    start.gridRows = FilterGrid(0);
    qm::OpenFileOptions all;
    all.title = "Open the d'Or file";
    all.initialDir = kLong;
    all.fileName = kLong + "\\readme.txt";
    all.gridRows = FilterGrid(19);
    all.filterIndex = 3;
    all.varName = "sFile";
    all.initWithVar = true;
    all.allowMultiSelect = all.hideReadOnly = all.fileMustExist = all.pathMustExist = all.createPrompt = true;
    r.push_back({qm::dkOpenFile, "GetOpenFileName", Make(qm::GenerateOpenFile, start), Make(qm::GenerateOpenFile, all)});
  }
  {
    qm::SaveFileOptions start;
    start.gridRows = FilterGrid(0);
    qm::SaveFileOptions all;
    all.title = "Save the d'Or file";
    all.initialDir = kLong;
    all.fileName = kLong + "\\readme.txt";
    all.gridRows = FilterGrid(19);
    all.filterIndex = 3;
    all.varName = "sFile";
    all.initWithVar = true;
    all.overwritePrompt = all.hideReadOnly = all.fileMustExist = all.pathMustExist = all.createPrompt = true;
    r.push_back({qm::dkSaveFile, "GetSaveFileName", Make(qm::GenerateSaveFile, start), Make(qm::GenerateSaveFile, all)});
  }
  {
    qm::ChooseColorOptions start;
    qm::ChooseColorOptions all;
    all.fullOpen = all.preventFullOpen = all.rgbInit = all.showHelp = true;
    all.color = 0x0080FF;
    all.varName = "clrPicked";
    all.initWithVar = false;
    r.push_back({qm::dkChooseColor, "ChooseColor", Make(qm::GenerateChooseColor, start), Make(qm::GenerateChooseColor, all)});
  }
  {
    qm::ChooseFontOptions start;
    qm::ChooseFontOptions all;
    all.screenFonts = all.printerFonts = all.ttOnly = all.fixedPitchOnly = all.scalableOnly = all.effects = true;
    all.noScriptSel = all.noFaceSel = all.noStyleSel = all.noSizeSel = all.limitSize = all.initToLogFont = true;
    all.initWithVar = false;  // the sample font written out as literals: the longer code
    all.sample.name = "Times New Roman";
    all.sample.bold = all.sample.italic = all.sample.underline = all.sample.strikeOut = true;
    all.sample.pitch = 2;
    all.varName = "fntPicked";
    r.push_back({qm::dkChooseFont, "ChooseFont", Make(qm::GenerateChooseFont, start), Make(qm::GenerateChooseFont, all)});
  }
  {
    qm::PrintOptions start;
    qm::PrintOptions all;
    all.pageNums = true;
    all.fromPage = "2";
    all.toPage = "12";
    all.copies = 3;
    all.collate = all.disablePrintToFile = all.noPageNums = all.noSelection = all.printSetup = true;
    all.noWarning = all.showHelp = all.printToFile = true;
    r.push_back({qm::dkPrint, "PrintDlg", Make(qm::GeneratePrint, start), Make(qm::GeneratePrint, all)});
  }
  {
    qm::BrowseForFolderOptions start;
    qm::BrowseForFolderOptions all;
    all.rootIndex = qm::kFolderNodeCount - 1;
    all.titleLines = kThreeLines;
    all.restriction = qm::BffRestriction::Printers;
    all.pidlVar = "pidlFolder";
    all.stringVar = "sFolder";
    r.push_back({qm::dkBrowseForFolder, "SHBrowseForFolder", Make(qm::GenerateBrowseForFolder, start),
                 Make(qm::GenerateBrowseForFolder, all)});
  }
  {
    qm::RunDlgOptions start;
    qm::RunDlgOptions all;
    all.title = "Run a d'Or program";
    all.descriptionLines = kThreeLines;
    all.description = kThreeLines[0] + "\r\n" + kThreeLines[1] + "\r\n" + kThreeLines[2];
    all.applicationIcon = true;
    all.directory = kLong;
    all.noBrowse = all.noDefault = all.calcDirectory = all.noLabel = all.noSeparateMemory = true;
    r.push_back({qm::dkRunFile, "SHRunFile", Make(qm::GenerateRunDlg, start), Make(qm::GenerateRunDlg, all)});
  }
  {
    qm::FormatDriveOptions start;
    qm::FormatDriveOptions all;
    all.drive = 25;
    all.capacityId = qm::FormatCapacityId(2);
    all.options = 1;
    all.varName = "nFormatted";
    r.push_back({qm::dkFormatDrive, "SHFormatDrive", Make(qm::GenerateFormatDrive, start),
                 Make(qm::GenerateFormatDrive, all)});
  }
  {
    qm::ShellAboutOptions start;
    qm::ShellAboutOptions all;
    all.product = "Quillmark d'Or";
    all.descriptionLines = kThreeLines;
    r.push_back({qm::dkShellAbout, "SHAbout", Make(qm::GenerateShellAbout, start), Make(qm::GenerateShellAbout, all)});
  }
  {
    qm::PickIconOptions start;
    qm::PickIconOptions all;
    all.fileToOpen = kLong + "\\shell32.dll";
    all.fileNameVar = "sIconFile";
    all.iconIndex = 41;
    all.iconIndexVar = "nIcon";
    r.push_back({qm::dkPickIcon, "SHPickIcon", Make(qm::GeneratePickIcon, start), Make(qm::GeneratePickIcon, all)});
  }
  {
    qm::FileOpOptions start;
    qm::FileOpOptions all;
    all.operation = qm::FileOp::Move;
    all.allowUndo = all.noConfirmation = all.renameOnCollision = all.filesOnly = all.simpleProgress = true;
    all.multiDestFiles = true;
    all.progressTitle = "Moving the d'Or files";
    all.from = Entries("from", qm::kFileListRows);
    all.to = Entries("to", qm::kFileListRows);
    r.push_back({qm::dkFileOperation, "SHFileOperation", Make(qm::GenerateFileOperation, start),
                 Make(qm::GenerateFileOperation, all)});
  }
  return r;
}

// What Copy and Edit compute: the generated code, the clipboard's text and the three panes' texts.
std::size_t CopyAndEdit(const Generator& generate, const FrameTexts& texts) {
  GeneratedCode code = generate(texts);
  std::string clipboard = qm::JoinCrLf(code.fragment);
  std::string uses = qm::JoinCrLf(code.uses);
  std::string decl = qm::JoinCrLf(code.decl);
  std::string impl = qm::JoinCrLf(code.impl);
  benchmark::DoNotOptimize(clipboard.data());
  benchmark::DoNotOptimize(uses.data());
  benchmark::DoNotOptimize(decl.data());
  benchmark::DoNotOptimize(impl.data());
  benchmark::ClobberMemory();
  return clipboard.size() + uses.size() + decl.size() + impl.size();
}

void Generate(benchmark::State& state, const Generator& generate) {
  const FrameTexts texts = FrameTexts::Defaults();
  const std::size_t before = g_allocations;
  const std::size_t characters = CopyAndEdit(generate, texts);
  const std::size_t allocations = g_allocations - before;
  for (auto _ : state) CopyAndEdit(generate, texts);
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
  state.counters["chars"] = static_cast<double>(characters);
  state.counters["allocs"] = static_cast<double>(allocations);
}

// The baseline of this machine: joining a fixed fragment of ten lines into one text, the least a Copy does.
void Baseline(benchmark::State& state) {
  Lines fragment;
  for (int i = 0; i < 10; ++i) fragment.push_back("  Line " + std::to_string(i) + " of the fixed fragment;");
  for (auto _ : state) {
    std::string text = qm::JoinCrLf(fragment);
    benchmark::DoNotOptimize(text.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const std::vector<KindCase> registry = Registry();
  for (int value = 0; value <= 12; ++value) {
    if (!qm::IsDialogKind(value)) continue;
    bool found = false;
    for (const auto& c : registry) found = found || c.kind == value;
    if (!found) std::fprintf(stderr, "core_bench: dialog kind %d has no generator in the registry\n", value);
  }
  benchmark::RegisterBenchmark("baseline/join10", Baseline);
  for (const auto& c : registry) {
    benchmark::RegisterBenchmark((std::string("generate/") + c.name + "/start").c_str(),
                                 [g = c.start](benchmark::State& s) { Generate(s, g); });
    benchmark::RegisterBenchmark((std::string("generate/") + c.name + "/all").c_str(),
                                 [g = c.allOn](benchmark::State& s) { Generate(s, g); });
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
