// The dialog kinds as the main window shows them: one row per kind. A new kind is a row here, its generator
// (dialogs/<kind>_core.*) and its panel (dialogs/<kind>_panel.cpp).
#pragma once

#include <memory>
#include <span>

#include "dialogs/frame_core.h"
#include "dialogs/kind_panel.h"

namespace qm {

struct KindRow {
  TDialogKind kind;
  int page;               // 0 "Standard Dialogs", 1 "Shell Dialogs"
  int buttonId;           // the kind button on its page
  int buttonLeft;         // where the button stands on its page
  int pictureId;          // the button's picture
  const char* hint;       // the button's hint
  const char* captionName;  // what the window's caption names the kind by
  int panelId;            // the kind's panel
  std::unique_ptr<KindPanel> (*makePanel)();  // the panel, which reads the options and calls the generator
};

std::span<const KindRow> KindRows();
// The row of a kind, or null for a value that names none.
const KindRow* FindKindRow(int kind);
const KindRow* FindKindRowByButton(int buttonId);

}  // namespace qm
