// What a printout is and for whom: the organisation name kept for every printout, and the lines
// of the print-data dialog that say what will be printed.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "dataset/data_set_header.h"

namespace zor06::dataset {

inline constexpr std::size_t kOrganisationBytes = 40;

// The organisation name of title.ini as UTF-8; empty when the file is missing or unreadable.
std::string ReadOrganisationName(const std::filesystem::path& file);
// Writes it back as exactly 40 Windows-1251 bytes, zero after the name; false when it cannot.
bool WriteOrganisationName(const std::filesystem::path& file, const std::string& name);

// The same two forms without the file: the name its bytes hold, and the bytes for a name.
std::string OrganisationNameOf(std::string_view bytes);
std::string OrganisationNameBytes(const std::string& name);

// The report kinds: 0..2 chromatograph hourly, daily, 3-minute; 3 diagnostics; 4 interventions;
// 5 calibration; 6..8 moisture meter hourly, daily, 3-minute.
inline constexpr int kPrintKinds = 9;
// The three lines the dialog shows for the kind, filled from the data set's header; empty lines
// for a kind outside 0..8.
std::array<std::string, 3> PrintDataLines(int kind, const HdmHeader& header);

}  // namespace zor06::dataset
