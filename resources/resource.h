/* Ids of every window's controls, pictures and strings. Each window's controls are grouped under a comment; ids are
   unique within their window. Radio items of one group are contiguous. */
#ifndef QM_RESOURCE_H
#define QM_RESOURCE_H

/* ---- Program icon and version ---- */
#define IDI_QUILLMARK 1

/* ---- String table (numbers are fixed; 65296 to 65302 belong to the About window) ---- */
#define IDS_HEADER1 65324
#define IDS_HEADER2 65325
#define IDS_HEADER3 65326
#define IDS_FOOTER 65327
#define IDS_NOCLIPBOARD 65332
#define IDS_CREATEKEY 65312
#define IDS_SETDATA 65313
/* the first header line of the code for the other targets */
#define IDS_HEADER1_DELPHI2009 65340
#define IDS_HEADER1_FPC 65341
/* the About window's texts (65300 is not used) */
#define IDS_OSFORMAT 65296
#define IDS_MEMORYFORMAT 65297
#define IDS_GENERALINFO 65298
#define IDS_UPDATEPAGE 65299
#define IDS_SYSTEMINFO 65301
#define IDS_ACKNOWLEDGEMENTS 65302
/* the "What's this?" texts: each one's string id is its help-context number (3000 to 7099), see help_texts.h */

/* ---- Main window's system menu: the target of the generated code (multiples of 16, below 0xF000) ---- */
#define IDM_TARGET_CLASSIC 0x0100
#define IDM_TARGET_DELPHI2009 0x0110
#define IDM_TARGET_FPC 0x0120
#define IDM_HANDLE_ANSWER 0x0130
/* named presets of the current kind: saving one, deleting one, and the names of its "Presets" submenu, the i-th
   being IDM_PRESET_FIRST + 0x10 * i */
#define IDM_PRESET_SAVE 0x0140
#define IDM_PRESET_DELETE 0x0150
#define IDM_PRESET_FIRST 0x1000

/* ---- Pictures (bitmaps drawn by tools/make_pictures.py) ---- */
/* Every picture is drawn at 100, 125, 150, 200 and 250 %: the one of id n at the k-th of these scalings (k = 0 to 4)
   has the id IDB_AT_SCALE(n, k), so that the larger drawings take 10200 to 10399, 20200 to 20399, 30200 to 30399 and
   40200 to 40399, numbers that no control, string or picture id uses. */
#define IDB_SCALE_STEP 10000
#define IDB_AT_SCALE(id, k) ((id) + IDB_SCALE_STEP * (k))
#define IDB_ARROW 200
#define IDB_MESSAGEBOX 201
#define IDB_OPENDLG 202
#define IDB_SAVEDLG 203
#define IDB_COLORDLG 204
#define IDB_FONTDLG 205
#define IDB_PRINTDLG 206
#define IDB_BROWSEFORFOLDER 207
#define IDB_RUNDLG 208
#define IDB_FORMATDRIVE 209
#define IDB_SHABOUT 210
#define IDB_ICONDLG 211
#define IDB_FILEOP 212
#define IDB_TEST 220
#define IDB_COPY 221
#define IDB_EDIT 222
#define IDB_RESET 223
#define IDB_MINIMIZE 224
#define IDB_HELP 225
#define IDB_ABOUT 226
#define IDB_INFORMATION 230
#define IDB_WARNING 231
#define IDB_ERROR 232
#define IDB_CONFIRMATION 233
#define IDB_FOLDER 240
#define IDB_FILE 241
#define IDB_CLIPBOARD 242
/* further pictures of the kind panels, the editor and the About window: 250 to 399 */
/* pictures of the Print panel: 300 to 329 */
#define IDB_COLLATE 300
#define IDB_NOCOLLATE 301
/* pictures of the browse-for-folder panel's root tree (imlFolders): 330 to 359 */
#define IDB_TREE_DESKTOP 330
#define IDB_TREE_DOCUMENTS 331
#define IDB_TREE_COMPUTER 332
#define IDB_TREE_NETWORK 333
#define IDB_TREE_RECYCLE 334
#define IDB_TREE_CONTROLS 335
#define IDB_TREE_PROGRAMS 336
#define IDB_TREE_PRINTERS 337
#define IDB_TREE_STARTMENU 338

