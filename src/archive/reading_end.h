// How an archive reading ended, as its front ends need to know it: whether a view opened, and
// whether it shows every record asked for or what came before the reading was cut short.
#pragma once

namespace zor06::archive {

enum class ReadingEnd {
    NothingShown,  // nothing was read, or the work file failed: no view opened
    Complete,      // the range or period was read to its end
    LinkFailed,    // cut short: a request failed after its attempts, or the link was lost
    Refused,       // cut short: a record lay outside the period asked for, or repeated one read
    Interrupted,   // cut short: Esc
};

constexpr bool CutShort(ReadingEnd end) {
    return end != ReadingEnd::NothingShown && end != ReadingEnd::Complete;
}

}  // namespace zor06::archive
