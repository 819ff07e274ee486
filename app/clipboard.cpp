#include "app/clipboard.h"

#include <cstring>
#include <utility>

#include "app/win_util.h"
#include "resource.h"

namespace qm {

namespace {

// Global memory freed through the writer's calls, unless the clipboard has taken it.
class Memory {
 public:
  Memory(const ClipboardCalls& calls, SIZE_T bytes) : calls_(calls), h_(calls.globalAlloc(GMEM_MOVEABLE, bytes)) {}
  ~Memory() {
    if (h_) calls_.globalFree(h_);
  }
  Memory(const Memory&) = delete;
  Memory& operator=(const Memory&) = delete;
  HGLOBAL get() const { return h_; }
  void release() { h_ = nullptr; }

 private:
  const ClipboardCalls& calls_;
  HGLOBAL h_;
};

// An open clipboard, closed on every way out.
class Session {
 public:
  explicit Session(const ClipboardCalls& calls) : calls_(calls) {}
  ~Session() { calls_.closeClipboard(); }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

 private:
  const ClipboardCalls& calls_;
};

}  // namespace

const ClipboardCalls& SystemClipboard() {
  static const ClipboardCalls calls{GlobalAlloc,    GlobalLock,     GlobalUnlock,     GlobalFree,
                                    OpenClipboard, EmptyClipboard, SetClipboardData, CloseClipboard};
  return calls;
}

void PutClipboardText(HWND owner, const std::string& text, const ClipboardCalls& calls) {
  // The text is ready before the clipboard is opened, so that a failure up to here leaves the clipboard as it was.
  Memory memory(calls, text.size() + 1);
  if (!memory.get()) throw AppError("Out of memory");
  void* p = calls.globalLock(memory.get());
  if (!p) throw AppError("Out of memory");
  std::memcpy(p, text.c_str(), text.size() + 1);
  calls.globalUnlock(memory.get());

  // Another program may hold the clipboard for a moment; one that keeps it gets the error.
  bool open = false;
  for (int attempt = 0; attempt < 5 && !(open = calls.openClipboard(owner) != FALSE); ++attempt) Sleep(20);
  if (!open) throw AppError(LoadStr(IDS_NOCLIPBOARD));
  Session session(calls);
  if (!calls.emptyClipboard() || !calls.setClipboardData(CF_TEXT, memory.get()))
    throw AppError("Cannot write to the clipboard");
  memory.release();  // the clipboard owns it now
}

}  // namespace qm
