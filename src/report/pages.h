// What the layout pass makes of a document: pages of items at absolute positions (millimetres
// from the page's top left corner), ready to be painted.
#pragma once

#include <vector>

#include "report/document.h"

namespace zor06::report {

struct Page {
    std::vector<Text> texts;
    std::vector<Line> lines;
    std::vector<Frame> frames;
};

struct Pages {
    PageGeometry geometry;
    std::vector<Page> pages;
};

}  // namespace zor06::report
