#include "dialogs/messagebox_core.h"

namespace qm {

namespace {
const MbButtonInfo kButtons[kMbButtonCount] = {
    {"OK_1", "OK", 1, 0, "IDOK"},
    {"OKCANCEL_1", "OK", 2, 1, "IDOK"},
    {"OKCANCEL_2", "Cancel", 2, 257, "IDCANCEL"},
    {"RETRYCANCEL_1", "Retry", 3, 5, "IDRETRY"},
    {"RETRYCANCEL_2", "Cancel", 3, 261, "IDCANCEL"},
    {"YESNO_1", "Yes", 4, 4, "IDYES"},
    {"YESNO_2", "No", 4, 260, "IDNO"},
    {"YESNOCANCEL_1", "Yes", 5, 3, "IDYES"},
    {"YESNOCANCEL_2", "No", 5, 259, "IDNO"},
    {"YESNOCANCEL_3", "Cancel", 5, 515, "IDCANCEL"},
    {"ABORTRETRYIGNORE_1", "Abort", 6, 2, "IDABORT"},
    {"ABORTRETRYIGNORE_2", "Retry", 6, 258, "IDRETRY"},
    {"ABORTRETRYIGNORE_3", "Ignore", 6, 514, "IDIGNORE"},
};

std::uint32_t IconFlags(MbIcon icon) {
  switch (icon) {
    case MbIcon::Information: return 64;
    case MbIcon::Warning: return 48;
    case MbIcon::Error: return 16;
    case MbIcon::Confirmation: return 32;
    case MbIcon::None: break;
  }
  return 0;
}
}  // namespace

const MbButtonInfo& MbButtonDescription(MbButton button) {
  auto i = static_cast<int>(button);
  return kButtons[(i >= 0 && i < kMbButtonCount) ? i : 0];
}

std::uint32_t MessageBoxFlags(const MessageBoxOptions& o) {
  std::uint32_t n = IconFlags(o.icon) | MbButtonDescription(o.button).flags;
  if (o.modality == MbModality::Task) n |= 8192;
  if (o.modality == MbModality::System) n |= 4096;
  return n;
}

GeneratedCode GenerateMessageBox(const MessageBoxOptions& o, const FrameTexts& texts, TCodeTarget target) {
  return GenerateMessageBox(o, texts, target, false);
}

GeneratedCode GenerateMessageBox(const MessageBoxOptions& o, const FrameTexts& texts, TCodeTarget target,
                                 bool handleAnswer) {
  const std::string text = JoinMemoLines(o.textLines);
  const std::string flags = Decimal(MessageBoxFlags(o));
  if (handleAnswer) {
    // The buttons of the chosen set, in the order the box shows them.
    const int row = MbButtonDescription(o.button).row;
    std::size_t branches = 0;
    for (const MbButtonInfo& b : kButtons) branches += b.row == row;
    CodeWriter out(texts, target, 0, 2 + 4 * branches, 0);
    out.Add({"case MessageBox(Handle, PChar('", text, "'), PChar('", o.title, "'), ", flags, ") of"});
    for (const MbButtonInfo& b : kButtons) {
      if (b.row != row) continue;
      out.Add({"  ", b.answer, ":"});
      out.Add({"    begin"});
      out.Add({"      // the user chose ", b.caption});
      out.Add({"    end;"});
    }
    out.Add({"end;"});
    return out.Finish();
  }
  if (o.asProcedure) {
    // The call keeps its two blanks in the fragment, so the pane takes it as it stands.
    CodeWriter out(texts, target, 0, 1, 0);
    out.AddUnindented({"  MessageBox(Handle, PChar('", text, "'), PChar('", o.title, "'), ", flags, ");"});
    return out.Finish();
  }
  CodeWriter out(texts, target, 3, 1, 1);
  out.Comment({texts.header2});
  out.Comment({texts.header3});
  out.Comment({"//   ", o.varName, ": Integer;"});
  out.Add({o.varName, " := MessageBox(Handle, PChar('", text, "'), PChar('", o.title, "'), ", flags, ");"});
  out.Declare({"  ", o.varName, ": Integer;"});
  return out.Finish();
}

}  // namespace qm
