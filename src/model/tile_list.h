// SPDX-License-Identifier: GPL-3.0-or-later
// The ordered tile containers of the calculator.
#pragma once

#include <array>
#include <cstdint>

#include "model/tile.h"

namespace tenho {

// A list box used as an ordered container of tile codes. A sorted list keeps
// its items in ascending text order whatever the order of insertion; an
// unsorted one keeps insertion order. Reading an index outside the list
// yields the empty code: the split search and the pair tests look one item
// past the end on purpose and rely on that.
//
// The capacity is fixed: no list of the calculator ever holds more than
// fourteen tiles, and a fixed array keeps a calculation free of allocations.
class TileList {
public:
    static constexpr int kCapacity = 16;

    explicit constexpr TileList(bool sorted = false) : sorted_(sorted) {}

    constexpr bool sorted() const { return sorted_; }
    constexpr int count() const { return count_; }
    constexpr bool isEmpty() const { return count_ == 0; }

    constexpr Code item(int i) const
    {
        return (i >= 0 && i < count_) ? items_[static_cast<std::size_t>(i)] : Code();
    }

    // The items 0 .. count() - 1, for scans that run many times a calculation.
    constexpr const Code* begin() const { return items_.data(); }
    constexpr const Code* end() const { return items_.data() + count_; }

    // Sorted lists place the code after any equal ones; a full list ignores it.
    constexpr void add(Code c)
    {
        if (count_ >= kCapacity) return;
        int at = count_;
        if (sorted_)
            while (at > 0 && c < items_[static_cast<std::size_t>(at - 1)]) --at;
        for (int j = count_; j > at; --j)
            items_[static_cast<std::size_t>(j)] = items_[static_cast<std::size_t>(j - 1)];
        items_[static_cast<std::size_t>(at)] = c;
        ++count_;
    }

    // Removing the selected item leaves no selection; a later one moves up.
    constexpr void removeAt(int i)
    {
        if (i < 0 || i >= count_) return;
        for (int j = i; j + 1 < count_; ++j)
            items_[static_cast<std::size_t>(j)] = items_[static_cast<std::size_t>(j + 1)];
        --count_;
        items_[static_cast<std::size_t>(count_)] = Code();
        if (index == i)
            index = -1;
        else if (index > i)
            --index;
    }

    // Clear, then add every item of `other` in order: a plain copy, since
    // adding sorted items to a sorted list keeps their order.
    constexpr void copyFrom(const TileList& other)
    {
        items_ = other.items_;
        count_ = other.count_;
        index = -1;
    }

    constexpr void clear()
    {
        for (int j = 0; j < count_; ++j) items_[static_cast<std::size_t>(j)] = Code();
        count_ = 0;
        index = -1;
    }

    // Selected index (ListIndex); -1 = none. Only the dora list reads it back.
    int index = -1;

private:
    std::array<Code, kCapacity> items_{};
    std::int16_t count_ = 0;
    bool sorted_ = false;
};

}  // namespace tenho
