#include "editor/copyall_core.h"

namespace qm {

std::string PaneCopyText(std::string_view paneText) { return JoinCrLf(SplitLines(paneText)); }

namespace {
void AppendBlock(Lines& out, const char* title, std::string_view text) {
  if (text.empty()) return;
  out.emplace_back(title);
  for (auto& line : SplitLines(text)) out.push_back(std::move(line));
  out.emplace_back();
}
}  // namespace

Lines CopyAllLines(const FrameTexts& texts, std::string_view uses, std::string_view decl, std::string_view impl) {
  Lines out;
  out.push_back(texts.header1);
  AppendBlock(out, "// uses clause:", uses);
  AppendBlock(out, "// declarations:", decl);
  out.emplace_back("// implementation:");
  for (auto& line : SplitLines(impl)) out.push_back(std::move(line));
  out.push_back(texts.footer);
  return out;
}

}  // namespace qm