/* ---- Main window ---- */
#define IDC_Panel2 100
#define IDC_PageControl 101
#define IDC_Standard 102
#define IDC_Shell 103
#define IDC_pnlBackgrnd 104
#define IDC_tbnArrow1 110
#define IDC_tbnMessageBox 111
#define IDC_tbnOpenDlg 112
#define IDC_tbnSaveDlg 113
#define IDC_tbnColorDlg 114
#define IDC_tbnFontDlg 115
#define IDC_tbnPrintDlg 116
#define IDC_tbnArrow2 120
#define IDC_tbnBrowseForFolder 121
#define IDC_tbnRunDlg 122
#define IDC_tbnFormatDrive 123
#define IDC_tbnAbout 124
#define IDC_tbnIconDlg 125
#define IDC_tbnFileOp 126
#define IDC_btnTest 130
#define IDC_btnCopy 131
#define IDC_btnEdit 132
#define IDC_btnReset 133
#define IDC_btnMinimize 134
#define IDC_btnHelp 135
#define IDC_btnAbout 136
/* the twelve kind panels */
#define IDC_pnlMessageBox 140
#define IDC_pnlBrowseForFolder 142
#define IDC_pnlRunDlg 143
#define IDC_pnlFormatDrive 144
#define IDC_pnlAbout 145
#define IDC_pnlIconDlg 146
#define IDC_pnlOpenDlg 147
#define IDC_pnlSaveDlg 148
#define IDC_pnlColorDlg 149
#define IDC_pnlPrintDlg 150
#define IDC_pnlFontDlg 151
#define IDC_pnlFileOp 152

/* ---- Message box panel (1000-1099) ---- */
#define IDC_GroupBox1 1000
#define IDC_cboCaption 1001
#define IDC_GroupBox2 1002
#define IDC_tbnInformation 1003
#define IDC_tbnWarning 1004
#define IDC_tbnError 1005
#define IDC_tbnConfirmation 1006
#define IDC_Label2 1007
#define IDC_memText 1008
#define IDC_grpMB 1009
#define IDC_GroupBox4 1010
#define IDC_rbnAPPLMODAL 1011
#define IDC_rbnTASKMODAL 1012
#define IDC_rbnSYSTEMMODAL 1013
#define IDC_chkAsProcedure 1014
#define IDC_Label1 1015
#define IDC_edtVarName 1016
#define IDC_tbrMB 1017   /* the toolbar of the button sets */
#define IDC_tbrIcon 1018 /* the toolbar of the icons */
#define IDC_btnOK_1 1020
#define IDC_btnOKCANCEL_1 1021
#define IDC_btnOKCANCEL_2 1022
#define IDC_btnRETRYCANCEL_1 1023
#define IDC_btnRETRYCANCEL_2 1024
#define IDC_btnYESNO_1 1025
#define IDC_btnYESNO_2 1026
#define IDC_btnYESNOCANCEL_1 1027
#define IDC_btnYESNOCANCEL_2 1028
#define IDC_btnYESNOCANCEL_3 1029
#define IDC_btnABORTRETRYIGNORE_1 1030
#define IDC_btnABORTRETRYIGNORE_2 1031
#define IDC_btnABORTRETRYIGNORE_3 1032
#define IDC_MB_FIRST IDC_btnOK_1
#define IDC_MB_LAST IDC_btnABORTRETRYIGNORE_3

