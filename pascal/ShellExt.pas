{ ShellExt - the shell dialogs that Quillmark's generated code calls and that the Windows units of Delphi and Free
  Pascal do not declare: the Run dialog (SHRunFile), the icon picker (SHPickIcon), the Format dialog (SHFormatDrive)
  and the shell's About box (SHAbout), with the constants that go with them.

  Put this file beside your project (or on its search path) and add ShellExt to the uses clause of the unit that
  holds the generated code. One unit serves the code of every target that Quillmark writes for, in 32-bit and in
  64-bit programs: Delphi up to 2007, Delphi 2009 and later (where Char is two bytes: SHAbout then takes wide
  strings), and Free Pascal and Lazarus (the unit compiles itself in Delphi mode there).

  The Run dialog and the icon picker are exported by shell32.dll under their ordinal numbers only (61 and 62). They
  are looked up the first time they are called, so a program that uses this unit starts on every version of Windows;
  where shell32.dll lacks them, the call does nothing and GetLastError gives ERROR_PROC_NOT_FOUND. On the Windows NT
  family both take their texts as wide (UTF-16) strings, on Windows 95, 98 and Me as ANSI strings: the generated code
  prepares the buffers accordingly (the code for Delphi 2009 and later only the wide ones, as such a program runs on
  the NT family alone) and passes them as untyped pointers.

  Distributed with Quillmark for Delphi under the MIT licence. }

{$IFDEF FPC}
  {$MODE DELPHI}
{$ENDIF}

unit ShellExt;

interface

uses
  Windows;

const
  { Flags of SHRunFile. }
  RFF_NOBROWSE = $0001;       { no Browse button }
  RFF_NODEFAULT = $0002;      { no item selected in the input field at first }
  RFF_CALCDIRECTORY = $0004;  { the working folder is taken from the file that is run }
  RFF_NOLABEL = $0008;        { no label in front of the input field }
  RFF_NOSEPARATEMEM = $0020;  { a 16-bit program does not get a memory space of its own }

  { Capacity ids of SHFormatDrive. }
  SHFMT_ID_DEFAULT = $FFFF;   { the drive's own capacity }

  { Options of SHFormatDrive. }
  SHFMT_OPT_QUICK = $0000;    { quick format: the drive is erased }
  SHFMT_OPT_FULL = $0001;     { full format }
  SHFMT_OPT_SYSONLY = $0002;  { only make the disk a system disk }

  { Results of SHFormatDrive; any other value is the format id of the last successful format. }
  SHFMT_ERROR = DWORD($FFFFFFFF);    { an error occurred, or the last format did not complete }
  SHFMT_CANCEL = DWORD($FFFFFFFE);   { the format was cancelled }
  SHFMT_NOFORMAT = DWORD($FFFFFFFD); { the drive cannot be formatted }

{ Shows the shell's Run dialog (shell32 ordinal 61). Owner: the window that owns the dialog. Icon: the dialog's icon,
  0 for the standard one. Directory: the working folder of what the user runs, or nil. Title, Description: the
  dialog's title and the text above the input field, or nil for the standard ones. Flags: a combination of the RFF_
  constants. Directory, Title and Description are wide strings on the Windows NT family, ANSI strings elsewhere. }
procedure SHRunFile(Owner: HWND; Icon: HICON; Directory, Title, Description: Pointer; Flags: UINT);

{ Shows the shell's icon picker (shell32 ordinal 62). Path: a buffer of PathChars characters holding the file whose
  icons are listed; it receives the file the user picks (wide characters on the Windows NT family, ANSI characters
  elsewhere). IconIndex: the icon selected at first; it receives the index of the icon the user picks. The result is
  positive when the user pressed OK and zero when the picker was cancelled (or shell32 has none); a negative result
  means that the picker could not be shown. }
function SHPickIcon(Owner: HWND; Path: Pointer; PathChars: UINT; var IconIndex: DWORD): Integer;

{ Shows the shell's Format dialog for one drive. Drive: 0 for A, 1 for B and so on. FormatID: SHFMT_ID_DEFAULT or
  the id of a capacity. Options: SHFMT_OPT_QUICK, SHFMT_OPT_FULL or SHFMT_OPT_SYSONLY. The result is one of the
  SHFMT_ results or the format id of the last successful format. }
function SHFormatDrive(Owner: HWND; Drive, FormatID, Options: UINT): DWORD; stdcall;

{ Shows the shell's About box. App: the title and first line; a '#' in it separates the title from the first line.
  OtherStuff: text shown below the system's version and memory lines. Icon: the icon shown, 0 for the Windows one. }
function SHAbout(Owner: HWND; App, OtherStuff: PChar; Icon: HICON): Integer; stdcall;

implementation

const
  Shell32 = 'shell32.dll';
  RunFileOrdinal = 61;
  PickIconOrdinal = 62;

type
  TRunFileDialog = procedure(Owner: HWND; Icon: HICON; Directory, Title, Description: Pointer;
    Flags: UINT); stdcall;
  TPickIconDialog = function(Owner: HWND; Path: Pointer; PathChars: UINT; var IconIndex: DWORD): Integer; stdcall;

var
  ShellModule: HMODULE = 0;
  LoadedShellModule: Boolean = False;

function SHFormatDrive; external Shell32 name 'SHFormatDrive';

{$IFDEF UNICODE}
function SHAbout; external Shell32 name 'ShellAboutW';
{$ELSE}
function SHAbout; external Shell32 name 'ShellAboutA';
{$ENDIF}

{ The address of a function that shell32.dll exports by ordinal only, or nil (with ERROR_PROC_NOT_FOUND). }
function ShellOrdinal(Ordinal: Word): Pointer;
begin
  if ShellModule = 0 then
  begin
    ShellModule := GetModuleHandle(Shell32);
    if ShellModule = 0 then
    begin
      ShellModule := LoadLibrary(Shell32);
      LoadedShellModule := ShellModule <> 0;
    end;
  end;
  Result := nil;
  if ShellModule <> 0 then
    Result := GetProcAddress(ShellModule, {$IFDEF FPC}PAnsiChar(PtrUInt(Ordinal)){$ELSE}MakeIntResourceA(Ordinal){$ENDIF});
  if Result = nil then
    SetLastError(ERROR_PROC_NOT_FOUND);
end;

procedure SHRunFile(Owner: HWND; Icon: HICON; Directory, Title, Description: Pointer; Flags: UINT);
var
  RunFileDialog: TRunFileDialog;
begin
  RunFileDialog := TRunFileDialog(ShellOrdinal(RunFileOrdinal));
  if Assigned(RunFileDialog) then
    RunFileDialog(Owner, Icon, Directory, Title, Description, Flags);
end;

function SHPickIcon(Owner: HWND; Path: Pointer; PathChars: UINT; var IconIndex: DWORD): Integer;
var
  PickIconDialog: TPickIconDialog;
begin
  PickIconDialog := TPickIconDialog(ShellOrdinal(PickIconOrdinal));
  if Assigned(PickIconDialog) then
    Result := PickIconDialog(Owner, Path, PathChars, IconIndex)
  else
    Result := 0;
end;

initialization

finalization
  if LoadedShellModule then
    FreeLibrary(ShellModule);

end.
