/* The "What's this?" texts. Each topic has a help-context number, which is also its number in the string table, the
   name of the control that carries it (its id is IDC_<name> in resource.h), and its text. Controls without a topic of
   their own share the topic named in QM_HELP_ALIASES, or fall back to the group box around them and then to their
   panel. The resource script and the platform-free help table are both built from these lists.
   Texts are plain: no double quotes and no ampersands. */
#ifndef QM_HELP_TEXTS_H
#define QM_HELP_TEXTS_H

#define QM_HELP_TOPICS(X) \
  /* ---- Main window (3000-3099) ---- */ \
  X(3000, Panel2, "Quillmark for Delphi. Pick a dialog on one of the two pages, set its options in the panel below, then Test it, Copy its Delphi code to the clipboard or Edit the code. Click a control with the question mark to learn what it does.") \
  X(3001, PageControl, "The two pages of dialog buttons: Standard Dialogs (message box and the common dialogs) and Shell Dialogs (the dialogs of the Windows shell). Switching the page does not change the current dialog.") \
  X(3002, tbnArrow1, "This button only shows that the current dialog is on the other page. Pressing it changes nothing.") \
  X(3003, tbnMessageBox, "MessageBox: a message with a title, an icon and a set of buttons.") \
  X(3004, tbnOpenDlg, "GetOpenFileName: the common Open dialog, with filters, an initial folder and options.") \
  X(3005, tbnSaveDlg, "GetSaveFileName: the common Save As dialog, with filters, an initial folder and options.") \
  X(3006, tbnColorDlg, "ChooseColor: the common Color dialog, optionally started with a colour of your choice.") \
  X(3007, tbnFontDlg, "ChooseFont: the common Font dialog, with font filters, size limits and a start font.") \
  X(3008, tbnPrintDlg, "PrintDlg: the common Print dialog, with print range, copies and appearance options.") \
  X(3009, tbnBrowseForFolder, "SHBrowseForFolder: the shell's folder picker, with a root folder and a restriction to folders, computers or printers.") \
  X(3010, tbnRunDlg, "SHRunFile: the shell's Run dialog, with its own title, description, icon, start folder and flags.") \
  X(3011, tbnFormatDrive, "SHFormatDrive: the shell's Format dialog for one drive. Testing it only opens the dialog; nothing is formatted unless you start it there.") \
  X(3012, tbnAbout, "SHAbout: the shell's standard About box with a product name and a description.") \
  X(3013, tbnIconDlg, "SHPickIcon: the shell's icon picker for the icons of one file.") \
  X(3014, tbnFileOp, "SHFileOperation: copy, move, rename or delete files through the shell, with its progress and confirmation dialogs.") \
  X(3020, btnTest, "Test (Ctrl+T): shows the current dialog now, with exactly the options of its panel.") \
  X(3021, btnCopy, "Copy (Ctrl+C): puts Delphi code that shows the current dialog on the clipboard, with a header and a footer comment.") \
  X(3022, btnEdit, "Edit (Ctrl+E): shows the Delphi code of the current dialog in the code editor, split into uses clause, declarations and statements.") \
  X(3023, btnReset, "Reset: puts the options of the current panel back to their start values.") \
  X(3024, btnMinimize, "Minimize (Esc): minimises Quillmark.") \
  X(3025, btnHelp, "Help: opens the Quillmark user guide.") \
  X(3026, btnAbout, "About: shows the version of Quillmark and information about this computer.") \
  /* ---- Message box panel (3100-3199) ---- */ \
  X(3100, pnlMessageBox, "The options of the message box: its title, text, icon, buttons and modality, and the variable that receives the answer.") \
  X(3101, GroupBox1, "Dialog Caption: the title of the message box. Pick one of the usual titles or type any text.") \
  X(3102, GroupBox2, "System Icon: the icon of the message box. Press the button that is down again for a message box without an icon.") \
  X(3103, memText, "The message itself, typed under Dialog Title. Each line of the memo becomes a line of the message.") \
  X(3104, grpMB, "Buttons: each row is one set of buttons. The button you press down is the default button of the message box; its caption turns red.") \
  X(3105, rbnAPPLMODAL, "Application Modal: the user must answer the message box before going on in the window that owns it.") \
  X(3106, rbnTASKMODAL, "Task Modal: like application modal; when there is no owner window, all top-level windows of the program are disabled.") \
  X(3107, rbnSYSTEMMODAL, "System Modal: like application modal, and the message box stays on top of all other windows.") \
  X(3108, edtVarName, "Variable: the name of the Integer variable that receives the button the user pressed.") \
  X(3109, chkAsProcedure, "Call As Procedure: the generated code calls MessageBox as a statement and keeps no answer.") \
  X(3110, GroupBox4, "Additional Options: the modality of the message box and how the generated code keeps its answer.") \
  /* ---- Browse for folder panel (3200-3299) ---- */ \
  X(3200, pnlBrowseForFolder, "The options of the folder picker: its title, root folder, restriction, and the variables of the generated code.") \
  X(3201, memBrowseForFolder, "Dialog Title: the text shown above the folder tree of the picker. Several lines are joined by line breaks.") \
  X(3202, trvBrowseForFolder, "Root: the folder at the top of the picker's tree. With no folder selected the picker starts at the desktop.") \
  X(3203, rbnRETURNONLYFSDIRS, "Only File System Directories: the picker accepts only real folders of the file system.") \
  X(3204, rbnBROWSEFORCOMPUTER, "Only Computers: the picker accepts only computers of the network.") \
  X(3205, rbnBROWSEFORPRINTER, "Only Printers: the picker accepts only printers.") \
  X(3206, edtResPIDL, "PItemIDList: the name of the variable that receives the item-id list of the chosen folder.") \
  X(3207, edtString, "String: the name of the variable that receives the path of the chosen folder.") \
  /* ---- Run dialog panel (3300-3399) ---- */ \
  X(3300, pnlRunDlg, "The options of the Run dialog: its title, description, icon, start folder and flags.") \
  X(3301, edtRunTitle, "Dialog Title: the title bar text of the Run dialog.") \
  X(3302, memDescription, "Dialog Description: the text above the input field of the Run dialog.") \
  X(3303, rgpRunIcon, "Dialog Icon: Standard shows the Run dialog's own icon, Application shows the icon of your program.") \
  X(3304, edtDirectory, "Start Directory: the folder in which the program that the user names is started. Leave it empty for the current folder.") \
  X(3305, btnBrowseDir, "Picks the start folder with the folder picker.") \
  X(3306, chkBrowseButton, "No Browse Button: the Run dialog has no Browse button. The start folder fields are disabled, but a folder already typed is still used.") \
  X(3307, chkDefaultItem, "No Default Item Selected: the input field starts without the last command selected.") \
  X(3308, chkCalcWorkDir, "Calc Work Directory: the dialog works out the working folder from the program that the user names.") \
  X(3309, chkNoLabel, "No Label: the input field has no label.") \
  X(3310, chkNoSeparate, "No Separate Memory: the dialog does not offer to run 16-bit programs in a memory space of their own.") \
  /* ---- Format drive panel (3400-3499) ---- */ \
  X(3400, pnlFormatDrive, "The options of the Format dialog: the drive, the capacity, the format type and the result variable.") \
  X(3401, cboDrives, "Drive: the letter of the drive that the Format dialog is opened for.") \
  X(3402, cboCapacity, "ID: the capacity to format, or DEFAULT for the drive's own.") \
  X(3403, rgrFormatType, "Format type: Quick only erases the file table; Full writes and checks the whole disk.") \
  X(3404, chkFormatCallAsProc, "Call As Procedure: the generated code calls SHFormatDrive as a statement and keeps no result.") \
  X(3405, edtFormatVarName, "Name: the name of the Cardinal variable that receives the result of SHFormatDrive.") \
  /* ---- Shell About panel (3500-3599) ---- */ \
  X(3500, pnlAbout, "The options of the shell's About box: the product name and a description.") \
  X(3501, edtApp, "Product Name: the title and first line of the About box.") \
  X(3502, memOtherStuff, "Product Description: further text shown in the About box, under the system's version and memory lines.") \
  /* ---- Pick icon panel (3600-3699) ---- */ \
  X(3600, pnlIconDlg, "The options of the icon picker: the file whose icons it lists, the icon selected at the start, and the variables of the generated code.") \
  X(3601, edtFileToOpen, "Icon File Default: the program, library or icon file whose icons the picker lists first.") \
  X(3602, btnIconFile, "Picks the icon file with the Open dialog.") \
  X(3603, edtFileName, "Variable Name: the name of the buffer variable that holds the path of the icon file.") \
  X(3604, imgIcon, "The picture of an icon; Reset clears it.") \
  X(3605, seIconIndex, "Icon Index Default: the number of the icon that is selected when the picker opens.") \
  X(3606, edtIconIndex, "Variable Name: the name of the variable that holds the icon index.") \
  /* ---- File operation panel (3700-3799) ---- */ \
  X(3700, pnlFileOp, "The options of the shell's file operation: what to do, how, and with which files. Testing really performs the operation.") \
  X(3701, aviFileOp, "The animation of the chosen operation, as the shell's progress dialog shows it.") \
  X(3702, rgpFileOp, "File Operation: copy, delete, move or rename the files of the From list.") \
  X(3703, edtProgressTitle, "Title of Progress Dialog: the title shown while the files are processed; used only with Simple Progress.") \
  X(3704, ALLOWUNDO, "Allow Undo: keeps undo information, so deleted files go to the Recycle Bin.") \
  X(3705, NOCONFIRMATION, "No Confirmation: answers Yes to All to every question the shell would ask.") \
  X(3706, RENAMEONCOLLISION, "Rename on Collisions: gives the file a new name when a file of that name already exists at the destination.") \
  X(3707, FILESONLY, "Files Only: a wildcard name such as *.* applies to files only, not to folders.") \
  X(3708, SIMPLEPROGRESS, "Simple Progress: the progress dialog shows the title below instead of the file names.") \
  X(3709, MULTIDESTFILES, "Multiple Destinations: the To list names one destination for each file of the From list.") \
  X(3710, strFrom, "From: the files to process, one per row. The list ends at the first empty row.") \
  X(3711, strTo, "To: the destination folder or names, one per row. Not used to delete files.") \
  /* ---- Open file panel (3800-3899) ---- */ \
  X(3800, pnlOpenDlg, "The options of the common Open dialog: title, folder, file name, filters, options and the result variable.") \
  X(3801, OpenTitle, "Title: the title bar text of the Open dialog. Empty gives the system's own title.") \
  X(3802, OpenDir, "Initial Dir: the folder the Open dialog starts in.") \
  X(3803, btnOpenDir, "Picks the initial folder with the folder picker.") \
  X(3804, OpenFile, "File Name: the file name the dialog starts with.") \
  X(3805, btnOpenFile, "Picks the initial file name with the Open dialog.") \
  X(3806, GridOpen, "Filter: one file type per row, a description and its pattern, such as Text files and *.txt. The list ends at the first row without a description.") \
  X(3807, OpenIndex, "Filter Index: the number of the filter row that is selected at the start, counting from 1.") \
  X(3808, ALLOWMULTISELECT, "Allow Multiple Selection: the user may choose several files at once.") \
  X(3809, HIDEREADONLY, "Hide Read Only: hides the Open as read-only check box.") \
  X(3810, FILEMUSTEXIST, "File Must Exist: the user can only choose files that exist.") \
  X(3811, PATHMUSTEXIST, "Path Must Exist: the user can only type paths that exist.") \
  X(3812, CREATEPROMPT, "Create Prompt: asks whether to create a file that does not exist.") \
  X(3813, edtOpenVar, "Variable: the name of the string variable that receives the chosen file.") \
  X(3814, chkInitOpen, "Init Dialog with: the generated code starts the dialog with the file name held in the variable instead of the File Name above.") \
  /* ---- Save file panel (3900-3999) ---- */ \
  X(3900, pnlSaveDlg, "The options of the common Save As dialog: title, folder, file name, filters, options and the result variable.") \
  X(3901, SaveTitle, "Title: the title bar text of the Save As dialog. Empty gives the system's own title.") \
  X(3902, SaveDir, "Initial Dir: the folder the Save As dialog starts in.") \
  X(3903, btnSaveDir, "Picks the initial folder with the folder picker.") \
  X(3904, SaveFile, "File Name: the file name the dialog starts with.") \
  X(3905, btnSaveFile, "Picks the initial file name with the Open dialog.") \
  X(3906, GridSave, "Filter: one file type per row, a description and its pattern, such as Text files and *.txt. The list ends at the first row without a description.") \
  X(3907, SaveIndex, "Filter Index: the number of the filter row that is selected at the start, counting from 1.") \
  X(3908, OVERWRITEPROMPT, "Overwrite Prompt: asks before an existing file is replaced.") \
  X(3909, HIDEREADONLY1, "Hide Read Only: hides the Open as read-only check box.") \
  X(3910, FILEMUSTEXIST1, "File Must Exist: the user can only choose files that exist.") \
  X(3911, PATHMUSTEXIST1, "Path Must Exist: the user can only type paths that exist.") \
  X(3912, CREATEPROMPT1, "Create Prompt: asks whether to create a file that does not exist.") \
  X(3913, edtSaveVar, "Variable: the name of the string variable that receives the chosen file name.") \
  X(3914, chkInitSave, "Init Dialog with: the generated code starts the dialog with the file name held in the variable instead of the File Name above.") \
  /* ---- Choose color panel (4000-4099) ---- */ \
  X(4000, pnlColorDlg, "The options of the common Color dialog: its options, the initial colour and the colour variable.") \
  X(4001, FULLOPEN, "Full Open: the dialog opens with its custom colour part shown.") \
  X(4002, PREVENTFULLOPEN, "Prevent Full Open: the button that shows the custom colour part is disabled.") \
  X(4003, RGBINIT, "Init Color: the dialog starts with the initial colour selected.") \
  X(4004, SHOWHELP, "Show Help: the dialog shows a Help button.") \
  X(4005, pnlIniColor, "The initial colour. A confirmed test puts the chosen colour here.") \
  X(4006, spRed, "Red: the red part of the initial colour, 0 to 255.") \
  X(4007, spGreen, "Green: the green part of the initial colour, 0 to 255.") \
  X(4008, spBlue, "Blue: the blue part of the initial colour, 0 to 255.") \
  X(4009, edtColorVar, "Variable: the name of the TColor variable that receives the chosen colour.") \
  X(4010, chkInitWithColor, "Init Dialog with: the generated code starts the dialog with the colour held in the variable instead of the colour above.") \
  /* ---- Print panel (4100-4199) ---- */ \
  X(4100, pnlPrintDlg, "The options of the common Print dialog: print range, copies, appearance and print to file.") \
  X(4101, ALLPAGES, "All: the All button of the print range is selected at the start.") \
  X(4102, PAGENUMS, "Pages: the Pages button is selected at the start, with the page range below.") \
  X(4103, edtFromPage, "from: the first page of the range.") \
  X(4104, edtToPage, "to: the last page of the range.") \
  X(4105, SELECTION, "Selection: the Selection button is selected at the start.") \
  X(4106, spCopies, "Number of copies: the number of copies shown at the start.") \
  X(4107, chkCollate, "Collate: the Collate check box is checked at the start.") \
  X(4108, DISABLEPRINTTOFILE, "Disable Print To File: the Print to file check box is disabled.") \
  X(4109, NOPAGENUMS, "Disable Pages Nums: the Pages button and its fields are disabled.") \
  X(4110, NOSELECTION, "Disable Selection: the Selection button is disabled.") \
  X(4111, PRINTSETUP, "Display Print Setup: the Print Setup dialog is shown instead of the Print dialog.") \
  X(4112, NOWARNING, "No Warning Message: no warning is shown when there is no default printer.") \
  X(4113, SHOWHELP_P, "Show Help Button: the dialog shows a Help button.") \
  X(4114, chkPrintToFile, "Print To File: the Print to file check box is checked at the start.") \
  /* ---- Choose font panel (4200-4299) ---- */ \
  X(4200, pnlFontDlg, "The options of the common Font dialog: which fonts it lists, what it shows, size limits and the start font.") \
  X(4201, SCREENFONTS, "Screen Fonts: lists the fonts of the screen.") \
  X(4202, PRINTERFONTS, "Printer Fonts: lists the fonts of the printer.") \
  X(4203, TTONLY, "True Type Only: lists TrueType fonts only.") \
  X(4204, FIXEDPITCHONLY, "Fixed Pitch Only: lists fonts whose characters all have the same width.") \
  X(4205, SCALABLEONLY, "Scalable Only: lists scalable fonts only.") \
  X(4206, EFFECTS, "Font Effects Boxes: the dialog shows the strikeout, underline and colour choices.") \
  X(4207, NOSCRIPTSEL, "No Script Combo: the script list is disabled.") \
  X(4208, NOFACESEL, "No Font Selection: no font name is selected at the start.") \
  X(4209, NOSIZESEL, "No Size Selection: no size is selected at the start.") \
  X(4210, NOSTYLESEL, "No Style Selection: no style is selected at the start.") \
  X(4211, LIMITSIZE, "Set Size Limits: the user may only choose sizes between Min and Max.") \
  X(4212, spMinSize, "Min: the smallest size in points the user may choose.") \
  X(4213, spMaxSize, "Max: the largest size in points the user may choose.") \
  X(4214, INITTOLOGFONTSTRUCT, "Init LogFont Structure: the dialog starts with a font of your choice selected.") \
  X(4215, chkInitWith, "Init LogFont with: the generated code starts the dialog with the font held in the variable; unchecked, with the sample font below.") \
  X(4216, FontSample, "The sample font: press it to choose the font that the dialog starts with.") \
  X(4217, edtFontVar, "Variable: the name of the TFont variable that receives the chosen font.") \
  /* ---- Code editor window (7000-7099) ---- */ \
  X(7000, pnlBottom, "The code editor: the Delphi code of the current dialog in three parts. Change it as you like, then copy a part or all of it.") \
  X(7001, memUses, "uses: the units that the code needs in the uses clause of your unit.") \
  X(7002, memDecl, "declarations: the variables that the code uses.") \
  X(7003, memImpl, "implementation: the statements that show the dialog.") \
  X(7004, btnCopyUses, "Copies the uses part, or its selected text, to the clipboard (Ctrl+U).") \
  X(7005, btnCopyDecl, "Copies the declarations, or their selected text, to the clipboard (Ctrl+D).") \
  X(7006, btnCopyImpl, "Copies the statements, or their selected text, to the clipboard (Ctrl+I).") \
  X(7007, btnCopyAll, "Copy All: copies all three parts, each under a comment line, between the header and the footer comment (Ctrl+A).") \
  X(7008, btnClose, "Close: closes the code editor (Esc). The code stays until the next Edit.") \
  X(7009, splTop, "Drag the splitter to change the height of the parts. Quillmark keeps the heights for the next run.")