/* ---- Browse for folder panel (1200-1299) ---- */
#define IDC_lblBrowseTitle 1200
#define IDC_memBrowseForFolder 1201
#define IDC_lblRoot 1202
#define IDC_trvBrowseForFolder 1203
#define IDC_grpBrowseFlags 1204
#define IDC_rbnRETURNONLYFSDIRS 1205
#define IDC_rbnBROWSEFORCOMPUTER 1206
#define IDC_rbnBROWSEFORPRINTER 1207
#define IDC_grpBrowseVars 1208
#define IDC_lblResPIDL 1209
#define IDC_edtResPIDL 1210
#define IDC_lblString 1211
#define IDC_edtString 1212
#define IDC_BFF_FLAGS_FIRST IDC_rbnRETURNONLYFSDIRS
#define IDC_BFF_FLAGS_LAST IDC_rbnBROWSEFORPRINTER

/* ---- Run dialog panel (1300-1399) ---- */
#define IDC_grpRunTitle 1300
#define IDC_edtRunTitle 1301
#define IDC_rgpRunIcon 1302
#define IDC_rgpRunIcon_0 1303
#define IDC_rgpRunIcon_1 1304
#define IDC_lblDescription 1305
#define IDC_memDescription 1306
#define IDC_grpDirectory 1307
#define IDC_edtDirectory 1308
#define IDC_btnBrowseDir 1309
#define IDC_grpRunFlags 1310
#define IDC_chkBrowseButton 1311
#define IDC_chkDefaultItem 1312
#define IDC_chkCalcWorkDir 1313
#define IDC_chkNoLabel 1314
#define IDC_chkNoSeparate 1315

/* ---- Format drive panel (1400-1499) ---- */
#define IDC_grpDrives 1400
#define IDC_lblDrives 1401
#define IDC_cboDrives 1402
#define IDC_grpCapacity 1403
#define IDC_lblCapacity 1404
#define IDC_cboCapacity 1405
#define IDC_rgrFormatType 1406
#define IDC_rgrFormatType_0 1407
#define IDC_rgrFormatType_1 1408
#define IDC_grpFormatVar 1409
#define IDC_chkFormatCallAsProc 1410
#define IDC_lblFormatVarName 1411
#define IDC_edtFormatVarName 1412

/* ---- Shell About panel (1500-1599) ---- */
#define IDC_lblApp 1500
#define IDC_edtApp 1501
#define IDC_lblOtherStuff 1502
#define IDC_memOtherStuff 1503

/* ---- Pick icon panel (1600-1699) ---- */
#define IDC_grpIconFile 1600
#define IDC_lblFileToOpen 1601
#define IDC_edtFileToOpen 1602
#define IDC_btnIconFile 1603
#define IDC_lblFileName 1604
#define IDC_edtFileName 1605
#define IDC_grpIconIndex 1606
#define IDC_imgIcon 1607
#define IDC_lblIconIndex 1608
#define IDC_seIconIndex 1609
#define IDC_seIconIndex_UD 1610
#define IDC_lblIconIndexVar 1611
#define IDC_edtIconIndex 1612

/* ---- File operation panel (1700-1799) ---- */
#define IDC_aviFileOp 1700
#define IDC_rgpFileOp 1701
#define IDC_rgpFileOp_0 1702
#define IDC_rgpFileOp_1 1703
#define IDC_rgpFileOp_2 1704
#define IDC_rgpFileOp_3 1705
#define IDC_lblProgressTitle 1706
#define IDC_edtProgressTitle 1707
#define IDC_grpFileOpOptions 1708
#define IDC_ALLOWUNDO 1709
#define IDC_NOCONFIRMATION 1710
#define IDC_RENAMEONCOLLISION 1711
#define IDC_FILESONLY 1712
#define IDC_SIMPLEPROGRESS 1713
#define IDC_MULTIDESTFILES 1714
#define IDC_strFrom 1715
#define IDC_strTo 1716

