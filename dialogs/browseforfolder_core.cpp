#include "dialogs/browseforfolder_core.h"

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

GeneratedCode GenerateBrowseForFolder(const BrowseForFolderOptions& o, const FrameTexts& texts) {
  const std::string& p = o.pidlVar;
  const std::string& s = o.stringVar;
  const std::string root = "SHGetSpecialFolderLocation(Handle, " + Decimal(RootFolderId(o.rootIndex)) + ", pidlRoot);";
  const std::string title = "lpszTitle := PChar('" + JoinMemoLines(o.titleLines) + "');";
  const std::string flags = "ulFlags := " + Decimal(BrowseForFolderFlags(o.restriction)) + ";";

  GeneratedCode code;
  code.fragment = Fragment(texts, {
                                      texts.header2,
                                      texts.header3,
                                      "//   lpbi: TBrowseInfo;",
                                      "//   " + p + ": PItemIDList;",
                                      "//   " + s + ": string;",
                                      "with lpbi do",
                                      "begin",
                                      "  hwndOwner := Handle;",
                                      "  GetMem(pszDisplayName, MAX_PATH); ",
                                      "  " + root,
                                      "  " + title,
                                      "  " + flags,
                                      "  lpfn := nil;",
                                      "end;",
                                      p + " := SHBrowseForFolder(lpbi);",
                                      "if SHGetPathFromIDList(" + p + ", lpbi.pszDisplayName) then",
                                      "  " + s + " := StrPas(lpbi.pszDisplayName);",
                                      "  FreeMem(lpbi.pszDisplayName); ",
                                  });
  code.uses = {"ShellAPI, ShlObj"};
  code.decl = {"var", "  lpbi: TBrowseInfo;", "  " + p + ": PItemIDList;", "  " + s + ": string;"};
  // The editor's statements name the root after the flags.
  code.impl = {
      "  with lpbi do",
      "  begin",
      "    hwndOwner := Handle;",
      "    GetMem(pszDisplayName, MAX_PATH); ",
      "    " + title,
      "    " + flags,
      "    " + root,
      "    lpfn := nil;",
      "  end;",
      "  " + p + " := SHBrowseForFolder(lpbi);",
      "  if SHGetPathFromIDList(" + p + ", lpbi.pszDisplayName) then",
      "    " + s + " := StrPas(lpbi.pszDisplayName);",
      "  FreeMem(lpbi.pszDisplayName); ",
  };
  return code;
}

}  // namespace qm
