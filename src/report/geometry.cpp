#include "report/document.h"

namespace zor06::report {

PageGeometry A4(Orientation orientation) {
    PageGeometry g;
    if (orientation == Orientation::Landscape) {
        g.width = 297;
        g.height = 210;
    }
    return g;
}

}  // namespace zor06::report
