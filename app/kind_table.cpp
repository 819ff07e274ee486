#include "app/kind_table.h"

#include "resource.h"

namespace qm {

namespace {
// In the order of the buttons on their pages.
const KindRow kRows[] = {
    {dkMessageBox, 0, IDC_tbnMessageBox, 50, IDB_MESSAGEBOX, "MessageBox", "MessageBox", IDC_pnlMessageBox,
     MakeKindPanel<dkMessageBox>},
    {dkOpenFile, 0, IDC_tbnOpenDlg, 90, IDB_OPENDLG, "GetOpenFileName", "GetOpenFileName", IDC_pnlOpenDlg,
     MakeKindPanel<dkOpenFile>},
    {dkSaveFile, 0, IDC_tbnSaveDlg, 130, IDB_SAVEDLG, "GetSaveFileName", "GetSaveFileName", IDC_pnlSaveDlg,
     MakeKindPanel<dkSaveFile>},
    {dkChooseColor, 0, IDC_tbnColorDlg, 170, IDB_COLORDLG, "ChooseColor", "ChooseColor", IDC_pnlColorDlg,
     MakeKindPanel<dkChooseColor>},
    {dkChooseFont, 0, IDC_tbnFontDlg, 210, IDB_FONTDLG, "ChooseFont", "ChooseFont", IDC_pnlFontDlg,
     MakeKindPanel<dkChooseFont>},
    {dkPrint, 0, IDC_tbnPrintDlg, 250, IDB_PRINTDLG, "PrintDlg", "PrintDlg", IDC_pnlPrintDlg, MakeKindPanel<dkPrint>},
    {dkBrowseForFolder, 1, IDC_tbnBrowseForFolder, 50, IDB_BROWSEFORFOLDER, "SHBrowseForFolder", "SHBrowseForFolder",
     IDC_pnlBrowseForFolder, MakeKindPanel<dkBrowseForFolder>},
    {dkRunFile, 1, IDC_tbnRunDlg, 88, IDB_RUNDLG, "SHRunFileDlg", "SHRunFile", IDC_pnlRunDlg, MakeKindPanel<dkRunFile>},
    {dkFormatDrive, 1, IDC_tbnFormatDrive, 127, IDB_FORMATDRIVE, "SHFormatDrive", "SHFormatDrive", IDC_pnlFormatDrive,
     MakeKindPanel<dkFormatDrive>},
    {dkShellAbout, 1, IDC_tbnAbout, 166, IDB_SHABOUT, "SHAbout", "SHAbout", IDC_pnlAbout, MakeKindPanel<dkShellAbout>},
    {dkPickIcon, 1, IDC_tbnIconDlg, 205, IDB_ICONDLG, "SHPickIcon", "SHPickIcon", IDC_pnlIconDlg,
     MakeKindPanel<dkPickIcon>},
    {dkFileOperation, 1, IDC_tbnFileOp, 243, IDB_FILEOP, "SHFileOperation", "SHFileOperation", IDC_pnlFileOp,
     MakeKindPanel<dkFileOperation>},
};
}  // namespace

std::span<const KindRow> KindRows() { return kRows; }

const KindRow* FindKindRow(int kind) {
  for (const KindRow& row : kRows)
    if (row.kind == kind) return &row;
  return nullptr;
}

const KindRow* FindKindRowByButton(int buttonId) {
  for (const KindRow& row : kRows)
    if (row.buttonId == buttonId) return &row;
  return nullptr;
}

}  // namespace qm
