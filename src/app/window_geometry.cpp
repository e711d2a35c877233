#include "app/window_geometry.h"

#include <algorithm>
#include <cstdint>

namespace zor06::app {
namespace {

// In 64 bits: a hand-edited conn.ini may hold sizes whose product overflows an int.
std::int64_t OverlapArea(const ScreenRect& a, const ScreenRect& b) {
    const std::int64_t left = std::max<std::int64_t>(a.left, b.left);
    const std::int64_t top = std::max<std::int64_t>(a.top, b.top);
    const std::int64_t right =
        std::min<std::int64_t>(std::int64_t{a.left} + a.width, std::int64_t{b.left} + b.width);
    const std::int64_t bottom =
        std::min<std::int64_t>(std::int64_t{a.top} + a.height, std::int64_t{b.top} + b.height);
    return right > left && bottom > top ? (right - left) * (bottom - top) : 0;
}

// `start` moved so that [start, start + length) lies within [origin, origin + room).
int Fit(int start, int length, int origin, int room) {
    const std::int64_t last = std::int64_t{origin} + room - length;
    return static_cast<int>(
        std::clamp<std::int64_t>(start, origin, std::max<std::int64_t>(last, origin)));
}

}  // namespace

ScreenRect DefaultWindow(const ScreenRect& screen) {
    const int width = std::max(screen.width - settings::kDefaultScreenMargin,
                               std::min(kMinWindowWidth, screen.width));
    const int height = std::max(screen.height - settings::kDefaultScreenMargin,
                                std::min(kMinWindowHeight, screen.height));
    return {screen.left + (screen.width - width) / 2, screen.top + (screen.height - height) / 2,
            width, height};
}

const ScreenRect& ScreenHolding(const ScreenRect& window, std::span<const ScreenRect> screens,
                                std::size_t primary) {
    // A broken size still says by its corner which screen the window was on.
    const ScreenRect probe{window.left, window.top, std::max(window.width, 1),
                           std::max(window.height, 1)};
    const ScreenRect* best = &screens[primary < screens.size() ? primary : 0];
    std::int64_t bestArea = 0;
    for (const ScreenRect& screen : screens) {
        const std::int64_t area = OverlapArea(probe, screen);
        if (area > bestArea) {
            best = &screen;
            bestArea = area;
        }
    }
    return *best;
}

ScreenRect PlaceWindow(const ScreenRect& stored, std::span<const ScreenRect> screens,
                       std::size_t primary) {
    const ScreenRect& screen = ScreenHolding(stored, screens, primary);
    if (stored.width < kMinWindowWidth || stored.height < kMinWindowHeight) {
        return DefaultWindow(screen);
    }
    const int width = std::min(stored.width, screen.width);
    const int height = std::min(stored.height, screen.height);
    return {Fit(stored.left, width, screen.left, screen.width),
            Fit(stored.top, height, screen.top, screen.height), width, height};
}

}  // namespace zor06::app
