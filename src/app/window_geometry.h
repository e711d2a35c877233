// Where the main window opens: the stored geometry kept on a screen that exists, so that a
// removed monitor or a hand-edited conn.ini can never leave the window out of reach.
#pragma once

#include <cstddef>
#include <span>

#include "settings/settings_types.h"

namespace zor06::app {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ScreenRect&) const = default;
};

// Below this the stored size counts as broken and the default size is taken.
inline constexpr int kMinWindowWidth = 320;
inline constexpr int kMinWindowHeight = 200;

// The default window on `screen`.
ScreenRect DefaultWindow(const ScreenRect& screen);

// The screen among `screens` (their available areas) that holds the largest part of `window`
// (of its top-left point when its size is broken); `primary` when none holds any of it, the first
// when `primary` is out of range. `screens` must not be empty.
const ScreenRect& ScreenHolding(const ScreenRect& window, std::span<const ScreenRect> screens,
                                std::size_t primary);

// The stored window fitted into that screen: a size below the minimum takes the default, a
// larger one is cut to the screen, and the position moves the window wholly onto it.
// `screens` must not be empty.
ScreenRect PlaceWindow(const ScreenRect& stored, std::span<const ScreenRect> screens,
                       std::size_t primary);

}  // namespace zor06::app
