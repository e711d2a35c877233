// The printed list of a message view: a title on the first page, then the rows in framed tables
// of a fixed number of rows per page under headings repeated on every page, "Лист N" "из M" at
// the bottom.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "dataset/data_set_header.h"
#include "messages/archive_kind.h"
#include "messages/message_row.h"
#include "report/document.h"

namespace zor06::messages {

struct PageCapacity {
    std::size_t first;
    std::size_t further;
};
PageCapacity RowsPerPage(Archive archive);

// The number of rows on each page. A new page is begun as soon as one is full, so a list whose
// last row fills a page ends with a page of headings only; an empty list has one such page.
std::vector<std::size_t> PageRowCounts(Archive archive, std::size_t rows);

// The six title lines: organisation, kind of list, controller, period and time of reading.
std::vector<std::string> ListTitleLines(Archive archive, const dataset::HdmHeader& header,
                                        std::string_view organisation);

// Interventions print as many rows as the header counts, never more than there are.
report::Document MessageListDocument(Archive archive, const dataset::HdmHeader& header,
                                     const std::vector<MessageRow>& rows,
                                     std::string_view organisation);

}  // namespace zor06::messages
