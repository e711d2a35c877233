// Laid-out pages written as PDF and read back with the poppler tools: page count, sheet size,
// the Cyrillic texts on the page they belong to, whole; and the widths layout counts with are
// the ones painted.
#include <unistd.h>
#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTest>
#include <cmath>
#include <filesystem>
#include <string>

#include "report/layout.h"
#include "report/render/page_renderer.h"
#include "report/text_metrics.h"
#include "tests/support/pdf_words.h"
#include "tests/support/run_process.h"

namespace zor06::report {
namespace {

namespace fs = std::filesystem;

Band Line(const std::string& text, double height) {
    Band b;
    b.height = height;
    b.texts.push_back({text, {0, 0, 150, height}, {FontFamily::Sans, 10, false}, Align::Left});
    return b;
}

Document TwoPages(Orientation o) {
    Document d;
    d.page = A4(o);
    d.pageFooter.height = 6;
    d.pageFooter.texts.push_back({"Лист {page} из {pages}", {0, 0, 60, 6}, {}, Align::Left});
    d.body = {Line("Общие параметры идентификации", 8), PageBreak{},
              Line("Параметры вычислителей", 8)};
    Table t;
    t.columns = {{"N", 10, Align::Right}, {"Тип", 40, Align::Left}};
    t.rows = {{"1", "ВЕРСАНТ"}, {"2", "Очень длинное наименование типа, шире столбца"}};
    d.body.emplace_back(t);
    return d;
}

}  // namespace

class TstPdfOutput : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir_ = fs::temp_directory_path() / ("zor06-pdf-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void cleanup() { fs::remove_all(dir_); }
    void writesPagesWithTheirTexts_data();
    void writesPagesWithTheirTexts();
    void failureLeavesNoFile();
    void widthsAreThoseQtPaints_data();
    void widthsAreThoseQtPaints();

private:
    fs::path dir_;
};

void TstPdfOutput::writesPagesWithTheirTexts_data() {
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<QString>("size");
    QTest::newRow("portrait") << false << "595 x 842 pts (A4)";
    QTest::newRow("landscape") << true << "842 x 595 pts (A4)";
}

void TstPdfOutput::writesPagesWithTheirTexts() {
    QFETCH(bool, landscape);
    QFETCH(QString, size);
    const fs::path pdf = dir_ / "out.pdf";
    std::string reason;
    QVERIFY(WritePdf(Layout(TwoPages(landscape ? Orientation::Landscape : Orientation::Portrait)),
                     pdf, &reason));

    const auto info = test::RunProcess("pdfinfo", {pdf.string()});
    QCOMPARE(info.exitCode, 0);
    QVERIFY2(info.out.find("Pages:           2") != std::string::npos, info.out.c_str());
    QVERIFY2(info.out.find(size.toStdString()) != std::string::npos, info.out.c_str());

    const auto text = test::RunProcess("pdftotext", {"-layout", pdf.string(), "-"});
    QCOMPARE(text.exitCode, 0);
    const std::size_t split = text.out.find('\f');
    QVERIFY(split != std::string::npos);
    const std::string first = text.out.substr(0, split);
    const std::string second = text.out.substr(split);
    QVERIFY(first.find("Общие параметры идентификации") != std::string::npos);
    QVERIFY(first.find("Лист 1 из 2") != std::string::npos);
    QVERIFY(first.find("ВЕРСАНТ") == std::string::npos);
    QVERIFY(second.find("Параметры вычислителей") != std::string::npos);
    QVERIFY(second.find("ВЕРСАНТ") != std::string::npos);
    QVERIFY(second.find("Лист 2 из 2") != std::string::npos);
    // Too wide for its column: drawn whole on further lines, never cut.
    QVERIFY(test::HoldsText(test::PdfWords(pdf), "Очень длинное наименование типа, шире столбца"));
    QVERIFY(second.find("…") == std::string::npos);
}

void TstPdfOutput::failureLeavesNoFile() {
    const fs::path pdf = dir_ / "missing" / "out.pdf";
    std::string reason;
    QVERIFY(!WritePdf(Layout(TwoPages(Orientation::Portrait)), pdf, &reason));
    QVERIFY(!reason.empty());
    QVERIFY(!fs::exists(dir_ / "missing"));
}

void TstPdfOutput::widthsAreThoseQtPaints_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("size");
    QTest::addColumn<bool>("bold");
    QTest::newRow("time") << "23:59:59" << 6.5 << false;
    QTest::newRow("number") << "-1234500048004035767283367444480" << 6.5 << false;
    QTest::newRow("mode") << "Запись средних значений за закончившийся час" << 7.5 << false;
    QTest::newRow("heading") << "Наименование  параметра, °C/(кгс/см2)" << 7.0 << true;
}

// The layout's widths are the painted ones, so that what it sizes to fit does fit the page.
void TstPdfOutput::widthsAreThoseQtPaints() {
    QFETCH(QString, text);
    QFETCH(double, size);
    QFETCH(bool, bold);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(600);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(size);
    font.setBold(bold);
    const double painted = QFontMetricsF(font, &writer).horizontalAdvance(text) * 25.4 / 600;
    const double laidOut = TextWidth(text.toStdString(), {FontFamily::Sans, size, bold});
    QVERIFY2(std::abs(laidOut - painted) <= 0.01 * painted,
             qPrintable(QStringLiteral("%1 mm laid out, %2 mm painted").arg(laidOut).arg(painted)));
}

}  // namespace zor06::report

QTEST_MAIN(zor06::report::TstPdfOutput)
#include "tst_pdf_output.moc"
