#include "app/gdi_cache.h"

#include <map>

#include "app/scoped.h"

namespace qm {

namespace {
HFONT MakeFont(const char* face, int height, int weight, BYTE charset) {
  return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}
}  // namespace

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

}  // namespace qm
