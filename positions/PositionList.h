#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "positions/Position.h"
#include "toolkit/IntMap.h"

// The named positions by id, in the order they were added, which is the order they are drawn,
// hit and saved in. Keeps the ids unique: id 1 (the view position) is the first entry whenever
// the list is not empty, and an id in use is never given to another position.
class PositionList {
  public:
    std::size_t size() const { return table_.size(); }
    // Null when there is no such position.
    Position* get(std::uint32_t id);
    const Position* get(std::uint32_t id) const;
    const Position* viewPosition() const { return get(VIEW_POSITION_ID); }
    std::uint32_t lastPositionId() const { return lastPositionId_; }

    // The positions of the file, replacing the list: ids 1, 2, 3, ... in order, not yet drawn.
    void assignLoaded(std::vector<Position> loaded);
    // A new position of the flat map: the next id after the counter that is not in use (1 on an
    // empty list, where it becomes the view position). Returns its id.
    std::uint32_t add(const Position& position);
    // Replaces the position of an id in its place, or appends it when the id is new.
    void put(std::uint32_t id, const Position& position);
    // False when there is no such id. The counter goes down by one, never below 0, and to 0 on
    // an empty list.
    bool remove(std::uint32_t id);

    // The id of the first marker, among those drawn by the last painting, whose 4 x 4 square
    // holds the point (right and bottom edges outside); 0 for none. Copies a hit into hit.
    std::uint32_t findAt(int x, int y, Position* hit);
    // How many positions, from the first, the last painting drew.
    void setDrawnMarkers(std::size_t count) { drawnMarkers_ = count; }

    // Copies of the positions from the first, for work that must not walk this list.
    std::vector<Position> inOrder();
    // Visits every position from the first, whatever an earlier walk left in the cursor;
    // visit(id, position) returns false to stop.
    template <typename F>
    void forEach(F&& visit) {
        table_.rewind();
        while (table_.next()) {
            auto* node = table_.current();
            if (!visit(node->key, node->value)) {
                table_.rewind();
                return;
            }
        }
    }

  private:
    IntMap<Position> table_;
    std::uint32_t lastPositionId_ = 0;
    std::size_t drawnMarkers_ = 0;
};
