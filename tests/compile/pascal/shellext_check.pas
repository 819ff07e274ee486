{ The compile check's test of the ShellExt unit itself, beside the generated code that uses it: the constants keep
  their documented values, and the functions that shell32 exports by ordinal only are found and called (the icon
  picker's result tells a call that reached shell32 from one that did not; Wine's picker fails at once with -1). }
program shellext_check;

uses
  Windows, SysUtils, ShellExt;

procedure Report(const Line: string);
var
  ReportFile: TextFile;
  FileName: string;
begin
  FileName := ChangeFileExt(ParamStr(0), '.out');
  AssignFile(ReportFile, FileName);
  if FileExists(FileName) then
    Append(ReportFile)
  else
    Rewrite(ReportFile);
  WriteLn(ReportFile, Line);
  CloseFile(ReportFile);
end;

var
  Path: array[0..MAX_PATH] of WideChar;
  Index: DWORD;
  Picked: Integer;
begin
  Report(Format('RFF %d %d %d %d %d', [RFF_NOBROWSE, RFF_NODEFAULT, RFF_CALCDIRECTORY, RFF_NOLABEL,
    RFF_NOSEPARATEMEM]));
  Report(Format('SHFMT %d %d %d %d %u %u %u', [SHFMT_ID_DEFAULT, SHFMT_OPT_QUICK, SHFMT_OPT_FULL, SHFMT_OPT_SYSONLY,
    SHFMT_ERROR, SHFMT_CANCEL, SHFMT_NOFORMAT]));
  FillChar(Path, SizeOf(Path), 0);
  StringToWideChar('C:\windows\system32\shell32.dll', Path, Length(Path));
  Index := 2;
  SetLastError(0);
  Picked := SHPickIcon(0, @Path, MAX_PATH, Index);
  if (Picked = 0) and (GetLastError = ERROR_PROC_NOT_FOUND) then
    Report('SHPickIcon was not found in shell32')
  else
    Report(Format('SHPickIcon %d, index %u', [Picked, Index]));
  Report(Format('SHFormatDrive %u', [SHFormatDrive(0, 0, SHFMT_ID_DEFAULT, SHFMT_OPT_QUICK)]));
  Report('done');
end.
