// The shell About panel and its builder.
#include <windows.h>
#include <shellapi.h>

#include "app/builder.h"
#include "app/hints.h"
#include "app/speed_button.h"
#include "app/text.h"
#include "app/win_util.h"
#include "dialogs/kind_panel.h"
#include "dialogs/shellabout_core.h"
#include "resource.h"

namespace qm {

namespace {

class ShellAboutPanel : public KindPanel {
 public:
  ShellAboutPanel() : KindPanel(dkShellAbout) {}

 protected:
  void CreateControls(Builder& b) override {
    b.Label(IDC_lblApp, "&Product Name:", 9, 9, 200, 14);
    b.Edit(IDC_edtApp, "", 9, 25, 433, 21);
    b.Label(IDC_lblOtherStuff, "Product &Description:", 9, 57, 200, 14);
    b.Memo(IDC_memOtherStuff, "", 9, 73, 433, 233, WS_VSCROLL);
  }

  void Reset() override {
    SetText(Item(IDC_edtApp), "");
    SetText(Item(IDC_memOtherStuff), "");
  }

  void ShowDialog() override {
    // The box shows the lines as the user typed them, not where the memo wraps them.
    const std::string product = GetText(Item(IDC_edtApp));
    const std::string description = GetText(Item(IDC_memOtherStuff));
    // A shared icon of the program's resources: it stays loaded and is never destroyed.
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_QUILLMARK));
    ShellAboutW(owner(), Wide(product).c_str(), Wide(description).c_str(), icon);
  }

  GeneratedCode GenerateCode() const override {
    ShellAboutOptions o;
    o.product = GetText(Item(IDC_edtApp));
    o.descriptionLines = MemoLines(Item(IDC_memOtherStuff));
    return GenerateShellAbout(o, LoadFrameTexts(), target());
  }
};

}  // namespace

template <>
std::unique_ptr<KindPanel> MakeKindPanel<dkShellAbout>() {
  return std::make_unique<ShellAboutPanel>();
}

}  // namespace qm
