{ FormCompat - what the compile check's programs take from a Delphi form unit, for Free Pascal in Delphi mode.

  The generated code is written for a method of a Delphi form. This unit stands in for the little of Delphi's
  Graphics, Controls and Forms units that the code uses: the form's Handle, Application.Handle and
  Application.Icon.Handle, TFont with its Charset, Color, Height, Name, Pitch and Style, and the types TColor,
  TFontPitch, TFontStyle and TFontStyles.

  It also declares the Windows functions whose Free Pascal declarations take a pointer where Delphi's take the record
  itself as a var or const parameter (GetOpenFileName, GetSaveFileName, ChooseColor, ChooseFont, PrintDlg,
  SHBrowseForFolder, SHFileOperation), with Delphi's parameter lists and the ANSI entry points that Delphi's
  declarations name. A program names this unit after CommDlg, ShellAPI and ShlObj, so that these declarations are
  the ones its code finds. }

unit FormCompat;

{$MODE DELPHI}

interface

uses
  Windows, CommDlg, ShellAPI, ShlObj;

type
  TColor = -$7FFFFFFF - 1..$7FFFFFFF;

const
  clBlack = TColor($000000);
  clMaroon = TColor($000080);
  clGreen = TColor($008000);
  clNavy = TColor($800000);
  clRed = TColor($0000FF);
  clLime = TColor($00FF00);
  clBlue = TColor($FF0000);
  clWhite = TColor($FFFFFF);
  clWindowText = TColor(COLOR_WINDOWTEXT or $80000000);

type
  TFontPitch = (fpDefault, fpVariable, fpFixed);
  TFontStyle = (fsBold, fsItalic, fsUnderline, fsStrikeOut);
  TFontStyles = set of TFontStyle;
  TFontCharset = 0..255;
  TFontName = string;

  { A font description, as a Delphi TFont holds one: created with Delphi's start values. }
  TFont = class
  private
    FCharset: TFontCharset;
    FColor: TColor;
    FHeight: Integer;
    FName: TFontName;
    FPitch: TFontPitch;
    FStyle: TFontStyles;
  public
    constructor Create;
    property Charset: TFontCharset read FCharset write FCharset;
    property Color: TColor read FColor write FColor;
    property Height: Integer read FHeight write FHeight;
    property Name: TFontName read FName write FName;
    property Pitch: TFontPitch read FPitch write FPitch;
    property Style: TFontStyles read FStyle write FStyle;
  end;

  TIcon = class
  private
    FHandle: HICON;
  public
    property Handle: HICON read FHandle;
  end;

  { The application object: a hidden top-level window of its own, and the program's icon. }
  TApplication = class
  private
    FHandle: HWND;
    FIcon: TIcon;
  public
    constructor Create;
    destructor Destroy; override;
    property Handle: HWND read FHandle;
    property Icon: TIcon read FIcon;
  end;

  { A form: a visible top-level window whose Handle owns the dialogs that the code shows. }
  TForm = class
  private
    FHandle: HWND;
  public
    constructor Create; virtual;
    destructor Destroy; override;
    property Handle: HWND read FHandle;
  end;

var
  Application: TApplication;

function GetOpenFileName(var OpenFile: TOpenFileName): Bool; stdcall;
function GetSaveFileName(var OpenFile: TOpenFileName): Bool; stdcall;
function ChooseColor(var CC: TChooseColor): Bool; stdcall;
function ChooseFont(var ChooseFont: TChooseFont): Bool; stdcall;
function PrintDlg(var PrintDlg: TPrintDlg): Bool; stdcall;
function SHBrowseForFolder(var lpbi: TBrowseInfo): PItemIDList; stdcall;
function SHFileOperation(const lpFileOp: TSHFileOpStruct): Integer; stdcall;

implementation

const
  AppWindowClass = 'TQmCompatApplication';
  FormWindowClass = 'TQmCompatForm';

function GetOpenFileName; external 'comdlg32.dll' name 'GetOpenFileNameA';
function GetSaveFileName; external 'comdlg32.dll' name 'GetSaveFileNameA';
function ChooseColor; external 'comdlg32.dll' name 'ChooseColorA';
function ChooseFont; external 'comdlg32.dll' name 'ChooseFontA';
function PrintDlg; external 'comdlg32.dll' name 'PrintDlgA';
function SHBrowseForFolder; external 'shell32.dll' name 'SHBrowseForFolderA';
function SHFileOperation; external 'shell32.dll' name 'SHFileOperationA';

function CompatWindowProc(Wnd: HWND; Msg: UINT; WParam: WPARAM; LParam: LPARAM): LRESULT; stdcall;
begin
  Result := DefWindowProc(Wnd, Msg, WParam, LParam);
end;

procedure RegisterCompatClass(const ClassName: PChar; Icon: HICON);
var
  WindowClass: TWndClass;
begin
  WindowClass := Default(TWndClass);
  WindowClass.lpfnWndProc := @CompatWindowProc;
  WindowClass.hInstance := HInstance;
  WindowClass.hIcon := Icon;
  WindowClass.hCursor := LoadCursor(0, IDC_ARROW);
  WindowClass.hbrBackground := COLOR_BTNFACE + 1;
  WindowClass.lpszClassName := ClassName;
  Windows.RegisterClass(WindowClass);
end;

{ TFont }

constructor TFont.Create;
begin
  inherited Create;
  FCharset := DEFAULT_CHARSET;
  FColor := clWindowText;
  FHeight := -11;
  FName := 'MS Sans Serif';
  FPitch := fpDefault;
  FStyle := [];
end;

{ TApplication }

constructor TApplication.Create;
begin
  inherited Create;
  FIcon := TIcon.Create;
  FIcon.FHandle := LoadIcon(0, IDI_APPLICATION);
  RegisterCompatClass(AppWindowClass, FIcon.FHandle);
  RegisterCompatClass(FormWindowClass, FIcon.FHandle);
  FHandle := CreateWindowEx(0, AppWindowClass, 'Project1', WS_POPUP or WS_CAPTION or WS_CLIPSIBLINGS
    or WS_SYSMENU or WS_MINIMIZEBOX, 0, 0, 0, 0, 0, 0, HInstance, nil);
end;

destructor TApplication.Destroy;
begin
  if FHandle <> 0 then
    DestroyWindow(FHandle);
  FIcon.Free;
  inherited Destroy;
end;

{ TForm }

constructor TForm.Create;
begin
  inherited Create;
  FHandle := CreateWindowEx(0, FormWindowClass, 'Form1', WS_OVERLAPPEDWINDOW or WS_VISIBLE, 40, 40, 320, 200,
    Application.Handle, 0, HInstance, nil);
end;

destructor TForm.Destroy;
begin
  if FHandle <> 0 then
    DestroyWindow(FHandle);
  inherited Destroy;
end;

initialization
  Application := TApplication.Create;

finalization
  Application.Free;

end.
