// The printed message lists written as PDF and read back with pdftotext: every text the
// decoders make, the widest numbers and the longest names and events among them, comes back
// whole, and rows that fit on one line keep the pages' row counts.
#include <unistd.h>
#include <QGuiApplication>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>

#include "messages/diagnostic_decoding.h"
#include "messages/intervention_decoding.h"
#include "messages/message_list_document.h"
#include "messages/message_records.h"
#include "report/layout.h"
#include "report/render/page_renderer.h"
#include "tests/support/pdf_words.h"
#include "text/text_format.h"

namespace zor06::messages {
namespace {

namespace fs = std::filesystem;

constexpr float kFloats[] = {1e30F, -1.2345e30F, std::nanf(""), 89.97F, -4321.5F, 0.0F};

constexpr dataset::Bytes6 kLatest{26, 12, 31, 23, 59, 59};

// Every event with objects and indices that reach each of its texts, gas events with every
// kind of value.
std::vector<MessageRow> EveryDiagnostic() {
    std::vector<MessageRow> rows;
    for (int event = 0; event <= 90; ++event) {
        for (int variant = 0; variant < 80; variant += event == 5 || event == 22 ? 1 : 13) {
            DiagnosticRecord r;
            r.when = kLatest;
            r.event = static_cast<std::uint8_t>(event);
            r.object = static_cast<std::uint8_t>(event == 5    ? 14
                                                 : event == 22 ? 200 + variant % 2
                                                 : event == 10 ? 33 + variant % 2
                                                 : event == 4  ? variant % 11
                                                               : 242 + variant % 3);
            r.index = static_cast<std::uint8_t>(variant % 21);
            r.first = BytesOf(kFloats[variant % std::size(kFloats)]);
            r.second = BytesOf(kFloats[(variant + 1) % std::size(kFloats)]);
            if (event == 5) {
                r.first[0] = static_cast<std::uint8_t>(variant);
            }
            rows.push_back(DecodeDiagnostic(r));
        }
    }
    return rows;
}

// Every table and field the decoding names, with bytes past the lists and floats of every kind.
std::vector<MessageRow> EveryIntervention() {
    std::vector<MessageRow> rows;
    int k = 0;
    for (int table = 0; table <= 28; ++table) {
        for (int field = 0; field <= 20; ++field, ++k) {
            InterventionRecord r;
            r.when = kLatest;
            r.table = static_cast<std::uint8_t>(table);
            r.field = static_cast<std::uint8_t>(field);
            r.unit = static_cast<std::uint8_t>(k % 38);
            const bool gas = table >= 22 && table <= 26;
            r.oldValue = gas ? BytesOf(kFloats[k % std::size(kFloats)])
                             : Value4{static_cast<std::uint8_t>(k % 2 == 0 ? 0xC9 : 0), 0, 0, 0};
            r.newValue = gas ? BytesOf(kFloats[(k + 1) % std::size(kFloats)])
                             : Value4{static_cast<std::uint8_t>(k % 3 == 0 ? 0xFF : '1'), 0, 0, 0};
            r.user = {'O', 'P', 'E', 'R'};
            rows.push_back(DecodeIntervention(r, {}));
        }
    }
    return rows;
}

}  // namespace

class TstMessageListPdf : public QObject {
    Q_OBJECT
private slots:
    void everyTextComesBackWhole_data();
    void everyTextComesBackWhole();
};

void TstMessageListPdf::everyTextComesBackWhole_data() {
    QTest::addColumn<bool>("diagnostics");
    QTest::newRow("interventions") << false;
    QTest::newRow("diagnostics") << true;
}

void TstMessageListPdf::everyTextComesBackWhole() {
    QFETCH(bool, diagnostics);
    const Archive archive = diagnostics ? Archive::Diagnostics : Archive::Interventions;
    const std::vector<MessageRow> rows = diagnostics ? EveryDiagnostic() : EveryIntervention();
    dataset::HdmHeader header;
    header.recordCount = static_cast<std::uint32_t>(rows.size());
    const fs::path pdf =
        fs::temp_directory_path() / ("zor06-list-" + std::to_string(::getpid()) + ".pdf");
    std::string reason;
    QVERIFY2(report::WritePdf(report::Layout(MessageListDocument(archive, header, rows, "")), pdf,
                              &reason),
             reason.c_str());
    const std::vector<test::PdfWord> words = test::PdfWords(pdf);
    fs::remove(pdf);
    QVERIFY(!words.empty());

    std::set<std::string> texts;
    for (const MessageRow& row : rows) {
        for (const std::string& cell : row) {
            if (!text::TrimBlanks(cell).empty()) {
                texts.emplace(text::TrimBlanks(cell));
            }
        }
    }
    QVERIFY(texts.contains("23:59:59"));
    QVERIFY(texts.contains(diagnostics ? "NAN" : "?"));
    QVERIFY(std::ranges::any_of(texts, [](const std::string& t) {
        return t.starts_with("1000000015047466219876688855040");
    }));
    const bool negative = std::ranges::any_of(texts, [](const std::string& t) {
        return t.starts_with(text::Printf("%.0f", static_cast<double>(-1.2345e30F)));
    });
    QVERIFY(negative);
    for (const std::string& t : texts) {
        QVERIFY2(test::HoldsText(words, t), t.c_str());
    }
}

}  // namespace zor06::messages

QTEST_MAIN(zor06::messages::TstMessageListPdf)
#include "tst_message_list_pdf.moc"
