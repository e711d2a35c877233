#include "config/prepare_image.h"

#include <algorithm>
#include <optional>

#include "config/flow_computers.h"
#include "config/limits_editor.h"
#include "config/users_table.h"
#include "text/text_format.h"

namespace zor06::config {
namespace {

constexpr int kChromatographPresent = 7;  // system parameter bytes
constexpr int kMoisturePresent = 8;
constexpr int kFlowComputersPresent = 9;

void CopyPart(const ConfigBuffer& buffer, ConfigPart p, tables::ControllerImage& image, int table) {
    const auto from = buffer.Part(p);
    std::ranges::copy(from.first(tables::Table(table).Bytes()), image.Whole(table).begin());
}

bool Refuse(dialogue::Operator& op, std::string_view text1, std::string_view text2) {
    op.ShowMessage(dialogue::MessageKind::InputError, text1, text2);
    return false;
}

// The first fault of the users list as its two message lines.
std::optional<std::pair<std::string, std::string>> UsersFault(const UsersTable& users) {
    const int manufacturers = CountLevel(users, AccessLevel::ManufacturerAdjuster);
    if (manufacturers == 0) {
        return std::pair<std::string, std::string>{"В списке зарегистрированных пользователей",
                                                   "не зарегистрирован производитель-наладчик"};
    }
    if (manufacturers > 1) {
        return std::pair<std::string, std::string>{"Может быть зарегистрирован",
                                                   "только один производитель-наладчик"};
    }
    for (std::size_t i = 0; i < users.size(); ++i) {
        if (users[i].level == 0) {
            continue;
        }
        const int n = static_cast<int>(i) + 1;
        if (users[i].BlankName()) {
            return std::pair{text::Printf("Номер пользователя в таблице: %d.", n),
                             std::string("Не задано имя пользователя")};
        }
        if (users[i].BlankCode()) {
            return std::pair{text::Printf("Номер пользователя в таблице: %d.", n),
                             std::string("Не задан код идентификации пользователя")};
        }
        for (std::size_t j = i + 1; j < users.size(); ++j) {
            if (users[j].level == 0) {
                continue;
            }
            const std::string pair =
                text::Printf("Пользователи   %d и %d.", n, static_cast<int>(j) + 1);
            if (users[j].name == users[i].name) {
                return std::pair{pair, std::string("Совпадение имен пользователей")};
            }
            if (users[j].code == users[i].code) {
                return std::pair{pair, std::string("Совпадение кодов идентификации пользователя")};
            }
        }
    }
    return std::nullopt;
}

bool PrepareUsers(const ConfigBuffer& buffer, tables::ControllerImage& image,
                  dialogue::Operator& op) {
    UsersTable users = DecodeUsers(buffer.Part(part::kUsers).first<kUserSlots * kUserRecordSize>());
    for (UserRecord& u : users) {
        u.reserved = 0;
        if (u.level == 0) {
            const UserRecord free = UserRecord::Free();
            u.name = free.name;
            u.password = free.password;
            u.code = free.code;
        }
    }
    if (const auto fault = UsersFault(users)) {
        return Refuse(op, fault->first, fault->second);
    }
    EncodeUsers(users, image.Whole(4).first<kUserSlots * kUserRecordSize>());
    return true;
}

void CopyFlowComputers(const ConfigBuffer& buffer, tables::ControllerImage& image) {
    for (int i = 0; i < kMaxFlowComputers; ++i) {
        const FlowRecord r = FlowRecord::Decode(buffer.Part(part::kFlowComputers)
                                                    .subspan(std::size_t(i) * kFlowRecordSize)
                                                    .first<kFlowRecordSize>());
        image.SetByte(17, i, r.type);
        image.SetByte(18, i, r.address);
        image.SetByte(19, i, r.necessity);
        image.SetByte(20, i, r.byteOrder);
        std::ranges::copy(r.password, image.Field(13, i).begin());
    }
}

// The count goes out with table 9 and bounds the flow-computer tables written after it, whether
// or not flow computers are connected.
bool FlowCountInRange(const ConfigBuffer& buffer) {
    const int count = buffer.Part(part::kFlowLine)[0];
    return count >= 1 && count <= kMaxFlowComputers;
}

bool FlowAddressesSet(const ConfigBuffer& buffer) {
    for (int i = 0; i < buffer.Part(part::kFlowLine)[0]; ++i) {
        const FlowRecord r = FlowRecord::Decode(buffer.Part(part::kFlowComputers)
                                                    .subspan(std::size_t(i) * kFlowRecordSize)
                                                    .first<kFlowRecordSize>());
        if (r.address == 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool PrepareImage(const ConfigBuffer& buffer, tables::ControllerImage& image, bool withUsers,
                  dialogue::Operator& op) {
    CopyPart(buffer, part::kNames, image, 5);
    CopyPart(buffer, part::kUpperLink, image, 3);
    if (withUsers && !PrepareUsers(buffer, image, op)) {
        return false;
    }
    const auto system = buffer.Part(part::kSystem);
    CopyPart(buffer, part::kSystem, image, 6);
    if (system[kChromatographPresent] != 0 && buffer.Part(part::kChromatograph)[0] == 0) {
        return Refuse(op, "Неверно задан адрес хроматографа", "");
    }
    CopyPart(buffer, part::kChromatograph, image, 14);
    if (system[kMoisturePresent] != 0 && buffer.Part(part::kMoisture)[0] == 0) {
        return Refuse(op, "Неверно задан адрес влагомера", "");
    }
    CopyPart(buffer, part::kMoisture, image, 15);
    if (!FlowCountInRange(buffer)) {
        return Refuse(op, "Неверно задано количество вычислителей РГ", "(допускается от 1 до 16)");
    }
    CopyPart(buffer, part::kFlowLine, image, 9);
    if (system[kFlowComputersPresent] != 0 && !FlowAddressesSet(buffer)) {
        return Refuse(op, "Неверно заданы адреса вычислителей РГ", "");
    }
    CopyFlowComputers(buffer, image);
    CopyPart(buffer, part::kWriteChoices, image, 21);
    for (int kind = 0; kind < kLimitKinds; ++kind) {
        const auto block =
            buffer.Part(part::kLimits).subspan(std::size_t(kind) * kLimitBlockSize, kLimitBytes);
        std::ranges::copy(block, image.Whole(22 + kind).begin());
    }
    CopyPart(buffer, part::kPeriod, image, 28);
    return true;
}

}  // namespace zor06::config
