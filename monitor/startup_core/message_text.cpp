#include "message_text.h"

namespace statmon {

std::string ExpandMessageText(const std::string& text, LineBreak lineBreak) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\\') {
      out += c;
      continue;
    }
    if (++i == text.size()) break;
    const char escaped = text[i];
    switch (escaped) {
      case 'n':
      case 'N':
        out += lineBreak == LineBreak::kCarriageReturn ? "\r\n" : "\n";
        break;
      case 't':
      case 'T':
        out += '\t';
        break;
      case '\f':
        out += ' ';
        break;
      default:
        out += escaped;
        break;
    }
  }
  return out;
}

}  // namespace statmon
