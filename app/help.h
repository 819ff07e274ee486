// The help document beside the program, and the "What's this?" popups.
#pragma once

#include <windows.h>

#include <string>

namespace qm {

// The help document: Quillmark.html in the program's folder.
std::string HelpDocumentPath();

// Opens the help document with the shell, at the topic of the help context (1: its contents). A missing document or
// one that no program can open throws AppError with a message that says so.
void OpenHelp(HWND owner, int context);

// Answers WM_HELP: shows a short popup describing the control the user asked about (the caption's "?" button, or F1
// on the focused control). The popup closes at the next click or key press.
void ShowContextHelp(HWND owner, const HELPINFO* info);

}  // namespace qm
