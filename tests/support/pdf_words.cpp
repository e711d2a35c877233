#include "tests/support/pdf_words.h"

#include <algorithm>
#include <cmath>
#include <regex>

#include "tests/support/run_process.h"

namespace zor06::test {
namespace {

// The word's letters: entities of the XHTML output resolved, and the ligatures that the painter
// shapes "fl" and the like into taken apart again.
std::string Unescaped(std::string text) {
    static const std::pair<std::string_view, std::string_view> kEntities[] = {
        {"&quot;", "\""}, {"&apos;", "'"},  {"&lt;", "<"},    {"&gt;", ">"},     {"&amp;", "&"},
        {"\uFB00", "ff"}, {"\uFB01", "fi"}, {"\uFB02", "fl"}, {"\uFB03", "ffi"}, {"\uFB04", "ffl"}};
    for (const auto& [entity, character] : kEntities) {
        for (std::size_t at = text.find(entity); at != std::string::npos;
             at = text.find(entity, at + character.size())) {
            text.replace(at, entity.size(), character);
        }
    }
    return text;
}

std::string WithoutBlanks(std::string_view text) {
    std::string result;
    std::ranges::copy_if(text, std::back_inserter(result), [](char c) { return c != ' '; });
    return result;
}

struct Reader {
    const std::vector<PdfWord>& words;
    const std::string target;

    bool Continues(const PdfWord& w, std::size_t at) const {
        return !w.text.empty() && target.compare(at, w.text.size(), w.text) == 0;
    }

    // Reads on from `at` after `last`, the words of the current line spanning left..right.
    bool From(const PdfWord& last, std::size_t at, double left, double right, int depth) const {
        if (at == target.size()) {
            return true;
        }
        if (depth > 200) {
            return false;
        }
        const double height = last.yMax - last.yMin;
        for (const PdfWord& w : words) {
            if (w.page != last.page || !Continues(w, at)) {
                continue;
            }
            const bool sameLine = std::fabs(w.yMin - last.yMin) < height / 3 &&
                                  w.xMin >= last.xMax - 0.1 && w.xMin - last.xMax < 2 * height;
            const bool below = w.yMin > last.yMin + height / 2 && w.yMin < last.yMin + 2 * height &&
                               w.xMin < right && w.xMax > left;
            if (sameLine && From(w, at + w.text.size(), left, w.xMax, depth + 1)) {
                return true;
            }
            if (below && From(w, at + w.text.size(), w.xMin, w.xMax, depth + 1)) {
                return true;
            }
        }
        return false;
    }
};

}  // namespace

std::vector<PdfWord> PdfWords(const std::filesystem::path& pdf) {
    const ProcessResult r = RunProcess("pdftotext", {"-bbox", pdf.string(), "-"});
    std::vector<PdfWord> words;
    if (r.exitCode != 0) {
        return words;
    }
    static const std::regex kWord(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    int page = 0;
    std::size_t at = 0;
    for (std::size_t next = r.out.find('<', at); next != std::string::npos;
         next = r.out.find('<', at)) {
        const std::size_t end = r.out.find('\n', next);
        const std::string line = r.out.substr(next, end - next);
        at = end == std::string::npos ? r.out.size() : end;
        std::smatch m;
        if (line.starts_with("<page ")) {
            ++page;
        } else if (std::regex_search(line, m, kWord)) {
            words.push_back({page, std::stod(m[1]), std::stod(m[2]), std::stod(m[3]),
                             std::stod(m[4]), Unescaped(m[5])});
        }
    }
    return words;
}

bool HoldsText(const std::vector<PdfWord>& words, std::string_view text) {
    const Reader reader{words, WithoutBlanks(text)};
    return std::ranges::any_of(words, [&](const PdfWord& w) {
        return reader.Continues(w, 0) && reader.From(w, w.text.size(), w.xMin, w.xMax, 0);
    });
}

}  // namespace zor06::test
