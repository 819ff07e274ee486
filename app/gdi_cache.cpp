#include "app/gdi_cache.h"

#include <map>
#include <string>
#include <tuple>

#include "app/dpi.h"
#include "app/picture_scale_core.h"
#include "app/scoped.h"
#include "resource.h"

namespace qm {

namespace {
struct FontSpec {
  std::wstring face;
  int height;
  int weight;
  bool italic;
  BYTE pitchAndFamily;
  bool operator<(const FontSpec& o) const {
    return std::tie(face, height, weight, italic, pitchAndFamily) <
           std::tie(o.face, o.height, o.weight, o.italic, o.pitchAndFamily);
  }
};
// Every font made here, by what it is and the DPI it was made at, and the way back.
std::map<std::pair<FontSpec, int>, HFONT>& Fonts() {
  static std::map<std::pair<FontSpec, int>, HFONT> fonts;
  return fonts;
}
std::map<HFONT, FontSpec>& Specs() {
  static std::map<HFONT, FontSpec> specs;
  return specs;
}
}  // namespace

HFONT DesignFont(const wchar_t* face, int height, int weight, bool italic, int dpi, BYTE pitchAndFamily) {
  FontSpec spec{face, height, weight, italic, pitchAndFamily};
  HFONT& f = Fonts()[{spec, dpi}];
  if (!f) {
    // Fixed pitch (the code font): where the face is missing, Windows picks another fixed-pitch face, not a
    // proportional one. Any character set, so that text in any script shows.
    f = CreateFontW(Scale(height, dpi), 0, 0, 0, weight, italic, FALSE, FALSE, DEFAULT_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                    pitchAndFamily ? pitchAndFamily : DEFAULT_PITCH | FF_DONTCARE, face);
    if (f) Specs()[f] = spec;
  }
  return f;
}

HFONT FontAtDpi(HFONT font, int dpi) {
  auto it = Specs().find(font);
  if (it == Specs().end()) return font;
  const FontSpec spec = it->second;
  return DesignFont(spec.face.c_str(), spec.height, spec.weight, spec.italic, dpi, spec.pitchAndFamily);
}

bool HighContrast() {
  HIGHCONTRASTW hc{};
  hc.cbSize = sizeof hc;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof hc, &hc, 0) && (hc.dwFlags & HCF_HIGHCONTRASTON);
}

HFONT FormFont(int dpi) { return DesignFont(L"MS Sans Serif", -11, FW_NORMAL, false, dpi); }
HFONT BoldFont(int height, int dpi) { return DesignFont(L"MS Sans Serif", height, FW_BOLD, false, dpi); }
HFONT CodeFont(int dpi) { return DesignFont(L"Courier New", -13, FW_NORMAL, false, dpi, FIXED_PITCH | FF_MODERN); }

HBITMAP Picture(int id, int dpi) {
  // Keyed by the drawing's own resource id, which stands for the picture and its scaling.
  static std::map<int, HBITMAP> pictures;
  const int drawing = PictureIdForDpi(id, dpi);
  auto& b = pictures[drawing];
  if (!b) b = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(drawing), IMAGE_BITMAP, 0,
                                              0, LR_CREATEDIBSECTION));
  return b;
}

HICON ProgramIcon(int pixels) {
  static std::map<int, HICON> icons;
  auto& icon = icons[pixels];
  // Not LR_SHARED, which is meant for images of the system's standard sizes; each size is kept here instead.
  if (!icon) icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_QUILLMARK),
                                                  IMAGE_ICON, pixels, pixels, 0));
  return icon;
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
