#include "app/clipboard.h"

#include <cstring>
#include <utility>

#include "app/text.h"
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

namespace {
// The bytes of one format, with their closing NUL, in memory the clipboard can take.
void Fill(Memory& memory, const ClipboardCalls& calls, const void* bytes, std::size_t size, std::size_t nul) {
  if (!memory.get()) throw AppError("Out of memory");
  auto* p = static_cast<char*>(calls.globalLock(memory.get()));
  if (!p) throw AppError("Out of memory");
  std::memcpy(p, bytes, size);
  std::memset(p + size, 0, nul);
  calls.globalUnlock(memory.get());
}
}  // namespace

void PutClipboardText(HWND owner, const std::string& text, const ClipboardCalls& calls) {
  // Both forms are ready before the clipboard is opened, so that a failure up to here leaves the clipboard as it
  // was: the text itself, and its ANSI form for programs that read only the 8-bit format.
  const std::wstring wide = Wide(text);
  const std::size_t wideBytes = wide.size() * sizeof(wchar_t);
  Memory unicode(calls, wideBytes + sizeof(wchar_t));
  Fill(unicode, calls, wide.data(), wideBytes, sizeof(wchar_t));
  const std::string ansi = AnsiText(text);
  Memory eightBit(calls, ansi.size() + 1);
  Fill(eightBit, calls, ansi.data(), ansi.size(), 1);

  // Another program may hold the clipboard for a moment; one that keeps it gets the error.
  bool open = false;
  for (int attempt = 0; attempt < 5 && !(open = calls.openClipboard(owner) != FALSE); ++attempt) Sleep(20);
  if (!open) throw AppError(LoadStr(IDS_NOCLIPBOARD));
  Session session(calls);
  if (!calls.emptyClipboard() || !calls.setClipboardData(CF_UNICODETEXT, unicode.get()))
    throw AppError("Cannot write to the clipboard");
  unicode.release();  // the clipboard owns it now
  if (!calls.setClipboardData(CF_TEXT, eightBit.get())) {
    // Half a clipboard would be worse than none: what went on first goes again.
    calls.emptyClipboard();
    throw AppError("Cannot write to the clipboard");
  }
  eightBit.release();
}

}  // namespace qm
