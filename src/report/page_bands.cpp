#include "report/page_bands.h"

namespace zor06::report {

Band ListTitle(const std::vector<std::string>& lines, double width,
               bool (*bold)(std::size_t line)) {
    constexpr Font kBoldFont{FontFamily::Sans, 10, true};
    constexpr double kLineHeight = 4.5;
    Band band;
    double y = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        band.texts.push_back({lines[i],
                              {0, y, width, kLineHeight},
                              bold(i) ? kBoldFont : kListLineFont,
                              i == 0 ? Align::Left : Align::Center});
        y += kLineHeight;
    }
    band.height = y + 2;
    return band;
}

Band PageOfPagesFooter(double width, double height, double textHeight, const Font& font) {
    Band band;
    band.height = height;
    band.texts.push_back({std::string("Лист ") + kPagePlaceholder,
                          {width - 50, 1, 24, textHeight},
                          font,
                          Align::Right});
    band.texts.push_back({std::string("из ") + kPageCountPlaceholder,
                          {width - 24, 1, 24, textHeight},
                          font,
                          Align::Left});
    return band;
}

}  // namespace zor06::report
