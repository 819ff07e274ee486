{ FormStandIn - what the compile check's programs take from the form units of Delphi (Graphics, Controls, Forms) or
  of Lazarus, whose code runs in a method of a form.

  The generated code uses little of them: the form's Handle, Application.Handle and Application.Icon.Handle, TFont
  with its Charset, Color, Height, Name, Pitch and Style, and the types TColor, TFontPitch, TFontStyle and
  TFontStyles. It declares nothing of Windows itself, so that the programs of the Free Pascal target meet Free
  Pascal's own Windows units alone.

  Compiled with FPC_OS_UNICODE (beside the Windows units built that way) it is a unit of Delphi 2009 and later: Char
  is two bytes and string is Unicode. }

unit FormStandIn;

{$IFDEF FPC_OS_UNICODE}
  {$MODE DELPHIUNICODE}
{$ELSE}
  {$MODE DELPHI}
{$ENDIF}

interface

uses
  Windows;

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

implementation

const
  AppWindowClass = 'TQmCompatApplication';
  FormWindowClass = 'TQmCompatForm';

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
