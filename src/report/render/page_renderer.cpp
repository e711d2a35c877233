#include "report/render/page_renderer.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "platform/file_io.h"

namespace zor06::report {
namespace {

constexpr int kPdfResolution = 600;

QFont QtFont(const Font& f) {
    QFont font(f.family == FontFamily::Mono ? QStringLiteral("DejaVu Sans Mono")
                                            : QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(f.size);
    font.setBold(f.bold);
    font.setStyleHint(f.family == FontFamily::Mono ? QFont::Monospace : QFont::SansSerif);
    return font;
}

Qt::Alignment QtAlign(Align a) {
    switch (a) {
        case Align::Center:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case Align::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case Align::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QRectF Rect(const Box& b, double k) {
    return {b.x * k, b.y * k, b.width * k, b.height * k};
}

// Layout sized the box from the same font's advances; should the painted text still come out a
// little wider (hinting, a substituted font), it is drawn smaller, never cut.
void DrawText(const Text& t, QPainter& painter, double k) {
    const QRectF rect = Rect(t.box, k);
    QFont font = QtFont(t.font);
    const QString text = QString::fromStdString(t.text);
    const double width = QFontMetricsF(font, painter.device()).horizontalAdvance(text);
    if (width > rect.width() && width > 0) {
        font.setPointSizeF(t.font.size * rect.width() / width);
    }
    painter.setFont(font);
    painter.drawText(
        rect, static_cast<int>(QtAlign(t.align)) | Qt::TextSingleLine | Qt::TextDontClip, text);
}

void UsePen(QPainter& painter, double widthMm, double k) {
    QPen pen(Qt::black);
    pen.setWidthF(widthMm * k);
    painter.setPen(pen);
}

QPageLayout SheetLayout(const PageGeometry& g) {
    const bool landscape = g.width > g.height;
    const QPageSize size(QSizeF(landscape ? g.height : g.width, landscape ? g.width : g.height),
                         QPageSize::Millimeter);
    return QPageLayout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

}  // namespace

void RenderPage(const Page& page, QPainter& painter, double k) {
    painter.setBrush(Qt::NoBrush);
    for (const Frame& f : page.frames) {
        UsePen(painter, f.lineWidth, k);
        painter.drawRect(Rect(f.box, k));
    }
    for (const Line& l : page.lines) {
        UsePen(painter, l.width, k);
        painter.drawLine(QPointF(l.x1 * k, l.y1 * k), QPointF(l.x2 * k, l.y2 * k));
    }
    painter.setPen(Qt::black);
    for (const Text& t : page.texts) {
        DrawText(t, painter, k);
    }
}

bool RenderPages(const Pages& pages, QPagedPaintDevice& device) {
    device.setPageLayout(SheetLayout(pages.geometry));
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const double k = device.width() / pages.geometry.width;
    for (std::size_t i = 0; i < pages.pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            return false;
        }
        RenderPage(pages.pages[i], painter, k);
    }
    return painter.end();
}

bool WritePdf(const Pages& pages, const std::filesystem::path& path, std::string* reason) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setCreator(QStringLiteral("zor06"));
        if (!RenderPages(pages, writer)) {
            if (reason != nullptr) {
                *reason = "the PDF could not be painted";
            }
            return false;
        }
    }
    const QByteArray& bytes = buffer.data();
    std::string why;
    if (!platform::WriteFileAtomically(
            path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
            &why)) {
        if (reason != nullptr) {
            *reason = why;
        }
        return false;
    }
    return true;
}

bool PrintPages(const Pages& pages, QPrinter& printer) {
    printer.setFullPage(true);
    return RenderPages(pages, printer) && printer.printerState() != QPrinter::Error;
}

}  // namespace zor06::report
