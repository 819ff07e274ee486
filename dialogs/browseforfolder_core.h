// The browse-for-folder kind: the fixed tree of root locations, its options and the code that shows the folder
// picker. Platform-free.
#pragma once

#include <cstdint>
#include <string>

#include "dialogs/frame_core.h"

namespace qm {

// One node of the root tree, in depth-first order (the order is the node's absolute index).
struct FolderNode {
  const char* text;
  int parent;    // absolute index of the parent node, -1 for the top level
  int image;     // picture in the tree's image list
  int folderId;  // the shell's special folder id the node stands for
};
constexpr int kFolderNodeCount = 9;
const FolderNode& FolderNodeAt(int absoluteIndex);  // index must be 0 .. kFolderNodeCount - 1

// The special folder id of a node; any other index (-1 for "no node selected") is the desktop, 0.
int RootFolderId(int absoluteIndex);

enum class BffRestriction : std::uint8_t { None, FileSystemDirs, Computers, Printers };
std::uint32_t BrowseForFolderFlags(BffRestriction restriction);

struct BrowseForFolderOptions {
  int rootIndex = -1;  // absolute index of the tree's selected node, -1 when none is selected
  Lines titleLines = {"Select folder"};
  BffRestriction restriction = BffRestriction::FileSystemDirs;
  std::string pidlVar = "pidlResult";
  std::string stringVar = "sResult";
};

GeneratedCode GenerateBrowseForFolder(const BrowseForFolderOptions& options, const FrameTexts& texts,
                                      TCodeTarget target);
// With `handleAnswer` the item-id list the dialog returns is tested (nil: the user cancelled), and both lists the
// code gets, the root's and the answer's, are freed on every path.
GeneratedCode GenerateBrowseForFolder(const BrowseForFolderOptions& options, const FrameTexts& texts,
                                      TCodeTarget target, bool handleAnswer);

}  // namespace qm
