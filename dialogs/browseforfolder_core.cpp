#include "dialogs/browseforfolder_core.h"

#include <initializer_list>
#include <string_view>

namespace qm {

namespace {
const FolderNode kNodes[kFolderNodeCount] = {
    {"Desktop", -1, 0, 0},
    {"My Documents", 0, 1, 5},
    {"My Computer", 0, 2, 17},
    {"Start Menu", 2, 8, 11},
    {"Programs", 3, 6, 2},
    {"Control Panel", 2, 5, 3},
    {"Printers", 5, 7, 4},
    {"Network Neighborhood", 0, 3, 18},
    {"Recycle Bin", 0, 4, 10},
};
}  // namespace

const FolderNode& FolderNodeAt(int absoluteIndex) {
  return kNodes[(absoluteIndex >= 0 && absoluteIndex < kFolderNodeCount) ? absoluteIndex : 0];
}

int RootFolderId(int absoluteIndex) {
  if (absoluteIndex < 0 || absoluteIndex >= kFolderNodeCount) return 0;
  return kNodes[absoluteIndex].folderId;
}

std::uint32_t BrowseForFolderFlags(BffRestriction restriction) {
  switch (restriction) {
    case BffRestriction::FileSystemDirs: return 1;
    case BffRestriction::Computers: return 4096;
    case BffRestriction::Printers: return 8192;
    case BffRestriction::None: break;
  }
  return 0;
}

GeneratedCode GenerateBrowseForFolder(const BrowseForFolderOptions& o, const FrameTexts& texts, TCodeTarget target) {
  return GenerateBrowseForFolder(o, texts, target, false);
}

GeneratedCode GenerateBrowseForFolder(const BrowseForFolderOptions& o, const FrameTexts& texts, TCodeTarget target,
                                      bool handleAnswer) {
  const std::string& p = o.pidlVar;
  const std::string& s = o.stringVar;
  const std::string rootId = Decimal(RootFolderId(o.rootIndex));
  const std::initializer_list<std::string_view> root = {"  SHGetSpecialFolderLocation(Handle, ", rootId, ", pidlRoot);"};

  CodeWriter out(texts, target, 5, handleAnswer ? 22 : 13, 3);
  out.Comment({texts.header2});
  out.Comment({texts.header3});
  out.Comment({"//   lpbi: TBrowseInfo;"});
  // CoTaskMemFree, which frees the item-id lists, is declared in ActiveX.
  out.Comment({"//   ", p, ": PItemIDList;", handleAnswer ? " // ActiveX must be in uses clause !" : ""});
  out.Comment({"//   ", s, ": string;"});
  out.Add({"with lpbi do"});
  out.Add({"begin"});
  out.Add({"  hwndOwner := Handle;"});
  // The shell writes up to MAX_PATH characters there, which are two bytes each in a Unicode program.
  out.Add({target == ctDelphiUnicode ? "  GetMem(pszDisplayName, MAX_PATH * SizeOf(Char));"
                                     : "  GetMem(pszDisplayName, MAX_PATH); "});
  // The editor's statements name the root after the flags.
  out.AddToFragment(root);
  out.Add({"  lpszTitle := PChar('", JoinMemoLines(o.titleLines), "');"});
  out.Add({"  ulFlags := ", Decimal(BrowseForFolderFlags(o.restriction)), ";"});
  out.AddToPane(root);
  out.Add({"  lpfn := nil;"});
  out.Add({"end;"});
  out.Add({p, " := SHBrowseForFolder(lpbi);"});
  if (handleAnswer) {
    out.Add({"if ", p, " <> nil then"});
    out.Add({"begin"});
    out.Add({"  if SHGetPathFromIDList(", p, ", lpbi.pszDisplayName) then"});
    out.Add({"    ", s, " := StrPas(lpbi.pszDisplayName);"});
    out.Add({"  CoTaskMemFree(", p, ");"});
    out.Add({"end"});
    out.Add({"else"});
    out.Add({"begin"});
    out.Add({"  // the user cancelled"});
    out.Add({"end;"});
    out.Add({"CoTaskMemFree(lpbi.pidlRoot);"});
    out.Add({"FreeMem(lpbi.pszDisplayName);"});
  } else {
    out.Add({"if SHGetPathFromIDList(", p, ", lpbi.pszDisplayName) then"});
    out.Add({"  ", s, " := StrPas(lpbi.pszDisplayName);"});
    // The release stands two blanks in, in the fragment as in the pane.
    out.AddUnindented("  FreeMem(lpbi.pszDisplayName); ");
  }

  out.Declare({"  lpbi: TBrowseInfo;"});
  out.Declare({"  ", p, ": PItemIDList;"});
  out.Declare({"  ", s, ": string;"});
  return out.Finish(handleAnswer ? "ShellAPI, ShlObj, ActiveX" : "ShellAPI, ShlObj");
}

}  // namespace qm
