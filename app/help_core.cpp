#include "app/help_core.h"

#include "help_texts.h"
#include "resource.h"

namespace qm {

namespace {

// IDC_<name> turned into text after expansion: its number when resource.h defines it, else the name itself.
#define QM_HELP_STR(x) #x
#define QM_HELP_EXPANDED(x) QM_HELP_STR(x)
#define QM_HELP_ID_TEXT(name) QM_HELP_EXPANDED(IDC_##name)

#define QM_HELP_TOPIC_ROW(context, name, text) {context, #name, ParseControlId(QM_HELP_ID_TEXT(name)), text},
#define QM_HELP_ALIAS_ROW(context, name) {context, #name, ParseControlId(QM_HELP_ID_TEXT(name))},

struct Section {
  int first;
  int last;
  const char* anchor;
};
// The help document's sections, by help-context range.
const Section kSections[] = {
    {3000, 3099, "main-window"},      {3100, 3199, "message-box"},   {3200, 3299, "browse-for-folder"},
    {3300, 3399, "run-dialog"},       {3400, 3499, "format-drive"},  {3500, 3599, "shell-about"},
    {3600, 3699, "pick-icon"},        {3700, 3799, "file-operation"}, {3800, 3899, "open-file"},
    {3900, 3999, "save-file"},        {4000, 4099, "choose-color"},  {4100, 4199, "print"},
    {4200, 4299, "choose-font"},      {7000, 7099, "code-editor"},
};

}  // namespace

int ParseControlId(std::string_view text) {
  // Tolerate the parentheses and blanks a definition may carry, as in "(1800)".
  while (!text.empty() && (text.front() == '(' || text.front() == ' ')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ')' || text.back() == ' ')) text.remove_suffix(1);
  if (text.empty() || text.size() > 9) return 0;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');
  }
  return value;
}

const std::vector<HelpTopic>& HelpTopics() {
  static const std::vector<HelpTopic> topics = {QM_HELP_TOPICS(QM_HELP_TOPIC_ROW)};
  return topics;
}

const std::vector<HelpAlias>& HelpAliases() {
  static const std::vector<HelpAlias> aliases = {QM_HELP_ALIASES(QM_HELP_ALIAS_ROW)};
  return aliases;
}

int HelpContextOfControl(int controlId) {
  if (controlId <= 0) return 0;
  for (const auto& t : HelpTopics())
    if (t.controlId == controlId) return t.context;
  for (const auto& a : HelpAliases())
    if (a.controlId == controlId) return a.context;
  return 0;
}

int HelpContextOfWindowClass(std::string_view className) {
  if (className == "TMainForm") return 3000;
  if (className == "TEditForm") return 7000;
  return 0;
}

std::string HelpText(int context) {
  for (const auto& t : HelpTopics())
    if (t.context == context) return t.text;
  return {};
}

std::string HelpAnchor(int context) {
  for (const auto& s : kSections)
    if (context >= s.first && context <= s.last) return s.anchor;
  return {};
}

}  // namespace qm
