// The Save file panel and its builder: the Open panel's layout with the Save dialog's options.
#include "dialogs/openfile_panel.h"
#include "dialogs/savefile_core.h"
#include "resource.h"

namespace qm {

namespace {

const FileDialogPanelIds kSaveIds = {
    IDC_lblSaveTitle, IDC_SaveTitle, IDC_lblSaveDir, IDC_SaveDir, IDC_btnSaveDir, IDC_lblSaveFile, IDC_SaveFile,
    IDC_btnSaveFile, IDC_lblSaveFilter, IDC_GridSave, IDC_lblSaveIndex, IDC_SaveIndex, IDC_SaveIndex_UD,
    IDC_grpSaveOptions,
    {{IDC_FILEMUSTEXIST1, "File Must Exist", false},
     {IDC_PATHMUSTEXIST1, "Path Must Exist", false},
     {IDC_HIDEREADONLY1, "Hide Read Only", true},
     {IDC_OVERWRITEPROMPT, "Overwrite Prompt", false},
     {IDC_CREATEPROMPT1, "Create Prompt", false}},
    IDC_lblSaveVar, IDC_edtSaveVar, IDC_chkInitSave,
    false,
};

class SaveFilePanel : public FileDialogPanel {
 public:
  SaveFilePanel() : FileDialogPanel(dkSaveFile, kSaveIds) {}

 protected:
  void ShowDialog() override {
    const SaveFileOptions o = ReadOptions();
    ShowFileDialog(true, o, SaveFileFlags(o));
  }

  GeneratedCode GenerateCode() const override {
    return GenerateSaveFile(ReadOptions(), LoadFrameTexts(), target(), handleAnswer());
  }

 private:
  SaveFileOptions ReadOptions() const {
    SaveFileOptions o;
    ReadCommon(o);
    o.overwritePrompt = Checked(IDC_OVERWRITEPROMPT);
    o.hideReadOnly = Checked(IDC_HIDEREADONLY1);
    o.fileMustExist = Checked(IDC_FILEMUSTEXIST1);
    o.pathMustExist = Checked(IDC_PATHMUSTEXIST1);
    o.createPrompt = Checked(IDC_CREATEPROMPT1);
    return o;
  }
};

}  // namespace

template <>
std::unique_ptr<KindPanel> MakeKindPanel<dkSaveFile>() {
  return std::make_unique<SaveFilePanel>();
}

}  // namespace qm
