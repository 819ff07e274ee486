#include "app/gdi_cache.h"

#include <map>

#include "app/scoped.h"

namespace qm {

namespace {
HFONT MakeFont(const wchar_t* face, int height, int weight, BYTE charset) {
  return CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}
}  // namespace

HFONT FormFont() {
  static HFONT font = MakeFont(L"MS Sans Serif", -11, FW_NORMAL, DEFAULT_CHARSET);
  return font;
}

HFONT BoldFont(int height) {
  static std::map<int, HFONT> fonts;
  auto& f = fonts[height];
  if (!f) f = MakeFont(L"MS Sans Serif", height, FW_BOLD, DEFAULT_CHARSET);
  return f;
}

HFONT CodeFont() {
  // Fixed pitch: where "Courier New" is missing, Windows picks another fixed-pitch face, not a proportional one. Any
  // character set, so that code in any script shows.
  static HFONT font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, L"Courier New");
  return font;
}

HBITMAP Picture(int id) {
  static std::map<int, HBITMAP> pictures;
  auto& b = pictures[id];
  if (!b) b = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0,
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

}  // namespace qm
