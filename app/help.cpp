#include "app/help.h"

#include <shellapi.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <utility>

#include "app/help_core.h"
#include "app/text.h"
#include "app/dpi.h"
#include "app/gdi_cache.h"
#include "app/win_util.h"
#include "app/window.h"

namespace qm {

std::string HelpDocumentPath() { return ProgramFolder() + "Quillmark.html"; }

namespace {

std::string ShellErrorText(INT_PTR code) {
  switch (code) {
    case 0:
    case SE_ERR_OOM: return "there is not enough memory";
    case SE_ERR_FNF:
    case SE_ERR_PNF: return "Windows cannot find it";
    case SE_ERR_ACCESSDENIED:
    case SE_ERR_SHARE: return "access to it was denied";
    case SE_ERR_NOASSOC:
    case SE_ERR_ASSOCINCOMPLETE: return "no program is registered to open HTML documents";
    default: {
      std::string text = "Windows reported error ";
      return text.append(std::to_string(static_cast<long long>(code)));
    }
  }
}

bool IsPlainAscii(const std::string& s) {
  for (unsigned char c : s)
    if (c >= 0x80) return false;
  return true;
}

// A file URL of the document at one of its anchors.
std::string FileUrl(const std::string& path, const std::string& anchor) {
  std::string url = "file:///";
  for (unsigned char c : path) {
    if (c == '\\') {
      url += '/';
    } else if (std::isalnum(c) || std::strchr("/:-._~", c)) {
      url += static_cast<char>(c);
    } else {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", c);
      url += hex;
    }
  }
  return url + "#" + anchor;
}

}  // namespace

void OpenHelp(HWND owner, int context) {
  const std::string path = HelpDocumentPath();
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
    throw AppError("The help document " + path + " cannot be found");

  const std::string anchor = HelpAnchor(context);
  EnsureOle();
  INT_PTR result = 0;
  const std::wstring widePath = Wide(path);
  wchar_t browser[MAX_PATH + 1] = {};
  if (!anchor.empty() && IsPlainAscii(path) &&
      reinterpret_cast<INT_PTR>(FindExecutableW(widePath.c_str(), nullptr, browser)) > 32) {
    // The shell's own "open" of a document drops an anchor; a browser keeps the one of a URL on its command line.
    std::string url = "\"";
    url.append(FileUrl(path, anchor)).append("\"");
    result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(owner, L"open", browser, Wide(url).c_str(), nullptr, SW_SHOWNORMAL));
  } else {
    result = reinterpret_cast<INT_PTR>(ShellExecuteW(owner, L"open", widePath.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  }
  if (result == SE_ERR_NOASSOC) {
    // No program claims the extension (a fresh Wine prefix, for one); the class of HTML documents may still have one.
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_CLASSNAME | SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = L"open";
    info.lpFile = widePath.c_str();
    info.lpClass = L"htmlfile";
    info.nShow = SW_SHOWNORMAL;
    if (ShellExecuteExW(&info)) result = 33;
  }
  if (result <= 32) throw AppError("Cannot open the help document " + path + ": " + ShellErrorText(result));
}

// ---- "What's this?" ----

namespace {

const WindowClass kPopupClass{L"QmWhatsThis", CS_DROPSHADOW | CS_SAVEBITS};
constexpr int kPopupTextWidth = 280;
constexpr int kPaddingX = 6;
constexpr int kPaddingY = 5;

HWND g_popup = nullptr;
HWND g_returnFocus = nullptr;

std::string ClassName(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return Utf8(name);
}

bool IsGroupBox(HWND hwnd) {
  return lstrcmpiA(ClassName(hwnd).c_str(), "Button") == 0 &&
         (GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

long long Area(const RECT& r) {
  return static_cast<long long>(r.right - r.left) * (r.bottom - r.top);
}

// The visible child of parent under the screen point: the smallest one that is not a group box, else the smallest
// group box. Group boxes let clicks through to their panel, so the window Windows names is often the panel.
HWND ChildAt(HWND parent, POINT point) {
  HWND best = nullptr;
  bool bestIsGroup = true;
  long long bestArea = 0;
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (!IsWindowVisible(c)) continue;
    RECT r;
    GetWindowRect(c, &r);
    if (!PtInRect(&r, point)) continue;
    const bool group = IsGroupBox(c);
    const long long area = Area(r);
    if (!best || (bestIsGroup && !group) || (bestIsGroup == group && area < bestArea)) {
      best = c;
      bestIsGroup = group;
      bestArea = area;
    }
  }
  return best;
}

// The topic of the smallest group box, among the control's siblings, that surrounds the control.
int EnclosingGroupContext(HWND control) {
  HWND parent = GetParent(control);
  if (!parent) return 0;
  RECT own;
  GetWindowRect(control, &own);
  const POINT centre{(own.left + own.right) / 2, (own.top + own.bottom) / 2};
  int context = 0;
  long long area = 0;
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (c == control || !IsGroupBox(c)) continue;
    RECT r;
    GetWindowRect(c, &r);
    if (!PtInRect(&r, centre)) continue;
    const int topic = HelpContextOfControl(GetDlgCtrlID(c));
    if (topic && (!context || Area(r) < area)) {
      context = topic;
      area = Area(r);
    }
  }
  return context;
}

// The control's own topic, else that of the group box around it, else that of its panel, up to the window's.
int ContextOfWindow(HWND hwnd) {
  for (HWND w = hwnd; w; w = GetParent(w)) {
    if (!(GetWindowLongW(w, GWL_STYLE) & WS_CHILD)) return HelpContextOfWindowClass(ClassName(w));
    if (const DWORD id = GetWindowContextHelpId(w)) return static_cast<int>(id);
    if (const int context = HelpContextOfControl(GetDlgCtrlID(w))) return context;
    if (const int context = EnclosingGroupContext(w)) return context;
  }
  return 0;
}

void ClosePopup(bool restoreFocus) {
  HWND popup = std::exchange(g_popup, nullptr);
  HWND back = std::exchange(g_returnFocus, nullptr);
  if (!popup) return;
  const bool wasActive = GetActiveWindow() == popup;
  DestroyWindow(popup);
  // The key or click that closed the popup hands the keyboard back to the control that had it.
  if (restoreFocus && wasActive && back && IsWindow(back) && IsWindowVisible(back) && IsWindowEnabled(back))
    SetFocus(back);
}

// The popup lives as long as its window; g_popup names the one that shows.
class Popup : public Window {
 public:
  Popup() : Window(Lifetime::OwnedByWindow) {}
  HWND Make(const std::string& text, int x, int y, int w, int h, HWND owner) {
    return Create(kPopupClass, WS_EX_TOOLWINDOW, text.c_str(), WS_POPUP | WS_BORDER, x, y, w, h, owner, nullptr);
  }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    switch (msg) {
      case WM_PAINT:
        Paint();
        return 0;
      case WM_KEYDOWN:
      case WM_SYSKEYDOWN:
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN:
        if (hwnd() == g_popup) ClosePopup(true);
        return 0;
      case WM_ACTIVATE:
        // A click elsewhere takes the activation away: the popup goes, the click goes where it was aimed.
        if (LOWORD(wp) == WA_INACTIVE) PostMessageW(hwnd(), WM_CLOSE, 0, 0);
        break;
      case WM_CLOSE:
        if (hwnd() == g_popup) ClosePopup(false);
        else DestroyWindow(hwnd());
        return 0;
      case WM_NCDESTROY:
        if (hwnd() == g_popup) g_popup = nullptr;
        break;
      default:
        break;
    }
    return Default(msg, wp, lp);
  }

 private:
  void Paint() {
    ScopedPaint paint(hwnd());
    HDC dc = paint.dc();
    RECT r = paint.client();
    FillRect(dc, &r, GetSysColorBrush(COLOR_INFOBK));
    const std::string text = GetText(hwnd());
    const int dpi = DpiOf(hwnd());
    ScopedSelectObject font(dc, FormFont(dpi));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    InflateRect(&r, -Scale(kPaddingX, dpi), -Scale(kPaddingY, dpi));
    DrawTextW(dc, Wide(text).c_str(), -1, &r, DT_WORDBREAK | DT_NOPREFIX);
  }
};

void ShowPopup(HWND anchor, POINT at, bool belowAnchor, const std::string& text) {
  // At the scaling of the window it explains.
  const int dpi = DpiOf(anchor);
  RECT textRect{0, 0, Scale(kPopupTextWidth, dpi), 0};
  {
    ScopedGetDC dc(nullptr);
    ScopedSelectObject font(dc.get(), FormFont(dpi));
    DrawTextW(dc.get(), Wide(text).c_str(), -1, &textRect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  }
  RECT frame{0, 0, textRect.right + 2 * Scale(kPaddingX, dpi), textRect.bottom + 2 * Scale(kPaddingY, dpi)};
  AdjustWindowRectEx(&frame, WS_POPUP | WS_BORDER, FALSE, WS_EX_TOOLWINDOW);
  const int w = frame.right - frame.left;
  const int h = frame.bottom - frame.top;

  RECT anchorRect;
  GetWindowRect(anchor, &anchorRect);
  int x = at.x;
  int y = at.y;
  if (belowAnchor) {
    x = anchorRect.left + Scale(8, dpi);
    y = anchorRect.bottom + Scale(2, dpi);
  }
  // Keep the whole popup on the monitor of the control.
  MONITORINFO mi{};
  mi.cbSize = sizeof mi;
  if (GetMonitorInfoW(MonitorFromRect(&anchorRect, MONITOR_DEFAULTTONEAREST), &mi)) {
    const RECT& work = mi.rcWork;
    if (x + w > work.right) x = work.right - w;
    if (x < work.left) x = work.left;
    if (y + h > work.bottom) y = (belowAnchor ? anchorRect.top - 2 : at.y) - h;
    if (y < work.top) y = work.top;
  }

  g_returnFocus = GetFocus();
  g_popup = (new Popup)->Make(text, x, y, w, h, GetAncestor(anchor, GA_ROOT));
  if (!g_popup) {
    g_returnFocus = nullptr;
    return;
  }
  ShowWindow(g_popup, SW_SHOW);
  SetFocus(g_popup);
}

}  // namespace

void ShowContextHelp(HWND owner, const HELPINFO* info) {
  ClosePopup(false);
  if (!info || info->iContextType != HELPINFO_WINDOW) return;  // menus have no topics
  HWND item = static_cast<HWND>(info->hItemHandle);
  if (!item || !IsWindow(item)) item = owner;
  if (!item) return;

  // The "?" button names the window under the cursor, which is the panel when the cursor is over a group box or a
  // disabled control: look for the control itself there.
  const POINT point = info->MousePos;
  RECT itemRect;
  GetWindowRect(item, &itemRect);
  const bool underCursor = PtInRect(&itemRect, point) != FALSE;
  HWND control = item;
  if (underCursor) {
    while (HWND child = ChildAt(control, point)) control = child;
  }

  const int context = ContextOfWindow(control);
  std::string text = context ? LoadStr(static_cast<UINT>(context)) : std::string();
  if (text.empty()) text = kNoHelpTopic;
  ShowPopup(control, point, !underCursor, text);
}

}  // namespace qm
