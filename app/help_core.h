// The help table: which help-context number each control of the main window, the kind panels and the editor
// carries, the "What's this?" text of each number, and where each number's topic lies in the help document.
// Platform-free; the texts are those of the string table (resources/help_texts.h builds both).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm {

constexpr int kHelpContents = 1;  // the help document's contents

struct HelpTopic {
  int context;
  const char* control;  // the control's name; its id is IDC_<name>
  int controlId;        // 0 while resource.h has no id of that name
  const char* text;
};
struct HelpAlias {
  int context;
  const char* control;
  int controlId;
};

const std::vector<HelpTopic>& HelpTopics();
const std::vector<HelpAlias>& HelpAliases();

// The help-context number of a control id of the main window or the editor; 0 when it has none.
int HelpContextOfControl(int controlId);
// The topic of a window as a whole, by its window class ("TMainForm", "TEditForm"); 0 for others.
int HelpContextOfWindowClass(std::string_view className);
// The "What's this?" text of a help-context number; empty when there is none.
std::string HelpText(int context);
// The text shown for a control without a topic.
constexpr const char* kNoHelpTopic = "No Help topic is associated with this item.";

// The anchor of a help-context number's section in the help document; empty for the contents (the top).
std::string HelpAnchor(int context);

// A control id as resource.h spells it, after the preprocessor replaced the name: "1020" is 1020; a name that is
// still a name ("IDC_OpenTitle") is not defined yet and gives 0.
int ParseControlId(std::string_view text);

}  // namespace qm
