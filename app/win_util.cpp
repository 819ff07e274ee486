#include "app/win_util.h"

#include <functional>
#include <map>
#include <unordered_map>
#include <vector>

#include "resource.h"
#include "texts.h"

namespace qm {

void ShowAppError(HWND owner, const std::string& message) {
  std::string text = message + ".";
  MessageBoxA(owner, text.c_str(), "Quillmark", MB_OK | MB_ICONERROR);
}

std::string LoadStr(UINT id) {
  char buffer[1024];
  int n = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
  return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

FrameTexts LoadFrameTexts() {
  return {LoadStr(IDS_HEADER1), LoadStr(IDS_HEADER2), LoadStr(IDS_HEADER3), LoadStr(IDS_FOOTER)};
}

std::string GetText(HWND hwnd) {
  int n = GetWindowTextLengthA(hwnd);
  if (n <= 0) return {};
  std::string s(static_cast<std::size_t>(n) + 1, '\0');
  int got = GetWindowTextA(hwnd, s.data(), n + 1);
  s.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return s;
}

void SetText(HWND hwnd, const std::string& text) { SetWindowTextA(hwnd, text.c_str()); }

Lines MemoLines(HWND edit) {
  Lines lines;
  int count = static_cast<int>(SendMessageA(edit, EM_GETLINECOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    int start = static_cast<int>(SendMessageA(edit, EM_LINEINDEX, i, 0));
    int length = start < 0 ? 0 : static_cast<int>(SendMessageA(edit, EM_LINELENGTH, start, 0));
    std::string line;
    if (length > 0) {
      // EM_GETLINE wants the buffer size in its first word and writes no NUL.
      std::vector<char> buffer(static_cast<std::size_t>(length) + 2, '\0');
      WORD size = static_cast<WORD>(length > 0xFFFF ? 0xFFFF : length);
      memcpy(buffer.data(), &size, sizeof size);
      int got = static_cast<int>(SendMessageA(edit, EM_GETLINE, i, reinterpret_cast<LPARAM>(buffer.data())));
      line.assign(buffer.data(), static_cast<std::size_t>(got > 0 ? got : 0));
    }
    lines.push_back(std::move(line));
  }
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

bool IsChecked(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void SetChecked(HWND button, bool checked) {
  SendMessageA(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

namespace {
struct FindData {
  int id;
  HWND found;
};
BOOL CALLBACK FindChild(HWND hwnd, LPARAM param) {
  auto* d = reinterpret_cast<FindData*>(param);
  if (GetDlgCtrlID(hwnd) == d->id) {
    d->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

// Commands read their controls by id over and over. Every look at a window list is a round trip to Wine's server,
// so a control once found is remembered by the window it was looked for in and its id.
struct FoundKey {
  HWND root;
  int id;
  bool operator==(const FoundKey& o) const { return root == o.root && id == o.id; }
};
struct FoundKeyHash {
  std::size_t operator()(const FoundKey& k) const {
    return std::hash<const void*>()(k.root) ^ (static_cast<std::size_t>(k.id) * 0x9E3779B97F4A7C15ull);
  }
};
std::unordered_map<FoundKey, HWND, FoundKeyHash>& FoundControls() {
  static std::unordered_map<FoundKey, HWND, FoundKeyHash> found;
  return found;
}

HFONT MakeFont(const char* face, int height, int weight, BYTE charset) {
  return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}
}  // namespace

HWND FindControl(HWND root, int id) {
  // A remembered control is taken again only while it is still that window's control with that id, which asks
  // nothing of the server for a window of this program.
  auto& found = FoundControls();
  const FoundKey key{root, id};
  const auto it = found.find(key);
  if (it != found.end()) {
    HWND known = it->second;
    if (IsWindow(known) && GetDlgCtrlID(known) == id && IsChild(root, known)) return known;
    found.erase(it);
  }
  // A kind panel's controls are its direct children: GetDlgItem finds them with one look at the window list, where
  // searching the whole tree asks the server once for every window below root.
  HWND control = GetDlgItem(root, id);
  if (!control) {
    FindData d{id, nullptr};
    EnumChildWindows(root, FindChild, reinterpret_cast<LPARAM>(&d));
    control = d.found;
  }
  if (!control) return nullptr;
  if (found.size() >= 4096) {
    // Windows that went without forgetting their controls leave their entries behind: drop those.
    std::erase_if(found, [](const auto& entry) { return !IsWindow(entry.second); });
  }
  found[key] = control;
  return control;
}

void ForgetControls(HWND root) {
  std::erase_if(FoundControls(), [root](const auto& entry) { return entry.first.root == root; });
}

HFONT FormFont() {
  static HFONT font = MakeFont("MS Sans Serif", -11, FW_NORMAL, DEFAULT_CHARSET);
  return font;
}

HFONT BoldFont(int height) {
  static std::map<int, HFONT> fonts;
  auto& f = fonts[height];
  if (!f) f = MakeFont("MS Sans Serif", height, FW_BOLD, DEFAULT_CHARSET);
  return f;
}

HFONT CodeFont() {
  // Fixed pitch: where "Courier New" is missing, Windows picks another fixed-pitch face, not a proportional one.
  static HFONT font = CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Courier New");
  return font;
}

HBITMAP Picture(int id) {
  static std::map<int, HBITMAP> pictures;
  auto& b = pictures[id];
  if (!b) b = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0,
                                              LR_CREATEDIBSECTION));
  return b;
}

void DrawPicture(HDC dc, HBITMAP picture, int x, int y, bool disabled) {
  if (!picture) return;
  BITMAP bm{};
  GetObject(picture, sizeof bm, &bm);
  HDC mem = CreateCompatibleDC(dc);
  {
    ScopedSelectObject sel(mem, picture);
    if (disabled) {
      // A disabled glyph: its shape in the shadow colour, as Windows greys out pictures.
      HDC mono = CreateCompatibleDC(dc);
      ScopedGdiObj mask(CreateBitmap(bm.bmWidth, bm.bmHeight, 1, 1, nullptr));
      {
        ScopedSelectObject selMask(mono, mask.get());
        SetBkColor(mem, RGB(255, 0, 255));
        BitBlt(mono, 0, 0, bm.bmWidth, bm.bmHeight, mem, 0, 0, SRCCOPY);
        ScopedGdiObj shadow(CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)));
        ScopedSelectObject selBrush(dc, shadow.get());
        SetBkColor(dc, RGB(255, 255, 255));
        SetTextColor(dc, RGB(0, 0, 0));
        // Paint the brush where the mask is black (the picture), keep the background where it is white.
        BitBlt(dc, x, y, bm.bmWidth, bm.bmHeight, mono, 0, 0, 0x00B8074A);
      }
      DeleteDC(mono);
    } else {
      TransparentBlt(dc, x, y, bm.bmWidth, bm.bmHeight, mem, 0, 0, bm.bmWidth, bm.bmHeight, RGB(255, 0, 255));
    }
  }
  DeleteDC(mem);
}

namespace {
bool oleStarted = false;
}  // namespace

void EnsureOle() {
  if (!oleStarted) oleStarted = SUCCEEDED(OleInitialize(nullptr));
}

void EndOle() {
  if (oleStarted) OleUninitialize();
  oleStarted = false;
}

HMODULE ShellModule() {
  static const HMODULE shell = LoadLibraryA("shell32.dll");
  return shell;
}

std::string ProgramFolder() {
  char path[MAX_PATH + 1] = {};
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s(path, n);
  auto slash = s.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : s.substr(0, slash + 1);
}

}  // namespace qm