/* ---- Open file panel (1800-1899) ---- */
#define IDC_lblOpenTitle 1800
#define IDC_OpenTitle 1801
#define IDC_lblOpenDir 1802
#define IDC_OpenDir 1803
#define IDC_btnOpenDir 1804
#define IDC_lblOpenFile 1805
#define IDC_OpenFile 1806
#define IDC_btnOpenFile 1807
#define IDC_lblOpenFilter 1808
#define IDC_GridOpen 1809
#define IDC_lblOpenIndex 1810
#define IDC_OpenIndex 1811
#define IDC_OpenIndex_UD 1812
#define IDC_grpOpenOptions 1813
#define IDC_FILEMUSTEXIST 1814
#define IDC_PATHMUSTEXIST 1815
#define IDC_HIDEREADONLY 1816
#define IDC_ALLOWMULTISELECT 1817
#define IDC_CREATEPROMPT 1818
#define IDC_lblOpenVar 1819
#define IDC_edtOpenVar 1820
#define IDC_chkInitOpen 1821

/* ---- Save file panel (1900-1999) ---- */
#define IDC_lblSaveTitle 1900
#define IDC_SaveTitle 1901
#define IDC_lblSaveDir 1902
#define IDC_SaveDir 1903
#define IDC_btnSaveDir 1904
#define IDC_lblSaveFile 1905
#define IDC_SaveFile 1906
#define IDC_btnSaveFile 1907
#define IDC_lblSaveFilter 1908
#define IDC_GridSave 1909
#define IDC_lblSaveIndex 1910
#define IDC_SaveIndex 1911
#define IDC_SaveIndex_UD 1912
#define IDC_grpSaveOptions 1913
#define IDC_FILEMUSTEXIST1 1914
#define IDC_PATHMUSTEXIST1 1915
#define IDC_HIDEREADONLY1 1916
#define IDC_OVERWRITEPROMPT 1917
#define IDC_CREATEPROMPT1 1918
#define IDC_lblSaveVar 1919
#define IDC_edtSaveVar 1920
#define IDC_chkInitSave 1921

/* ---- Choose color panel (2000-2099) ---- */
#define IDC_grpColorOptions 2000
#define IDC_FULLOPEN 2001
#define IDC_PREVENTFULLOPEN 2002
#define IDC_RGBINIT 2003
#define IDC_SHOWHELP 2004
#define IDC_grpIniColor 2005
#define IDC_lblRed 2006
#define IDC_spRed 2007
#define IDC_spRed_UD 2008
#define IDC_lblGreen 2009
#define IDC_spGreen 2010
#define IDC_spGreen_UD 2011
#define IDC_lblBlue 2012
#define IDC_spBlue 2013
#define IDC_spBlue_UD 2014
#define IDC_pnlIniColor 2015
#define IDC_lblColorVar 2016
#define IDC_edtColorVar 2017
#define IDC_chkInitWithColor 2018

/* ---- Print panel (2100-2199) ---- */
#define IDC_grpPrintRange 2100
#define IDC_ALLPAGES 2101
#define IDC_PAGENUMS 2102
#define IDC_SELECTION 2103
#define IDC_lblFrom 2104
#define IDC_edtFromPage 2105
#define IDC_lblTo 2106
#define IDC_edtToPage 2107
#define IDC_grpCopies 2108
#define IDC_chkCollate 2109
#define IDC_lblCopies 2110
#define IDC_spCopies 2111
#define IDC_spCopies_UD 2112
#define IDC_imgCollate 2113
#define IDC_imgNoCollate 2114
#define IDC_grpPrintAppearance 2115
#define IDC_DISABLEPRINTTOFILE 2116
#define IDC_NOPAGENUMS 2117
#define IDC_NOSELECTION 2118
#define IDC_PRINTSETUP 2119
#define IDC_NOWARNING 2120
#define IDC_SHOWHELP_P 2121
#define IDC_chkPrintToFile 2122
#define IDC_PRINTRANGE_FIRST IDC_ALLPAGES
#define IDC_PRINTRANGE_LAST IDC_SELECTION

