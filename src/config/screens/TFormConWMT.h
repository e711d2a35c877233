// " Параметры связи с влагомером": the controller's line to the moisture meter (table 15).
#pragma once

#include <span>

#include "config/device_links.h"
#include "config/screens/EditorDialog.h"
#include "config/screens/device_line_rows.h"

class QComboBox;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormConWMT : public EditorDialog {
    Q_OBJECT
public:
    TFormConWMT(std::span<std::uint8_t, config::kMoistureLinkBytes> target, config::EditorMode mode,
                dialogue::Operator& op, QWidget* parent = nullptr);
    QComboBox* addressBox() const { return line_.address; }
    QComboBox* timeoutBox() const { return line_.timeout; }

protected:
    config::Refusal Store() override;

private:
    std::span<std::uint8_t, config::kMoistureLinkBytes> target_;
    DeviceLineBoxes line_;
    QComboBox* type_ = nullptr;
};

}  // namespace zor06::screens
