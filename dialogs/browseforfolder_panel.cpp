// The browse-for-folder panel and its builder.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include "app/builder.h"
#include "app/gdi_cache.h"
#include "app/hints.h"
#include "app/speed_button.h"
#include "app/text.h"
#include "app/win_util.h"
#include "dialogs/browseforfolder_core.h"
#include "dialogs/kind_panel.h"
#include "resource.h"

namespace qm {

namespace {

// imlFolders, in the order of the tree's image indices.
const int kFolderPictures[] = {IDB_TREE_DESKTOP,  IDB_TREE_DOCUMENTS, IDB_TREE_COMPUTER,
                               IDB_TREE_NETWORK,  IDB_TREE_RECYCLE,   IDB_TREE_CONTROLS,
                               IDB_TREE_PROGRAMS, IDB_TREE_PRINTERS,  IDB_TREE_STARTMENU};

struct ImageListTraits {
  static HIMAGELIST Invalid() { return nullptr; }
  static void Close(HIMAGELIST h) { ImageList_Destroy(h); }
};
using ScopedImageList = Scoped<HIMAGELIST, ImageListTraits>;

class BrowseForFolderPanel : public KindPanel {
 public:
  BrowseForFolderPanel() : KindPanel(dkBrowseForFolder) {}

 protected:
  void CreateControls(Builder& b) override {
    b.Label(IDC_lblBrowseTitle, "Dialog Tit&le:", 9, 6, 100, 14);
    b.Memo(IDC_memBrowseForFolder, "Select folder", 9, 22, 432, 52);

    b.Label(IDC_lblRoot, "&Root:", 9, 82, 100, 14);
    HWND tree = b.Make(WC_TREEVIEWA, IDC_trvBrowseForFolder, "",
                       WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                       WS_EX_CLIENTEDGE, 9, 98, 220, 208);
    FillTree(tree);

    b.Group(IDC_grpBrowseFlags, " Fla&gs: ", 239, 82, 203, 104);
    b.Origin(239, 82);
    b.Radio(IDC_rbnRETURNONLYFSDIRS, "Only File System &Directories", 12, 20, 186, 21, true, true);
    b.Radio(IDC_rbnBROWSEFORCOMPUTER, "Only &Computers", 12, 46, 186, 21, false, false);
    b.Radio(IDC_rbnBROWSEFORPRINTER, "Only &Printers", 12, 72, 186, 21, false, false);

    b.Origin(0, 0);
    // The radio buttons' group ends here.
    HWND vars = b.Group(IDC_grpBrowseVars, " &Variables: ", 239, 194, 203, 112);
    SetWindowLongW(vars, GWL_STYLE, GetWindowLongW(vars, GWL_STYLE) | WS_GROUP);
    b.Origin(239, 194);
    b.Label(IDC_lblResPIDL, "&PItemIDList:", 12, 28, 76, 14);
    b.Edit(IDC_edtResPIDL, "pidlResult", 90, 24, 101, 21);
    b.Label(IDC_lblString, "&String:", 12, 66, 76, 14);
    b.Edit(IDC_edtString, "sResult", 90, 62, 101, 21);
    b.Origin(0, 0);
  }

  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    if (msg == WM_CTLCOLOREDIT && reinterpret_cast<HWND>(lp) == Item(IDC_memBrowseForFolder)) {
      HDC dc = reinterpret_cast<HDC>(wp);
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      return true;
    }
    return false;
  }

  void Reset() override {
    SetText(Item(IDC_memBrowseForFolder), "");
    SetText(Item(IDC_memBrowseForFolder), "Select folder");
    SendMessageW(Item(IDC_trvBrowseForFolder), TVM_SELECTITEM, TVGN_CARET, 0);
    CheckRadioButton(panel(), IDC_BFF_FLAGS_FIRST, IDC_BFF_FLAGS_LAST, IDC_rbnRETURNONLYFSDIRS);
  }

