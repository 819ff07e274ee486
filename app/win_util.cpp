#include "app/win_util.h"

#include <functional>
#include <map>
#include <unordered_map>
#include <vector>

#include "app/text.h"
#include "resource.h"
#include "texts.h"

namespace qm {

std::string LoadStr(UINT id) {
  // With a buffer size of 0 Windows hands out a pointer to the resource's own text.
  const wchar_t* text = nullptr;
  const int n = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
  return n > 0 && text ? Utf8(std::wstring_view(text, static_cast<std::size_t>(n))) : std::string();
}

FrameTexts LoadFrameTexts() {
  FrameTexts texts{LoadStr(IDS_HEADER1), LoadStr(IDS_HEADER2), LoadStr(IDS_HEADER3), LoadStr(IDS_FOOTER)};
  texts.header1Unicode = LoadStr(IDS_HEADER1_DELPHI2009);
  texts.header1FreePascal = LoadStr(IDS_HEADER1_FPC);
  return texts;
}

std::string GetText(HWND hwnd) {
  const int n = GetWindowTextLengthW(hwnd);
  if (n <= 0) return {};
  std::wstring s(static_cast<std::size_t>(n) + 1, L'\0');
  const int got = GetWindowTextW(hwnd, s.data(), n + 1);
  s.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return Utf8(s);
}

void SetText(HWND hwnd, const std::string& text) { SetWindowTextW(hwnd, Wide(text).c_str()); }

Lines MemoLines(HWND edit) {
  Lines lines;
  int count = static_cast<int>(SendMessageW(edit, EM_GETLINECOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    int start = static_cast<int>(SendMessageW(edit, EM_LINEINDEX, i, 0));
    int length = start < 0 ? 0 : static_cast<int>(SendMessageW(edit, EM_LINELENGTH, start, 0));
    std::string line;
    if (length > 0) {
      // EM_GETLINE wants the buffer size in characters in its first word and writes no NUL.
      std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 2, L'\0');
      const WORD size = static_cast<WORD>(length > 0xFFFF ? 0xFFFF : length);
      memcpy(buffer.data(), &size, sizeof size);
      const int got = static_cast<int>(SendMessageW(edit, EM_GETLINE, i, reinterpret_cast<LPARAM>(buffer.data())));
      line = Utf8(std::wstring_view(buffer.data(), static_cast<std::size_t>(got > 0 ? got : 0)));
    }
    lines.push_back(std::move(line));
  }
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

bool IsChecked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void SetChecked(HWND button, bool checked) {
  SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
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

}  // namespace

bool IsWindowClass(HWND hwnd, const wchar_t* name) {
  wchar_t actual[32] = {};
  return GetClassNameW(hwnd, actual, 32) > 0 && lstrcmpiW(actual, name) == 0;
}

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
  static const HMODULE shell = LoadLibraryW(L"shell32.dll");
  return shell;
}

std::string ProgramFolder() {
  // A long path: the program may stand in a folder deeper than MAX_PATH.
  std::wstring path(32768, L'\0');
  const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  const std::string s = Utf8(std::wstring_view(path.data(), n < path.size() ? n : 0));
  auto slash = s.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : s.substr(0, slash + 1);
}

}  // namespace qm
