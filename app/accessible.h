// Names that screen readers read. Windows' accessible objects name a button or a label by its text and an edit by the
// label right before it; a control whose text says nothing (a kind button shows only a picture, a code pane holds
// code, a combo box or a grid holds values) gets its name here. The control then answers WM_GETOBJECT(OBJID_CLIENT)
// with Windows' own object for it, named: oleacc.dll loads only when a screen reader asks.
#pragma once

#include <windows.h>

#include <string>

namespace qm {

void SetAccessibleName(HWND control, const std::string& name);
// A window of ours answers WM_GETOBJECT with this (0: it has no name given, Windows' own object answers) and forgets
// its name at WM_NCDESTROY; other controls are subclassed for it.
LRESULT NamedObject(HWND window, WPARAM wp, LPARAM lp);
void ForgetAccessibleName(HWND window);
// What a label says as a name: without "&", the blanks before it and the blanks and colons after it.
std::string LabelName(const std::string& labelText);
// What the user knows a field by: the label right before it, or else the group box around it; "" when neither.
std::string FieldLabel(HWND field);
// Names the control after its field label, when it has one.
void NameAfterLabel(HWND control);
// Names every control below `root` that Windows would leave unnamed or name by its value: after its field label (the
// edit of a combo box or grid and the arrows of a spin edit after their field's), else after the nearest label
// before it (a picture, a button that browses for the field before it).
void NameControls(HWND root);

}  // namespace qm
