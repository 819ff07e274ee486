// The browse-for-folder kind's generator with any options: any root index, title lines and variable names of any
// bytes and length, any restriction.
#include <algorithm>

#include "dialogs/browseforfolder_core.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  qm::BrowseForFolderOptions o;
  o.rootIndex = in.Bool() ? in.IntIn(-1, qm::kFolderNodeCount) : in.Int<int>();
  o.titleLines = in.MemoLines();
  o.restriction = in.Enum<qm::BffRestriction>(4);
  o.pidlVar = in.Text();
  o.stringVar = in.Text();
  const qm::FrameTexts t = qm::FrameTexts::Defaults();
  const qm::TCodeTarget target = in.Target();
  const qm::GeneratedCode code = qm::GenerateBrowseForFolder(o, t, target);
  // The same options with the answer handled: the frame holds as well.
  fuzz::CheckFrame(qm::GenerateBrowseForFolder(o, t, target, true), t, target);
  fuzz::CheckFrame(code, t, target);

  // The root: a special folder id of the tree (the desktop, 0, for no node or any other index).
  const int root = qm::RootFolderId(o.rootIndex);
  bool known = root == 0;
  for (int i = 0; i < qm::kFolderNodeCount; ++i) known = known || qm::FolderNodeAt(i).folderId == root;
  fuzz::Require(known, "the root is no folder id of the tree");
  const std::uint32_t flags = qm::BrowseForFolderFlags(o.restriction);
  fuzz::Require(flags == 0 || flags == 1 || flags == 4096 || flags == 8192, "the restriction is no BIF_ value");
  // The display name's buffer takes MAX_PATH characters of the target's size.
  const std::string getMem = target == qm::ctDelphiUnicode ? "GetMem(pszDisplayName, MAX_PATH * SizeOf(Char));"
                                                           : "GetMem(pszDisplayName, MAX_PATH); ";
  for (const auto& [lines, indent] : {std::pair{&code.fragment, "  "}, std::pair{&code.impl, "    "}}) {
    fuzz::Require(std::count(lines->begin(), lines->end(), indent + getMem) == 1, "the display name's buffer");
    fuzz::CheckNumberLine(*lines, std::string(indent) + "SHGetSpecialFolderLocation(Handle, ", ", pidlRoot);", 0,
                          fuzz::kInt32Max, root, "the root folder id");
    fuzz::CheckNumberLine(*lines, std::string(indent) + "ulFlags := ", ";", 0, fuzz::kUInt32Max, flags,
                          "the browse flags");
  }
  return 0;
}
