// " Параметры связи с влагомером": the controller's line to the moisture meter (table 15).
#pragma once

#include <span>

#include "config/device_links.h"
#include "config/screens/EditorDialog.h"

class QComboBox;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormConWMT : public EditorDialog {
    Q_OBJECT
public:
    TFormConWMT(std::span<std::uint8_t, config::kMoistureLinkBytes> target, config::EditorMode mode,
                dialogue::Operator& op, QWidget* parent = nullptr);
    QComboBox* addressBox() const { return address_; }
    QComboBox* timeoutBox() const { return timeout_; }

protected:
    config::Refusal Store() override;

private:
    std::span<std::uint8_t, config::kMoistureLinkBytes> target_;
    QComboBox* address_ = nullptr;
    QComboBox* rate_ = nullptr;
    QComboBox* mode_ = nullptr;
    QComboBox* timeout_ = nullptr;
    QComboBox* failures_ = nullptr;
    QComboBox* type_ = nullptr;
};

}  // namespace zor06::screens
