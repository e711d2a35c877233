// The printed configuration protocol as a banded document: the title and compiled-by line, the
// controller line at the top of every page, "Лист N" "из M" at the bottom, the sections as
// framed rows or column tables, the break before page 2 and the signatures.
#pragma once

#include "config/protocol_content.h"
#include "report/document.h"

namespace zor06::config {

report::Document ProtocolDocument(const ProtocolContent& content);

}  // namespace zor06::config
