// A banded printed document as plain data: the bands and tables in their order, the page they go
// on and the fonts they use. Every length is in millimetres; positions inside a band are relative
// to the band's top left corner at the left margin.
#pragma once

#include <string>
#include <variant>
#include <vector>

namespace zor06::report {

enum class Orientation { Portrait, Landscape };

struct PageGeometry {
    double width = 210;
    double height = 297;
    double marginLeft = 15;
    double marginRight = 10;
    double marginTop = 10;
    double marginBottom = 10;

    double ContentWidth() const { return width - marginLeft - marginRight; }
};

// A4 with the usual margins, turned as asked.
PageGeometry A4(Orientation orientation = Orientation::Portrait);

inline constexpr double kMillimetresPerPoint = 25.4 / 72;

enum class FontFamily { Sans, Mono };  // "DejaVu Sans", "DejaVu Sans Mono"

struct Font {
    FontFamily family = FontFamily::Sans;
    double size = 9;  // points
    bool bold = false;
    bool operator==(const Font&) const = default;
};

enum class Align { Left, Center, Right };

struct Box {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    bool operator==(const Box&) const = default;
};

// One line of text in its box, vertically centred. Footer and header texts may hold
// kPagePlaceholder and kPageCountPlaceholder, filled once the page count is known.
struct Text {
    std::string text;
    Box box;
    Font font;
    Align align = Align::Left;
};

inline constexpr const char* kPagePlaceholder = "{page}";
inline constexpr const char* kPageCountPlaceholder = "{pages}";

struct Line {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    double width = 0.2;
};

struct Frame {
    Box box;
    double lineWidth = 0.2;
};

// A block that is never split across pages. A band that is not visible takes no height.
struct Band {
    double height = 0;
    std::vector<Text> texts;
    std::vector<Line> lines;
    std::vector<Frame> frames;
    bool visible = true;
};

struct Column {
    std::string title;
    double width = 0;
    Align align = Align::Left;
};

// Rows under a column header; the header is repeated at the top of every page the table reaches.
// `maxRowsPerPage` (0: as many as fit) starts a new page after that many rows. A cell too wide for
// its column goes on further lines, each `rowHeight` high.
inline constexpr double kCellPadding = 1;  // between a cell's frame and its text, either side

struct Table {
    std::vector<Column> columns;
    std::vector<std::vector<std::string>> rows;  // a row may hold fewer cells than columns
    Font headerFont{FontFamily::Sans, 8, true};
    Font rowFont{FontFamily::Sans, 8, false};
    double headerHeight = 6;
    double rowHeight = 5;
    bool showHeader = true;
    Band heading;      // drawn instead of the column titles when it has a height
    bool grid = true;  // a frame around every cell
    int maxRowsPerPage = 0;
    bool visible = true;
};

// The next element starts on a new page.
struct PageBreak {};

using Element = std::variant<Band, Table, PageBreak>;

// Title on the first page only, page header and footer on every page, then the body, then the
// summary (on a page of its own when asked).
struct Document {
    PageGeometry page = A4();
    Band title;
    Band pageHeader;
    Band pageFooter;
    std::vector<Element> body;
    Band summary;
    bool summaryOnNewPage = false;
};

}  // namespace zor06::report
