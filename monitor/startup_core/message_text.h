// Message texts of the configuration file use backslash escapes: "\n" or "\N"
// a line break, "\t" or "\T" a tab, a backslash before a form feed a space,
// and a backslash before anything else that character.
#pragma once
#include <string>

namespace statmon {

enum class LineBreak {
  kLineFeed,        // "\n": texts that go to a static control or a message box
  kCarriageReturn,  // "\r\n": texts that go to a multi-line edit control
};

// A backslash at the very end escapes nothing and is dropped.
std::string ExpandMessageText(const std::string& text, LineBreak lineBreak);

}  // namespace statmon
