// Paints laid-out pages with Qt: on any paged device (printer, PDF writer, preview), page by
// page, and into PDF files. Every text is drawn whole: one that comes out wider than its box is
// drawn smaller.
#pragma once

#include <filesystem>
#include <string>

#include "report/pages.h"

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace zor06::report {

// Paints one page on a painter whose device covers the whole sheet, `dotsPerMm` device pixels to
// the millimetre.
void RenderPage(const Page& page, QPainter& painter, double dotsPerMm);

// Sets the device to the pages' sheet without margins and paints every page; false when the
// device could not be painted on.
bool RenderPages(const Pages& pages, QPagedPaintDevice& device);

// The pages as a PDF file, written atomically; on failure `reason` says why.
bool WritePdf(const Pages& pages, const std::filesystem::path& path, std::string* reason = nullptr);

// The pages on the printer the caller set up (its page size and orientation are set here).
bool PrintPages(const Pages& pages, QPrinter& printer);

}  // namespace zor06::report
