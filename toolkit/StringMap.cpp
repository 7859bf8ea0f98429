#include "toolkit/StringMap.h"

#include <memory>

std::uint16_t StringMap::hashOf(const ZString& key) {
    std::uint16_t sum = 0;
    for (char c : key.view()) {
        sum = static_cast<std::uint16_t>(sum + static_cast<signed char>(c));
    }
    return sum;
}

StringMap::Entry* StringMap::find(const ZString& key) const {
    const std::uint16_t hash = hashOf(key);
    for (Entry* entry = buckets_[hash % BUCKETS]; entry; entry = entry->next) {
        if (entry->hash == hash && entry->key == key) {
            return entry;
        }
    }
    return nullptr;
}

void StringMap::put(const ZString& key, const ZString& value) {
    if (Entry* entry = find(key)) {
        entry->value = value;
        return;
    }
    auto owned = std::make_unique<Entry>();
    Entry* entry = owned.get();
    entry->hash = hashOf(key);
    entry->key = key;
    entry->value = value;
    Entry*& head = buckets_[entry->hash % BUCKETS];
    entry->next = head;
    if (head) {
        head->previous = entry;
    }
    head = entry;
    entry->element = order_.append(std::move(owned));
}
