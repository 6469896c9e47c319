#include "record_text.h"

#include <cstdio>

#include "pjl_keywords.h"

std::string PjlKeywordLabel(uint16_t id) {
    if (id == PJL_NO_KEYWORD) return "-";
    if (const char* text = PjlKeywordText(id)) return text;
    return "#" + std::to_string(id);
}

std::string PjlQuoteText(const char* text) {
    if (!text) return "-";  // a string already taken by a query
    std::string out = "\"";
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        if (*p == '\\' || *p == '"') {
            out += '\\';
            out += static_cast<char>(*p);
        } else if (*p < 0x20 || *p > 0x7E) {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02x", *p);
            out += escape;
        } else {
            out += static_cast<char>(*p);
        }
    }
    return out + "\"";
}

std::string PjlDescribeItem(const PjlItem& item) {
    std::string key = PjlKeywordLabel(item.key);
    switch (item.type) {
    case PJL_ITEM_COMMAND:
        return "Command " + key + " " + PjlKeywordLabel(static_cast<uint16_t>(item.value.id));
    case PJL_ITEM_KEYWORD:
        return "Keyword " + key + " " + PjlKeywordLabel(static_cast<uint16_t>(item.value.id));
    case PJL_ITEM_NUMBER:
        return "Number " + key + " " + std::to_string(item.value.number);
    case PJL_ITEM_STRING:
        return "String " + key + " " + PjlQuoteText(item.value.text);
    default:
        return "#" + std::to_string(item.type) + " " + key;
    }
}
