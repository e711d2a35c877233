// " Параметры связи с хроматографом ": the controller's line to the chromatograph, the runs in
// use and where each run takes its gas temperature from (table 14).
#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "config/device_links.h"
#include "config/screens/EditorDialog.h"
#include "config/screens/device_line_rows.h"

class QCheckBox;
class QComboBox;
class QGroupBox;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormConHGC : public EditorDialog {
    Q_OBJECT
public:
    // `flowAddresses`: the connected flow computers' addresses (none when none are connected);
    // `runNames`: the names of runs 1 and 2.
    TFormConHGC(std::span<std::uint8_t, config::kChromatographLinkBytes> target,
                config::EditorMode mode, std::vector<std::uint8_t> flowAddresses,
                const std::array<std::string, 2>& runNames, dialogue::Operator& op,
                QWidget* parent = nullptr);
    QCheckBox* runBox(int run) const { return runs_[static_cast<std::size_t>(run)].box; }
    QComboBox* flowBox(int run) const { return runs_[static_cast<std::size_t>(run)].flow; }
    QComboBox* pipelineBox(int run) const { return runs_[static_cast<std::size_t>(run)].pipeline; }
    QComboBox* typeBox() const { return type_; }

protected:
    config::Refusal Store() override;

private:
    struct Run {
        QCheckBox* box = nullptr;
        QGroupBox* group = nullptr;
        QComboBox* flow = nullptr;
        QComboBox* pipeline = nullptr;
        config::TemperatureSource stored;
    };
    void ShowRun(int run);

    std::span<std::uint8_t, config::kChromatographLinkBytes> target_;
    int flowComputers_;
    QComboBox* type_ = nullptr;
    DeviceLineBoxes line_;
    QComboBox* parity_ = nullptr;
    std::array<Run, 2> runs_{};
};

}  // namespace zor06::screens