  void ShowDialog() override {
    const BrowseForFolderOptions o = ReadOptions();
    const std::string title = GetText(Item(IDC_memBrowseForFolder));
    // A root that cannot be looked up stays empty, which starts the picker at the desktop.
    ScopedPidl root;
    SHGetSpecialFolderLocation(owner(), RootFolderId(o.rootIndex), root.put());
    const std::wstring wideTitle = Wide(title);
    wchar_t displayName[MAX_PATH + 1] = {};
    BROWSEINFOW bi{};
    bi.hwndOwner = owner();
    bi.pidlRoot = root.get();
    bi.pszDisplayName = displayName;
    bi.lpszTitle = wideTitle.c_str();
    bi.ulFlags = BrowseForFolderFlags(o.restriction);
    bi.lpfn = nullptr;
    ScopedPidl chosen(SHBrowseForFolderW(&bi));
    // The path is looked up as the generated code does, and then dropped: nothing reaches the panel.
    if (chosen && SHGetPathFromIDListW(chosen.get(), displayName)) {
      const std::string path = Utf8(displayName);
      (void)path;
    }
  }

  GeneratedCode GenerateCode() const override {
    return GenerateBrowseForFolder(ReadOptions(), LoadFrameTexts(), target(), handleAnswer());
  }

 private:
  void FillTree(HWND tree) {
    // The pictures drawn for the scaling nearest to the tree's DPI, at their own size.
    const int dpi = DpiOf(tree);
    BITMAP size{};
    GetObjectW(Picture(kFolderPictures[0], dpi), sizeof size, &size);
    images_.reset(ImageList_Create(size.bmWidth, size.bmHeight, ILC_COLOR24 | ILC_MASK, kFolderNodeCount, 0));
    for (int id : kFolderPictures) {
      // A copy of our own: adding with a mask may change the bitmap it is given.
      ScopedGdiObj bitmap(CopyImage(Picture(id, dpi), IMAGE_BITMAP, 0, 0, 0));
      ImageList_AddMasked(images_.get(), static_cast<HBITMAP>(bitmap.get()), RGB(255, 0, 255));
    }
    SendMessageW(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images_.get()));
    SendMessageW(tree, TVM_SETINDENT, Scale(20, dpi), 0);

    HTREEITEM items[kFolderNodeCount] = {};
    for (int i = 0; i < kFolderNodeCount; ++i) {
      const FolderNode& node = FolderNodeAt(i);
      std::wstring text = Wide(node.text);
      TVINSERTSTRUCTW ins{};
      ins.hParent = node.parent < 0 ? TVI_ROOT : items[node.parent];
      ins.hInsertAfter = TVI_LAST;
      ins.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
      ins.item.pszText = text.data();
      ins.item.iImage = node.image;
      ins.item.iSelectedImage = node.image;
      ins.item.lParam = i;  // the absolute index the builder reads
      items[i] = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
    }
    for (HTREEITEM item : items) SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, 0);
  }

  // The absolute index of the selected node, -1 when none is selected.
  int SelectedIndex() const {
    HWND tree = Item(IDC_trvBrowseForFolder);
    auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (!item) return -1;
    TVITEMW tv{};
    tv.mask = TVIF_PARAM;
    tv.hItem = item;
    if (!SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv))) return -1;
    return static_cast<int>(tv.lParam);
  }

  BrowseForFolderOptions ReadOptions() const {
    BrowseForFolderOptions o;
    o.rootIndex = SelectedIndex();
    o.titleLines = MemoLines(Item(IDC_memBrowseForFolder));
    o.restriction = IsChecked(Item(IDC_rbnRETURNONLYFSDIRS))    ? BffRestriction::FileSystemDirs
                    : IsChecked(Item(IDC_rbnBROWSEFORCOMPUTER)) ? BffRestriction::Computers
                    : IsChecked(Item(IDC_rbnBROWSEFORPRINTER))  ? BffRestriction::Printers
                                                                : BffRestriction::None;
    o.pidlVar = GetText(Item(IDC_edtResPIDL));
    o.stringVar = GetText(Item(IDC_edtString));
    return o;
  }

  ScopedImageList images_;
};

}  // namespace

template <>
std::unique_ptr<KindPanel> MakeKindPanel<dkBrowseForFolder>() {
  return std::make_unique<BrowseForFolderPanel>();
}

}  // namespace qm
