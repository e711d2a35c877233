#include "tests/support/pdf_words.h"

#include <algorithm>
#include <cmath>
#include <regex>
#include <span>

#include "tests/support/run_process.h"

namespace zor06::test {
namespace {

// Entities of the XHTML output resolved, and the ligatures the painter shapes "fl" and the like
// into taken apart again.
std::string Unescaped(std::string text) {
    static const std::pair<std::string_view, std::string_view> kEntities[] = {
        {"&quot;", "\""}, {"&apos;", "'"},  {"&lt;", "<"},   {"&gt;", ">"},
        {"&amp;", "&"},   {"\uFB01", "fi"}, {"\uFB02", "fl"}};
    for (const auto& [entity, letters] : kEntities) {
        for (auto at = text.find(entity); at != std::string::npos; at = text.find(entity, at)) {
            text.replace(at, entity.size(), letters);
        }
    }
    return text;
}

// Reads `target` on from `at` after `last`: along the line, or down into the next line where
// it overlaps the current line's words (left..right).
bool ReadOn(std::span<const PdfWord> page, const std::string& target, const PdfWord& last,
            std::size_t at, double left, double right) {
    if (at == target.size()) {
        return true;
    }
    const double height = last.yMax - last.yMin;
    return std::ranges::any_of(page, [&](const PdfWord& w) {
        if (target.compare(at, w.text.size(), w.text) != 0) {
            return false;
        }
        const bool along = std::fabs(w.yMin - last.yMin) < height / 3 &&
                           w.xMin >= last.xMax - 0.1 && w.xMin - last.xMax < 2 * height;
        const bool below = w.yMin > last.yMin + height / 2 && w.yMin < last.yMin + 2 * height &&
                           w.xMin < right && w.xMax > left;
        return (along && ReadOn(page, target, w, at + w.text.size(), left, w.xMax)) ||
               (below && ReadOn(page, target, w, at + w.text.size(), w.xMin, w.xMax));
    });
}

}  // namespace

std::vector<PdfWord> PdfWords(const std::filesystem::path& pdf) {
    const ProcessResult r = RunProcess("pdftotext", {"-bbox", pdf.string(), "-"});
    static const std::regex kWord(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]+)<)re");
    std::vector<PdfWord> words;
    int page = 0;
    std::size_t start = 0;
    for (auto end = r.out.find('\n'); end != std::string::npos; end = r.out.find('\n', start)) {
        const std::string line = r.out.substr(start, end - start);
        start = end + 1;
        std::smatch m;
        if (line.find("<page ") != std::string::npos) {
            ++page;
        } else if (std::regex_search(line, m, kWord)) {
            words.push_back({page, std::stod(m[1]), std::stod(m[2]), std::stod(m[3]),
                             std::stod(m[4]), Unescaped(m[5])});
        }
    }
    return words;
}

bool HoldsText(const std::vector<PdfWord>& words, std::string_view text) {
    std::string target;
    std::ranges::copy_if(text, std::back_inserter(target), [](char c) { return c != ' '; });
    return std::ranges::any_of(words, [&](const PdfWord& first) {
        const auto [from, to] = std::ranges::equal_range(words, first.page, {}, &PdfWord::page);
        return target.starts_with(first.text) && ReadOn(std::span(from, to), target, first,
                                                        first.text.size(), first.xMin, first.xMax);
    });
}

}  // namespace zor06::test
