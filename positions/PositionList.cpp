#include "positions/PositionList.h"

Position* PositionList::get(std::uint32_t id) {
    auto* node = table_.get(id);
    return node ? &node->value : nullptr;
}

const Position* PositionList::get(std::uint32_t id) const {
    const auto* node = table_.get(id);
    return node ? &node->value : nullptr;
}

void PositionList::assignLoaded(std::vector<Position> loaded) {
    table_.clear();
    std::uint32_t id = 0;
    for (Position& position : loaded) {
        position.x = 0;
        position.y = 0;
        table_.put(++id, std::move(position));
    }
    lastPositionId_ = id;
    drawnMarkers_ = 0;
}

std::uint32_t PositionList::add(const Position& position) {
    if (table_.size() == 0) {
        lastPositionId_ = 0;
    }
    // After a red position other than the last was removed, the counter can point at an id
    // still in use (and after a view position set on the globe, at 0); those are passed over.
    do {
        ++lastPositionId_;
    } while (lastPositionId_ == 0 || table_.get(lastPositionId_) != nullptr);
    table_.put(lastPositionId_, position);
    return lastPositionId_;
}

void PositionList::put(std::uint32_t id, const Position& position) {
    table_.put(id, position);
}

bool PositionList::remove(std::uint32_t id) {
    std::size_t index = 0;
    bool found = false;
    forEach([&](std::uint32_t key, Position&) {
        found = key == id;
        if (!found) {
            ++index;
        }
        return !found;
    });
    if (!found) {
        return false;
    }
    table_.remove(id);
    if (index < drawnMarkers_) {
        --drawnMarkers_;
    }
    if (lastPositionId_ > 0) {
        --lastPositionId_;
    }
    if (table_.size() == 0) {
        lastPositionId_ = 0;
    }
    return true;
}

std::vector<Position> PositionList::inOrder() {
    std::vector<Position> copies;
    copies.reserve(size());
    forEach([&copies](std::uint32_t, const Position& position) {
        copies.push_back(position);
        return true;
    });
    return copies;
}

std::uint32_t PositionList::findAt(int x, int y, Position* hit) {
    std::uint32_t found = 0;
    std::size_t visited = 0;
    forEach([&](std::uint32_t id, Position& position) {
        if (visited++ == drawnMarkers_) {
            return false;
        }
        // The marker's 4 x 4 square; its right and bottom edges lie outside.
        if (x >= position.x - 1 && x < position.x + 3 && y >= position.y - 1 &&
            y < position.y + 3) {
            found = id;
            if (hit != nullptr) {
                *hit = position;
            }
            return false;
        }
        return true;
    });
    return found;
}
