// A plain panel in the button-face colour (window class "QmPanel"), with an optional bevel. It passes the
// notifications of its children (commands, notifications, owner drawing, control colours, scrolling) on to its
// parent, so that a window may lay out its controls on nested panels and still handle them in one place; speed
// buttons among its children are drawn and grouped here. A window that handles its children's notifications itself
// (a kind's panel, a caption strip) derives from Panel.
#pragma once

#include <windows.h>

#include "app/window.h"

namespace qm {

enum class Bevel { None, Lowered, Raised };

class Panel : public Window {
 public:
  explicit Panel(Lifetime lifetime = Lifetime::OwnedByWindow, Bevel outer = Bevel::None)
      : Window(lifetime), bevel_(outer) {}
  ~Panel() override;

  HWND Make(HWND parent, int id, int x, int y, int w, int h, DWORD extraStyle = 0);
  void SetColor(COLORREF color);  // CLR_INVALID: the button face

  static Panel* Of(HWND hwnd);

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  Bevel bevel_;
  HBRUSH brush_ = nullptr;
};

// A plain panel, owned by its window.
HWND CreatePanel(HWND parent, int id, int x, int y, int w, int h, Bevel outer = Bevel::None, DWORD extraStyle = 0);
void SetPanelColor(HWND panel, COLORREF color);

}  // namespace qm
