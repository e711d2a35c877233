// Preview and printing of laid-out pages through the standard dialogs. Both return false when
// the output failed, so that the caller can say so; cancelling is no failure.
#pragma once

#include "report/pages.h"

class QWidget;

namespace zor06::widgets {

bool PreviewPages(const report::Pages& pages, QWidget* parent);
bool PrintPagesWithDialog(const report::Pages& pages, QWidget* parent);

}  // namespace zor06::widgets
