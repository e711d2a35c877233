// " Синхронизация времени": whether the controller and the chromatograph set their clocks from
// the flow computer's or from the PC's.
#pragma once

#include <array>

#include "config/screens/EditorDialog.h"
#include "config/sync_editor.h"

class QCheckBox;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormTime_Sinhr : public EditorDialog {
    Q_OBJECT
public:
    TFormTime_Sinhr(config::SyncSwitches& value, config::EditorMode mode, dialogue::Operator& op,
                    QWidget* parent = nullptr);
    QCheckBox* box(int i) const { return boxes_[static_cast<std::size_t>(i)]; }

protected:
    config::Refusal Store() override;

private:
    void Show();

    config::SyncSwitches& value_;
    config::SyncBoxes model_;
    std::array<QCheckBox*, 4> boxes_{};
};

}  // namespace zor06::screens
