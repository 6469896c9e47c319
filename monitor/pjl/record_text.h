// Plain-text form of parsed items, for diagnostics (pjldump) and tests:
//   <type> <key> <value>
// type Command, Keyword, Number or String; key the keyword text or "-" for
// none; value the keyword text (or #<id> outside the table), the signed
// number, or the string in double quotes with \\, \" and \xHH escapes for
// bytes below 0x20 and above 0x7E.
#pragma once

#include <string>

#include "pjl_parser.h"

std::string PjlKeywordLabel(uint16_t id);
std::string PjlQuoteText(const char* text);
std::string PjlDescribeItem(const PjlItem& item);
