// Sizes at the DPI of a window's monitor. Every window and control is designed at 96 DPI; what it shows is the design
// value times DPI / 96. A control placed from its design rectangle keeps that rectangle, so that a change of DPI (the
// window moved to a monitor with another scaling) lays it out again from the design, not from the last scaled size.
#pragma once

#include <windows.h>

namespace qm {

constexpr int kDesignDpi = 96;

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_DPICHANGED_BEFOREPARENT
#define WM_DPICHANGED_BEFOREPARENT 0x02E2
#endif
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

// A design value (96 DPI) at `dpi`, rounded to the nearest pixel; and back.
inline int Scale(int value, int dpi) { return MulDiv(value, dpi, kDesignDpi); }
inline int Unscale(int value, int dpi) { return MulDiv(value, kDesignDpi, dpi); }

// The DPI that the window is laid out for: the one its top-level window last took (WM_DPICHANGED), else the DPI of its
// monitor where Windows tells it per window (Windows 10 1607 and later), else the system's.
int DpiOf(HWND hwnd);
// The system's DPI (the primary monitor's, as the program started).
int SystemDpi();
// A top-level window records the DPI it has laid itself out for.
void SetLayoutDpi(HWND topLevel, int dpi);

// A control's design rectangle (x, y, width, height at 96 DPI, relative to its parent).
void SetDesignRect(HWND control, int x, int y, int w, int h);
bool GetDesignRect(HWND control, RECT* design);  // left, top, width in right, height in bottom
// Records the design rectangle and moves the control to it at the parent's DPI.
void PlaceDesign(HWND control, int x, int y, int w, int h);

// Lays out every descendant that has a design rectangle again at `dpi`, gives each the same font at that DPI, and tells
// each window of ours (WM_DPICHANGED_AFTERPARENT) so that it drops what it measured at the old DPI.
void RelayoutTree(HWND window, int dpi);

// A top-level window's answer to WM_DPICHANGED: it records the new DPI, takes the suggested rectangle and lays every
// control out again (RelayoutTree). Returns the new DPI.
int ApplyDpiChange(HWND topLevel, WPARAM wp, LPARAM lp);

// The outer size of a top-level window whose client area is the design size at its DPI.
SIZE WindowSizeForClient(int clientW, int clientH, DWORD style, DWORD exStyle, int dpi);
// Sizes a window so that its client area has this size (in pixels), with the frame it has now.
void SetClientSize(HWND hwnd, int w, int h);
// The same metric of the system (SM_CXVSCROLL, ...) at `dpi`.
int MetricForDpi(int index, int dpi);

// The program's icon in the caption and the task bar, at the sizes of this DPI.
void SetWindowIcons(HWND topLevel, int dpi);

// Declares the process aware of each monitor's DPI where the manifest could not (a program started without it).
void EnsureDpiAwareness();

}  // namespace qm
