// Queries that the command hook uses to read values out of a delivered record.
#include "pjl_parser.h"

namespace {

// A String item's value is a pointer; its low bits mean nothing as a keyword id.
bool ValueEquals(const PjlItem& item, uint16_t id) {
    return item.type != PJL_ITEM_STRING && static_cast<uint16_t>(item.value.id & 0xFFFF) == id;
}

}  // namespace

uint16_t PjlCommandOf(int count, const PjlItem* items) {
    if (count < 1 || !items || items[0].type != PJL_ITEM_COMMAND) return PJL_NO_KEYWORD;
    return static_cast<uint16_t>(items[0].value.id);
}

uint16_t PjlKeyAt(int count, const PjlItem* items, int index) {
    if (!items || index < 0 || index >= count) return PJL_NO_KEYWORD;
    return items[index].key;
}

uint16_t PjlKeywordOf(int count, const PjlItem* items, uint16_t key) {
    for (int i = 0; items && i < count; ++i)
        if (items[i].type == PJL_ITEM_KEYWORD && items[i].key == key) return static_cast<uint16_t>(items[i].value.id);
    return PJL_NO_KEYWORD;
}

int32_t PjlNumberOf(int count, const PjlItem* items, uint16_t key) {
    for (int i = 0; items && i < count; ++i)
        if (items[i].type == PJL_ITEM_NUMBER && items[i].key == key) return items[i].value.number;
    return 0;
}

char* PjlStringOf(int count, PjlItem* items, uint16_t key, bool take) {
    for (int i = 0; items && i < count; ++i) {
        if (items[i].type != PJL_ITEM_STRING || items[i].key != key) continue;
        char* text = items[i].value.text;
        if (take) items[i].value.text = nullptr;
        return text;
    }
    return nullptr;
}

const PjlItem* PjlNextWithKey(int remaining, const PjlItem* item, uint16_t key) {
    for (int i = 1; item && i < remaining; ++i)
        if (item[i].key == key) return &item[i];
    return nullptr;
}

PjlItem* PjlNextWithKey(int remaining, PjlItem* item, uint16_t key) {
    return const_cast<PjlItem*>(PjlNextWithKey(remaining, static_cast<const PjlItem*>(item), key));
}

const PjlItem* PjlNextWithValue(int remaining, const PjlItem* item, uint16_t id) {
    for (int i = 1; item && i < remaining; ++i)
        if (ValueEquals(item[i], id)) return &item[i];
    return nullptr;
}

PjlItem* PjlNextWithValue(int remaining, PjlItem* item, uint16_t id) {
    return const_cast<PjlItem*>(PjlNextWithValue(remaining, static_cast<const PjlItem*>(item), id));
}
