// zor06ctl's protocol commands: a protocol of the simulated controller, its printed document read
// back from the PDF, and a configuration file listed as a protocol lists it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "config/config_buffer.h"
#include "tests/e2e/ctl_fixture.h"

namespace zor06::test {
namespace {

namespace fs = std::filesystem;

bool Has(const std::string& text, const std::string& what) {
    return text.find(what) != std::string::npos;
}

std::string FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The text of each page of a PDF.
std::vector<std::string> PdfPages(const fs::path& pdf) {
    const auto r = RunProcess("pdftotext", {"-layout", pdf.string(), "-"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    std::vector<std::string> pages;
    std::size_t start = 0;
    for (std::size_t at = r.out.find('\f'); at != std::string::npos; at = r.out.find('\f', start)) {
        pages.push_back(r.out.substr(start, at - start));
        start = at + 1;
    }
    return pages;
}

// The first section heading on a page, after the controller line at its top.
std::string FirstHeadingOf(const std::string& page) {
    const auto header = page.find("Адрес: 1");
    const auto start = page.find_first_not_of(" \n", page.find('\n', header));
    return page.substr(start, page.find('\n', start) - start);
}

class CtlProtocol : public CtlFixture {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("zor06-ctl-prc-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::vector<std::string> Link(std::vector<std::string> rest) const {
        rest.insert(rest.begin(), {"--tcp", endpoint});
        return rest;
    }
    fs::path dir;
};

TEST_F(CtlProtocol, SavesUnderTheProposedNameOrTheGivenOne) {
    Start({"--now", "24-03-05 10:20:00"});
    const auto proposed = Ctl(Link({"--workdir", (dir / "wd").string(), "protocol"}));
    ASSERT_EQ(proposed.exitCode, 0) << proposed.err;
    const fs::path saved = proposed.out.substr(0, proposed.out.find('\n'));
    EXPECT_EQ(saved.parent_path(), dir / "wd" / "CONFIG");
    EXPECT_TRUE(saved.filename().string().starts_with("zor_06-a001-")) << saved;
    const std::string bytes = FileBytes(saved);
    ASSERT_EQ(bytes.size(), 724U);
    EXPECT_EQ(bytes.substr(0, 3), "PRC");
    EXPECT_EQ(bytes[11], 1);  // the checksum was read

    const auto named = Ctl(Link({"protocol", "--out", (dir / "mine").string()}));
    ASSERT_EQ(named.exitCode, 0) << named.err;
    EXPECT_EQ(named.out, (dir / "mine.prc").string() + "\n");
    EXPECT_EQ(FileBytes(dir / "mine.prc").substr(116), bytes.substr(116));
}

TEST_F(CtlProtocol, DocumentStartsPageTwoAfterTheMoistureMeterSection) {
    Start();
    struct Case {
        const char* moisture;
        const char* pageTwo;
    } const cases[] = {
        {"00", "Параметры вычислителей"},
        {"01", "Параметры связи с вычислителями расхода газа"},
    };
    for (const Case& c : cases) {
        const auto written = Ctl(
            Link({"--password", "2222", "--id-code", "2", "write-table", "6", "8", c.moisture}));
        ASSERT_EQ(written.exitCode, 0) << written.err;
        const fs::path prc = dir / (std::string("p") + c.moisture + ".prc");
        const fs::path pdf = dir / (std::string("p") + c.moisture + ".pdf");
        ASSERT_EQ(Ctl(Link({"protocol", "--out", prc.string()})).exitCode, 0);
        const auto printed = Ctl({"print-protocol", prc.string(), "--pdf", pdf.string()});
        ASSERT_EQ(printed.exitCode, 0) << printed.err;
        EXPECT_EQ(printed.out, pdf.string() + "\n");
        const auto pages = PdfPages(pdf);
        ASSERT_EQ(pages.size(), 2U);
        EXPECT_EQ(FirstHeadingOf(pages[1]), c.pageTwo);
        EXPECT_EQ(Has(pages[0], "Параметры связи с влагомером"), c.moisture[1] == '1');
        EXPECT_TRUE(Has(pages[0], "ПРОТОКОЛ КОНФИГУРИРОВАНИЯ"));
        EXPECT_TRUE(Has(pages[0], "1513889582"));  // the simulator's software checksum
        EXPECT_TRUE(Has(pages[1], "Лист 2"));
        EXPECT_TRUE(Has(pages[1], "Должность"));
    }
}

TEST_F(CtlProtocol, ShowConfigListsANewConfiguration) {
    const auto file = config::ToFileBytes(config::NewConfiguration());
    std::ofstream(dir / "new.cnf", std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));
    const auto r = Ctl({"show-config", (dir / "new.cnf").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    for (const char* line : {
             "Системные параметры\tПереход на летнее время\tМарт, пВс, 03:00\n",
             "Наименования\tНаименование контроллера\tКонтроллер ЗОР_06\n",
             "Параметры газа\t8: Запись в ВРГ\tДа\n",
             "Параметры газа\t9: ВПУ\t100.000\n",
             "Параметры вычислителей\t1: Тип\tЛС-4\n",
             "Общие параметры идентификации\tКонтрольная сумма ПО контроллера\t0\n",
         }) {
        EXPECT_TRUE(Has(r.out, line)) << line << r.out;
    }
    EXPECT_FALSE(Has(r.out, "Параметры связи с влагомером"));
    const auto json = Ctl({"show-config", (dir / "new.cnf").string(), "--json"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_TRUE(Has(json.out,
                    "{\"section\": \"Параметры газа\", \"label\": \"8: Запись в ВРГ\", "
                    "\"value\": \"Да\"}"))
        << json.out;
}

}  // namespace
}  // namespace zor06::test
