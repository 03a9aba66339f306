// SPDX-License-Identifier: GPL-3.0-or-later
// One hand as tenho-score's options give it: what a person would enter at
// the window, in the words of the options (kept for the messages).
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/tile.h"

namespace tenho::cli {

enum class MeldKind { Chi, Pon, Kan, Ankan };

// The first size() items of `Store`, whose storage is kept when the list is
// cleared: the options of a batch line are read into the room of the line
// before.
template <typename Store> class KeptItems {
public:
    using Item = typename Store::value_type;
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const Item& operator[](std::size_t i) const { return items_[i]; }
    const Item* begin() const { return items_.data(); }
    const Item* end() const { return items_.data() + size_; }
    void clear() { size_ = 0; }

protected:
    Store items_{};
    std::size_t size_ = 0;
};

// The tiles of an option.
class TileRow : public KeptItems<std::vector<Code>> {
public:
    Code* data() { return items_.data(); }

    // Room for `n` tiles after the last, to be written; grow(k) then makes
    // the first k of them tiles of the row.
    std::span<Code> room(std::size_t n)
    {
        if (items_.size() - size_ < n) [[unlikely]]
            makeRoom(n);
        return {items_.data() + size_, n};
    }
    void grow(std::size_t k) { size_ += k; }

private:
    // Out of the way of the checks above, which are made for every option.
    [[gnu::noinline]] void makeRoom(std::size_t n) { items_.resize(size_ + n); }
};

// A text of the options as given, for the messages. A batch line is read
// and answered before the next one is read: its options keep views of it.
// Anything else, and values joined, is copied into storage of its own.
class OptionText {
public:
    OptionText() = default;
    OptionText(const OptionText& other) { *this = other; }
    OptionText& operator=(const OptionText& other)
    {
        if (this == &other) return *this;
        own_ = other.own_;
        view_ = other.owned() ? std::string_view(own_) : other.view_;
        return *this;
    }

    std::string_view view() const { return view_; }
    operator std::string_view() const { return view_; }
    bool empty() const { return view_.empty(); }
    void clear()
    {
        view_ = {};
        own_.clear();
    }
    // `text` itself, which must outlive every use of this one.
    void refer(std::string_view text) { view_ = text; }
    void assign(std::string_view text)
    {
        own_.assign(text);
        view_ = own_;
    }
    // After a blank, when not empty.
    void append(std::string_view text)
    {
        if (!owned()) own_.assign(view_);
        if (!own_.empty()) own_ += ' ';
        own_ += text;
        view_ = own_;
    }

    friend bool operator==(const OptionText& a, const OptionText& b) { return a.view_ == b.view_; }

private:
    bool owned() const { return view_.data() == own_.data(); }

    std::string own_;
    std::string_view view_;
};

struct MeldOption {
    MeldKind kind = MeldKind::Chi;
    OptionText text;  // as given, for error messages
    TileRow tiles;    // sorted
};

// The called melds, four at most. Their places are kept when the list is
// cleared, so that the hands of a batch, read one after another into the
// same options, reuse the storage of their texts and tiles.
class MeldList : public KeptItems<std::array<MeldOption, 5>> {
public:
    // The place after the last meld, to fill in; keepNext makes it a meld
    // of the list (at most four).
    MeldOption& next() { return items_[size_]; }
    void keepNext()
    {
        if (size_ < 4) ++size_;
    }
};

struct HandOptions {
    TileRow hand;
    OptionText handText;  // every --hand value, joined by blanks
    std::optional<Code> win;
    MeldList melds;
    TileRow dora;
    OptionText doraText;
    bool tsumo = false;
    bool ron = false;
    int round = -1;  // B_list index
    int seat = -1;   // I_list index
    // リーチ, ダブリー, 一発, 一巡目, ハイテイ
    bool boxes[5] = {false, false, false, false, false};
    bool kuitan = false;
    bool renhou = false;

    // As built, keeping the storage of the lists and texts.
    void clear()
    {
        hand.clear();
        handText.clear();
        win.reset();
        melds.clear();
        dora.clear();
        doraText.clear();
        tsumo = ron = false;
        round = seat = -1;
        for (bool& b : boxes) b = false;
        kuitan = renhou = false;
    }
};

// The options of the situation boxes C_OPTION(0..4), in box order.
inline constexpr std::string_view kBoxOptions[5] = {"--riichi", "--double-riichi", "--ippatsu",
                                                    "--first-turn", "--haitei"};

constexpr std::string_view meldOptionName(MeldKind kind)
{
    switch (kind) {
    case MeldKind::Chi:
        return "--chi";
    case MeldKind::Pon:
        return "--pon";
    case MeldKind::Kan:
        return "--kan";
    case MeldKind::Ankan:
        return "--ankan";
    }
    return {};
}

}  // namespace tenho::cli
