// The clipboard writer when Windows refuses it memory or the clipboard: an error, the clipboard closed again, and
// nothing half written on it.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/clipboard.h"
#include "app/win_util.h"
#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

enum class Refused { Nothing, GlobalAlloc, GlobalLock, SetClipboardData };

// What the injected calls saw; the calls are plain functions, so it is kept here.
struct Seen {
  Refused refused = Refused::Nothing;
  std::vector<HGLOBAL> allocated;
  std::vector<HGLOBAL> freed;
} seen;

HGLOBAL WINAPI Alloc(UINT flags, SIZE_T bytes) {
  if (seen.refused == Refused::GlobalAlloc) return nullptr;
  HGLOBAL h = GlobalAlloc(flags, bytes);
  seen.allocated.push_back(h);
  return h;
}
LPVOID WINAPI Lock(HGLOBAL h) { return seen.refused == Refused::GlobalLock ? nullptr : GlobalLock(h); }
HGLOBAL WINAPI Free(HGLOBAL h) {
  seen.freed.push_back(h);
  return GlobalFree(h);
}
HANDLE WINAPI SetData(UINT format, HANDLE h) {
  return seen.refused == Refused::SetClipboardData ? nullptr : SetClipboardData(format, h);
}

struct Case {
  const char* name;
  Refused refused;
  const char* error;      // null: no error
  const char* clipboard;  // what the clipboard holds afterwards
};

class ClipboardWriter : public ::testing::TestWithParam<Case> {};

TEST_P(ClipboardWriter, AFailedCallIsAnErrorThatClosesTheClipboardAndFreesTheText) {
  const Case& c = GetParam();
  seen = Seen{c.refused, {}, {}};
  qm::ClipboardCalls calls = qm::SystemClipboard();
  calls.globalAlloc = Alloc;
  calls.globalLock = Lock;
  calls.globalFree = Free;
  calls.setClipboardData = SetData;
  // An owner of its own: while the writer still had the clipboard open, nobody else could open it.
  HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_TRUE(owner);
  PutClipboard("before");

  std::string error;
  try {
    qm::PutClipboardText(owner, "new text", calls);
  } catch (const qm::AppError& e) {
    error = e.what();
  }
  EXPECT_EQ(error, c.error ? c.error : "");
  ASSERT_TRUE(OpenClipboard(nullptr)) << "the writer left the clipboard open";
  CloseClipboard();
  EXPECT_EQ(ClipboardText(), c.clipboard);
  // The memory is freed exactly when the clipboard did not take it.
  std::sort(seen.freed.begin(), seen.freed.end());
  std::sort(seen.allocated.begin(), seen.allocated.end());
  EXPECT_EQ(seen.freed, c.refused == Refused::Nothing ? std::vector<HGLOBAL>{} : seen.allocated);
  DestroyWindow(owner);
}

INSTANTIATE_TEST_SUITE_P(, ClipboardWriter,
                         ::testing::Values(Case{"Written", Refused::Nothing, nullptr, "new text"},
                                           Case{"NoMemory", Refused::GlobalAlloc, "Out of memory", "before"},
                                           Case{"NoLock", Refused::GlobalLock, "Out of memory", "before"},
                                           Case{"NotTaken", Refused::SetClipboardData,
                                                "Cannot write to the clipboard", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
