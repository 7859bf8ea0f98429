#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "toolkit/OrderList.h"

// A hash table keyed by 32-bit numbers that walks its entries in insertion order. The values
// are stored in the nodes; pointers stored as values are not freed by the map.
template <typename V>
class IntMap {
  public:
    struct Node {
        std::uint16_t hash = 0;
        std::uint32_t key = 0;
        V value{};
        // Neighbours in the same bucket.
        Node* previous = nullptr;
        Node* next = nullptr;
        OrderElement<Node>* element = nullptr;
    };

    static constexpr std::size_t BUCKETS = 100;

    // Bits 8 to 15 of a multiplicative hash: 256 values, so buckets 0..55 take three of them.
    static std::uint16_t hashOf(std::uint32_t key) {
        return static_cast<std::uint16_t>(((key * 40503u) >> 8) & 0xFFu);
    }
    static std::size_t bucketOf(std::uint32_t key) { return hashOf(key) % BUCKETS; }

    IntMap() = default;
    IntMap(const IntMap&) = delete;
    IntMap& operator=(const IntMap&) = delete;
    virtual ~IntMap() = default;

    Node* get(std::uint32_t key) const {
        const std::uint16_t hash = hashOf(key);
        for (Node* node = buckets_[hash % BUCKETS]; node; node = node->next) {
            if (node->hash == hash && node->key == key) {
                return node;
            }
        }
        return nullptr;
    }

    // A key already present keeps its place in the order and gets the new value.
    void put(std::uint32_t key, V value) {
        if (Node* node = get(key)) {
            node->value = std::move(value);
            return;
        }
        const std::uint16_t hash = hashOf(key);
        auto owned = std::make_unique<Node>();
        Node* node = owned.get();
        node->hash = hash;
        node->key = key;
        node->value = std::move(value);
        Node*& head = buckets_[hash % BUCKETS];
        node->next = head;
        if (head) {
            head->previous = node;
        }
        head = node;
        node->element = order_.append(std::move(owned));
    }

    bool remove(std::uint32_t key) {
        Node* node = get(key);
        if (!node) {
            return false;
        }
        if (node->previous) {
            node->previous->next = node->next;
        } else {
            buckets_[node->hash % BUCKETS] = node->next;
        }
        if (node->next) {
            node->next->previous = node->previous;
        }
        order_.remove(node->element);
        return true;
    }

    void clear() {
        order_.clear();
        buckets_.fill(nullptr);
    }

    // The cursor walk in insertion order; see OrderList.
    bool next() { return order_.next(); }
    Node* current() const { return order_.current(); }
    void rewind() { order_.rewind(); }
    std::size_t size() const { return order_.size(); }

  private:
    std::array<Node*, BUCKETS> buckets_{};
    OrderList<Node> order_;
};
