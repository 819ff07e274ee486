// What the Open and the Save panel share: one layout (the two panels look alike), the title edit painted like a title
// bar, the filter grid, the variable edit that renames the "Init Dialog with" box, the folder and file buttons, and
// the call of the Windows dialog in a test.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <cstddef>

#include "dialogs/kind_panel.h"
#include "dialogs/openfile_core.h"

namespace qm {

// The pre-2000 size of the open-file-name record, which every Windows version accepts (the wide record has the same
// layout as the 8-bit one). Every open-file dialog of the panels passes it.
constexpr DWORD kOpenFileNameSize = offsetof(OPENFILENAMEW, lpTemplateName) + sizeof(LPCWSTR);
#if defined(__i386__) || defined(_M_IX86)
static_assert(kOpenFileNameSize == 76, "the 32-bit open-file-name record is 76 bytes");
#endif

struct FileDialogPanelIds {
  int lblTitle, title, lblDir, dir, btnDir, lblFile, file, btnFile, lblFilter, grid, lblIndex, index, indexArrows;
  int group;
  struct Option {
    int id;
    const char* caption;
    bool checked;  // start value
  } options[5];    // in tab order, top to bottom
  int lblVar, var, chkInit;
  bool indexBeforeOptions;  // tab order: the Open panel visits the filter index before the options, Save after them
};

class FileDialogPanel : public KindPanel {
 public:
  FileDialogPanel(TDialogKind kind, const FileDialogPanelIds& ids) : KindPanel(kind), ids_(ids) {}

  // Every control back to its start value, except the filter grid, which keeps its rows.
  void Reset() override;

 protected:
  void CreateControls(Builder& b) override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

  // The texts, grid rows, index, variable and "Init Dialog with" box; the kind adds its option boxes.
  void ReadCommon(FileDialogOptions& options) const;
  bool Checked(int id) const { return IsChecked(Item(id)); }
  // Shows the Open (save = false) or Save dialog with the panel's values. Its result is not used.
  void ShowFileDialog(bool save, const FileDialogOptions& options, std::uint32_t flags) const;

 private:
  void InitWithClick();
  void VarChange();
  // The folder button (beside the initial directory) and the file button (beside the file name): each puts its
  // result into its field, gives the field the focus and puts the caret after its text.
  void BrowseInitialDirectory();
  void BrowseFileName();

  const FileDialogPanelIds& ids_;
};

}  // namespace qm
