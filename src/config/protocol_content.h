// What a configuration protocol prints, as plain data: the heading lines and the sections in
// their order, each a list of label/value rows or a table; sections whose device is not
// connected are absent.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "config/protocol_record.h"

namespace zor06::config {

inline constexpr const char* kProtocolTitle =
    " ПРОТОКОЛ КОНФИГУРИРОВАНИЯ  КОНТРОЛЛЕРА ГРАНИТОЛ (ksv73-gt)";
inline constexpr const char* kProtocolScreenLine =
    "Протокол конфигурирования контроллера  ГРАНИТОЛ (ksv73-gt)";

enum class SectionKind {
    Fields,      // rows of {label, value}
    Table,       // rows of cells under `columns`
    Signatures,  // `columns` above lines to sign on
};

// The table of flow computers; the other table is that of the gas parameters.
inline constexpr int kFlowComputersSection = 8;

struct ProtocolSection {
    int number = 0;  // 1..10, the place of the section in a full protocol
    std::string heading;
    SectionKind kind = SectionKind::Fields;
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
};

struct ProtocolContent {
    std::string compiledBy;
    std::string controllerLine;
    std::vector<ProtocolSection> sections;
    std::size_t secondPageStart = 0;  // index in `sections`; its size when page 2 is empty
};

ProtocolContent BuildProtocolContent(const ProtocolRecord& record);

// "Составлен программой zor_06 ..." with the creation time.
std::string CompiledByLine(const ProtocolRecord& record);
// "Контроллер: \"...\".  Адрес: N".
std::string ControllerLine(const ProtocolRecord& record);

// A summer or winter time change of table 6 (month, day code, hour).
std::string ChangeRuleText(std::uint8_t month, std::uint8_t dayCode, std::uint8_t hour);

}  // namespace zor06::config
