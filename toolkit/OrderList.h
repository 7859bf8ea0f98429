#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// One element of an order list; it owns its entry and the newer elements after it.
template <typename Entry>
struct OrderElement {
    std::unique_ptr<Entry> entry;
    OrderElement* older = nullptr;
    std::unique_ptr<OrderElement> newer;
};

// The insertion order of a keyed table, oldest first, with a cursor that walks the entries in
// that order. A complete walk ends with the cursor back on the oldest element, ready for the
// next one; an abandoned walk leaves it where it stopped, so users rewind after a walk.
template <typename Entry>
class OrderList {
  public:
    using Element = OrderElement<Entry>;

    OrderList() = default;
    OrderList(const OrderList&) = delete;
    OrderList& operator=(const OrderList&) = delete;
    virtual ~OrderList() { clear(); }

    // Takes the entry over and appends it after the newest element.
    Element* append(std::unique_ptr<Entry> entry) {
        auto element = std::make_unique<Element>();
        element->entry = std::move(entry);
        Element* added = element.get();
        if (last_) {
            added->older = last_;
            last_->newer = std::move(element);
        } else {
            first_ = std::move(element);
            cursor_ = added;
        }
        last_ = added;
        ++count_;
        return added;
    }

    // Unlinks the element and frees it with its entry. A cursor on it moves to the newer one.
    void remove(Element* element) {
        if (cursor_ == element) {
            cursor_ = element->newer.get();
        }
        if (last_ == element) {
            last_ = element->older;
        }
        if (current_ == element->entry.get()) {
            current_ = nullptr;
        }
        std::unique_ptr<Element>& owner = element->older ? element->older->newer : first_;
        std::unique_ptr<Element> newer = std::move(element->newer);
        if (newer) {
            newer->older = element->older;
        }
        owner = std::move(newer);
        --count_;
    }

    void clear() {
        // One element at a time: a recursive release of a long chain could exhaust the stack.
        while (first_) {
            first_ = std::move(first_->newer);
        }
        last_ = nullptr;
        count_ = 0;
        cursor_ = nullptr;
        current_ = nullptr;
    }

    // Makes the entry under the cursor the current one and moves on, or, past the newest,
    // puts the cursor back on the oldest and returns false.
    bool next() {
        if (!cursor_) {
            cursor_ = first_.get();
            return false;
        }
        current_ = cursor_->entry.get();
        cursor_ = cursor_->newer.get();
        return true;
    }

    // The entry the last successful next returned; null once that entry was removed.
    Entry* current() const { return current_; }
    void rewind() { cursor_ = first_.get(); }
    std::size_t size() const { return count_; }

  private:
    Element* last_ = nullptr;
    std::uint32_t count_ = 0;
    std::unique_ptr<Element> first_;
    Element* cursor_ = nullptr;
    Entry* current_ = nullptr;
};
