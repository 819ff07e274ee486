{ DelphiCompat - the Windows functions whose Free Pascal declarations take a pointer where Delphi's take the record
  itself as a var or const parameter (GetOpenFileName, GetSaveFileName, ChooseColor, ChooseFont, PrintDlg,
  SHBrowseForFolder, SHFileOperation), declared again with Delphi's parameter lists. A program of a Delphi target
  names this unit after CommDlg, ShellAPI and ShlObj, so that these declarations are the ones its code finds.

  Compiled as it stands, the declarations name the ANSI entry points, as the declarations of Delphi up to 2007 do.
  Compiled with FPC_OS_UNICODE (beside the Windows units built that way) it stands for Delphi 2009 and later: the
  declarations name the wide entry points, and Win32Platform, which Free Pascal's SysUtils leaves unset in that
  build, tells the NT family, as it does on every system that a Unicode Delphi program runs on. }

unit DelphiCompat;

{$IFDEF FPC_OS_UNICODE}
  {$MODE DELPHIUNICODE}
{$ELSE}
  {$MODE DELPHI}
{$ENDIF}

interface

uses
  Windows, SysUtils, CommDlg, ShellAPI, ShlObj;

function GetOpenFileName(var OpenFile: TOpenFileName): Bool; stdcall;
function GetSaveFileName(var OpenFile: TOpenFileName): Bool; stdcall;
function ChooseColor(var CC: TChooseColor): Bool; stdcall;
function ChooseFont(var ChooseFont: TChooseFont): Bool; stdcall;
function PrintDlg(var PrintDlg: TPrintDlg): Bool; stdcall;
function SHBrowseForFolder(var lpbi: TBrowseInfo): PItemIDList; stdcall;
function SHFileOperation(const lpFileOp: TSHFileOpStruct): Integer; stdcall;

implementation

{$IFDEF FPC_OS_UNICODE}
function GetOpenFileName; external 'comdlg32.dll' name 'GetOpenFileNameW';
function GetSaveFileName; external 'comdlg32.dll' name 'GetSaveFileNameW';
function ChooseColor; external 'comdlg32.dll' name 'ChooseColorW';
function ChooseFont; external 'comdlg32.dll' name 'ChooseFontW';
function PrintDlg; external 'comdlg32.dll' name 'PrintDlgW';
function SHBrowseForFolder; external 'shell32.dll' name 'SHBrowseForFolderW';
function SHFileOperation; external 'shell32.dll' name 'SHFileOperationW';
{$ELSE}
function GetOpenFileName; external 'comdlg32.dll' name 'GetOpenFileNameA';
function GetSaveFileName; external 'comdlg32.dll' name 'GetSaveFileNameA';
function ChooseColor; external 'comdlg32.dll' name 'ChooseColorA';
function ChooseFont; external 'comdlg32.dll' name 'ChooseFontA';
function PrintDlg; external 'comdlg32.dll' name 'PrintDlgA';
function SHBrowseForFolder; external 'shell32.dll' name 'SHBrowseForFolderA';
function SHFileOperation; external 'shell32.dll' name 'SHFileOperationA';
{$ENDIF}

{$IFDEF FPC_OS_UNICODE}
initialization
  Win32Platform := VER_PLATFORM_WIN32_NT;
{$ENDIF}

end.
