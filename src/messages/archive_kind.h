// The two message archives of the controller and everything that differs between them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zor06::messages {

enum class Archive : std::uint8_t { Diagnostics = 0, Interventions = 1 };

struct ArchiveKind {
    Archive archive;
    std::uint8_t code;             // request byte 1
    int boundaryTable;             // oldest and newest index
    std::size_t recordSize;        // bytes of one record
    int batch;                     // most records asked for in one request by index
    std::string_view workFile;     // in the program directory
    std::string_view kindLetters;  // of the data-set header
    std::string_view title;        // first line of the reading's messages
    std::string_view errorLine;    // second line of "Обнаружена ошибка"
};

const ArchiveKind& KindOf(Archive archive);

}  // namespace zor06::messages