/* ---- Choose font panel (2200-2299) ---- */
#define IDC_grpDisplayFonts 2200
#define IDC_SCREENFONTS 2201
#define IDC_PRINTERFONTS 2202
#define IDC_TTONLY 2203
#define IDC_FIXEDPITCHONLY 2204
#define IDC_SCALABLEONLY 2205
#define IDC_grpFontAppearance 2206
#define IDC_EFFECTS 2207
#define IDC_NOSCRIPTSEL 2208
#define IDC_NOFACESEL 2209
#define IDC_NOSTYLESEL 2210
#define IDC_NOSIZESEL 2211
#define IDC_LIMITSIZE 2212
#define IDC_lMin 2213
#define IDC_spMinSize 2214
#define IDC_spMinSize_UD 2215
#define IDC_lMax 2216
#define IDC_spMaxSize 2217
#define IDC_spMaxSize_UD 2218
#define IDC_INITTOLOGFONTSTRUCT 2219
#define IDC_chkInitWith 2220
#define IDC_FontSample 2221
#define IDC_lblFontVar 2222
#define IDC_edtFontVar 2223

/* ---- Code editor window (3000-3099) ---- */
#define IDC_pnlUses 3000
#define IDC_pnlUsesTop 3001
#define IDC_btnCopyUses 3002
#define IDC_memUses 3003
#define IDC_splTop 3004
#define IDC_pnlDecl 3005
#define IDC_pnlDeclTop 3006
#define IDC_btnCopyDecl 3007
#define IDC_memDecl 3008
#define IDC_splBottom 3009
#define IDC_pnlImpl 3010
#define IDC_pnlImplTop 3011
#define IDC_btnCopyImpl 3012
#define IDC_memImpl 3013
#define IDC_pnlBottom 3014
#define IDC_btnCopyAll 3015
#define IDC_btnClose 3016

/* ---- About window (3100-3299) ---- */
/* its bottom strip is pnlBottom, IDC_pnlBottom, as in the editor: ids are unique within each window */
#define IDC_pnlTitle 3100
#define IDC_pnlMenu 3101
#define IDC_lblGeneral 3102
#define IDC_lblUpdate 3103
#define IDC_lblSystemInfo 3104
#define IDC_lblAcknowledgements 3105
#define IDC_pnlGeneral 3110
#define IDC_pnlUpdate 3111
#define IDC_pnlSysInfo 3112
#define IDC_pnlAcknowledgements 3113
#define IDC_vkLabel2 3120
#define IDC_lblOK 3121
/* General page */
#define IDC_ProductImage 3130
#define IDC_ProductName 3131
#define IDC_Version 3132
#define IDC_lblContact 3133
#define IDC_lblInternet 3134
#define IDC_vkURL1 3135
#define IDC_lblEMail 3136
#define IDC_vkURL2 3137
#define IDC_lblNotice 3138
#define IDC_lblAddress 3139
/* Update page */
#define IDC_lblVisit 3150
#define IDC_vkURL4 3151
#define IDC_lblUpdates 3152
/* System Info page: a caption and its value on each line */
#define IDC_lblOSCaption 3160
#define IDC_OS 3161
#define IDC_lblProcessorCaption 3162
#define IDC_Processor 3163
#define IDC_lblMemoryCaption 3164
#define IDC_Memory 3165
#define IDC_lblVirtMemCaption 3166
#define IDC_VirtMem 3167
#define IDC_lblDisplayCaption 3168
#define IDC_Display 3169
/* Acknowledgements page */
#define IDC_imgDelphi 3180
#define IDC_lblBuiltWith 3181
#define IDC_lblToolName 3182
#define IDC_lblForDelphi 3183
#define IDC_lblTrademark 3184
/* pictures of the About window: 360 to 399 */
#define IDB_ACKNOWLEDGEMENT 360

/* ---- Preset name dialog (3300-3399); OK and Cancel are IDOK and IDCANCEL ---- */
#define IDC_lblPresetName 3300
#define IDC_edtPresetName 3301
#define IDC_cboPresetName 3302

#endif
