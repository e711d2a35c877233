#include "zor06-sim/message_records.h"

#include <cstring>
#include <limits>

#include "bytes/byte_writer.h"
#include "text/codepage.h"

namespace zor06::sim {
namespace {

// The tables an intervention can name, with their field counts and the kind of value they hold.
enum class Value { Byte, Name, Float };

struct ChangedTable {
    std::uint8_t table;
    std::uint8_t fields;
    Value value;
};

constexpr ChangedTable kChangedTables[] = {
    {2, 8, Value::Byte},    {3, 4, Value::Byte},    {4, 2, Value::Byte},    {5, 3, Value::Name},
    {6, 12, Value::Byte},   {9, 6, Value::Byte},    {13, 2, Value::Byte},   {14, 14, Value::Byte},
    {15, 8, Value::Byte},   {17, 2, Value::Byte},   {18, 2, Value::Byte},   {19, 2, Value::Byte},
    {20, 2, Value::Byte},   {21, 21, Value::Byte},  {22, 21, Value::Float}, {23, 21, Value::Float},
    {24, 21, Value::Float}, {25, 21, Value::Float}, {26, 21, Value::Float}, {28, 2, Value::Byte},
    {99, 1, Value::Byte},  // a table the decoding does not know
};

constexpr int PatternCount() {
    int n = 0;
    for (const ChangedTable& t : kChangedTables) {
        n += t.fields;
    }
    return n;
}

// Floats that take every branch of the value formats: small, large, negative, zero, not a
// number, infinite.
constexpr float kFloats[] = {1.5F,
                             12345.678F,
                             -0.25F,
                             0.0F,
                             987.65F,
                             1.0e30F,
                             56.789F,
                             7.0F,
                             -4321.5F,
                             std::numeric_limits<float>::quiet_NaN(),
                             std::numeric_limits<float>::infinity()};
constexpr std::size_t kFloatCount = sizeof(kFloats) / sizeof(kFloats[0]);

// Bytes that cover list ends, rate codes past the list and both forms of day codes.
constexpr std::uint8_t kBytes[] = {0,  1,  2,    3,    5,    12,   13,   21,  22,
                                   23, 59, 0x7F, 0x89, 0xC9, 0xD2, 0xBF, 0xFF};
constexpr std::size_t kByteCount = sizeof(kBytes);

void PutFloat(std::uint8_t* at, float value) {
    bytes::ByteWriter(std::span(at, 4)).F32(value);
}

// "ЗОР1", "ОПЕР", "АДМ " in Windows-1251.
constexpr std::uint8_t kNames[][4] = {
    {0xC7, 0xCE, 0xD0, '1'}, {0xCE, 0xCF, 0xC5, 0xD0}, {0xC0, 0xC4, 0xCC, ' '}};

// Events whose object and index bytes follow rules of their own; the rest get a table and field.
bool GasEvent(int e) {
    return (e >= 12 && e <= 17) || (e >= 44 && e <= 47) || (e >= 60 && e <= 68);
}

}  // namespace

std::array<std::uint8_t, 16> InterventionBody(std::uint32_t k, bool namesInCp866) {
    std::array<std::uint8_t, 16> body{};
    int n = static_cast<int>(k % PatternCount());
    const ChangedTable* changed = kChangedTables;
    while (n >= changed->fields) {
        n -= changed->fields;
        ++changed;
    }
    body[0] = static_cast<std::uint8_t>(k);  // not interpreted
    body[1] = changed->table;
    body[2] = static_cast<std::uint8_t>(n);
    body[3] = static_cast<std::uint8_t>(k % 38);  // unit codes 0..36 and one past them
    switch (changed->value) {
        case Value::Byte:
            body[4] = kBytes[k % kByteCount];
            body[8] = kBytes[(k + 5) % kByteCount];
            break;
        case Value::Name:
            std::memcpy(&body[4], kNames[k % 3], 4);
            std::memcpy(&body[8], kNames[(k + 1) % 3], 4);
            if (namesInCp866) {
                text::ToCp866({&body[4], 8});
            }
            break;
        case Value::Float:
            PutFloat(&body[4], kFloats[k % kFloatCount]);
            PutFloat(&body[8], kFloats[(k + 3) % kFloatCount]);
            break;
    }
    std::memcpy(&body[12], kNames[k % 3], 4);
    return body;
}

std::array<std::uint8_t, 14> DiagnosticBody(std::uint32_t k) {
    // Event codes 0..82 in turn, each with a variant that moves on every round.
    constexpr std::uint32_t kEvents = 83;
    const int e = static_cast<int>(k % kEvents);
    const std::uint32_t round = k / kEvents;
    std::array<std::uint8_t, 14> body{};
    body[0] = static_cast<std::uint8_t>(e);
    body[1] = static_cast<std::uint8_t>(k);  // not interpreted
    std::uint8_t object = static_cast<std::uint8_t>(7 + round % 30);
    std::uint8_t index = static_cast<std::uint8_t>(round % 25);
    if (GasEvent(e)) {
        index = static_cast<std::uint8_t>(round % 21);  // 20: an index past the gas parameters
        PutFloat(&body[4], kFloats[round % kFloatCount]);
        PutFloat(&body[8], kFloats[(round + 4) % kFloatCount]);
    } else if (e == 4) {
        object = static_cast<std::uint8_t>(round % 11);
    } else if (e == 5) {
        object = round % 4 == 3 ? 15 : 14;
        body[4] = static_cast<std::uint8_t>(round % 81);
    } else if (e == 10 || e == 11) {
        constexpr std::uint8_t kObjects[] = {33, 33, 33, 34, 12};
        object = kObjects[round % 5];
        index = static_cast<std::uint8_t>(round % 3);
    } else if (e == 22 || e == 23) {
        constexpr std::uint8_t kObjects[] = {200, 201, 17};
        object = kObjects[round % 3];
        index = static_cast<std::uint8_t>(round * 7 % 90);
    } else if (e == 40 || e == 41) {
        object = static_cast<std::uint8_t>(241 + round % 4);
    } else if (e == 78) {
        object = round % 2 == 0 ? 41 : 40;
        index = 1;
    }
    body[2] = object;
    body[3] = index;
    return body;
}

}  // namespace zor06::sim