/* Controls that share a topic: the topic's number and the control's name. */
#define QM_HELP_ALIASES(X) \
  X(3000, pnlBackgrnd) \
  X(3001, Standard) \
  X(3001, Shell) \
  X(3002, tbnArrow2) \
  X(3101, cboCaption) \
  X(3103, Label2) \
  X(3108, Label1) \
  X(3303, rgpRunIcon_0) \
  X(3303, rgpRunIcon_1) \
  X(3403, rgrFormatType_0) \
  X(3403, rgrFormatType_1) \
  X(3605, seIconIndex_UD) \
  X(3702, rgpFileOp_0) \
  X(3702, rgpFileOp_1) \
  X(3702, rgpFileOp_2) \
  X(3702, rgpFileOp_3) \
  X(3703, lblProgressTitle) \
  X(3804, lblOpenFile) \
  X(3807, OpenIndex_UD) \
  X(3904, lblSaveFile) \
  X(3907, SaveIndex_UD) \
  X(4006, spRed_UD) \
  X(4007, spGreen_UD) \
  X(4008, spBlue_UD) \
  X(4103, lblFrom) \
  X(4104, lblTo) \
  X(4106, spCopies_UD) \
  X(4107, imgCollate) \
  X(4107, imgNoCollate) \
  X(4212, lMin) \
  X(4212, spMinSize_UD) \
  X(4213, lMax) \
  X(4213, spMaxSize_UD) \
  X(7001, pnlUses) \
  X(7001, pnlUsesTop) \
  X(7002, pnlDecl) \
  X(7002, pnlDeclTop) \
  X(7003, pnlImpl) \
  X(7003, pnlImplTop) \
  X(7009, splBottom)

#endif
