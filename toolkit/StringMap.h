#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "toolkit/OrderList.h"
#include "toolkit/ZString.h"

// A hash table from text to text that walks its entries in insertion order.
class StringMap {
  public:
    struct Entry {
        std::uint16_t hash = 0;
        ZString key;
        ZString value;
        // Neighbours in the same bucket.
        Entry* previous = nullptr;
        Entry* next = nullptr;
        OrderElement<Entry>* element = nullptr;
    };

    static constexpr std::size_t BUCKETS = 100;

    // The sum of the key's bytes taken as signed numbers, cut to 16 bits.
    static std::uint16_t hashOf(const ZString& key);
    static std::size_t bucketOf(const ZString& key) { return hashOf(key) % BUCKETS; }

    StringMap() = default;
    StringMap(const StringMap&) = delete;
    StringMap& operator=(const StringMap&) = delete;
    virtual ~StringMap() = default;

    Entry* find(const ZString& key) const;
    // A key already present keeps its place in the order and gets the new value.
    void put(const ZString& key, const ZString& value);

    // The cursor walk in insertion order; see OrderList.
    bool next() { return order_.next(); }
    Entry* current() const { return order_.current(); }
    void rewind() { order_.rewind(); }
    std::size_t size() const { return order_.size(); }

  private:
    std::array<Entry*, BUCKETS> buckets_{};
    OrderList<Entry> order_;
};
