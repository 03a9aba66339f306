// SPDX-License-Identifier: GPL-3.0-or-later
// Picture controls as values: which image they hold and whether they are shown.
#pragma once

namespace tenho {

// Images a picture can hold: a tile face (its palette index 0..33), the
// face-down tile of a closed kan, the placeholder over a hand slot given up
// to a meld, or nothing.
namespace image {
inline constexpr int kNone = -1;
inline constexpr int kFaceDown = 34;
inline constexpr int kPlaceholder = 35;
}  // namespace image

struct Picture {
    int image = image::kNone;
    bool visible = false;

    constexpr void clear()  // "give it an empty image and hide it"
    {
        image = image::kNone;
        visible = false;
    }
    constexpr bool operator==(const Picture&) const = default;
};

struct CheckBox {
    int value = 0;  // 0 off, 1 on
    bool enabled = true;
    constexpr bool operator==(const CheckBox&) const = default;
};

}  // namespace tenho
