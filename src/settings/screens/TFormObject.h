// The object screen: mode 1 edits the entry, mode 0 fills a new one; the entry is written only
// when "Принять" passes the checks.
#pragma once

#include "dialogue/operator.h"
#include "settings/screens/EntryDialog.h"
#include "settings/settings_types.h"

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormObject : public EntryDialog {
    Q_OBJECT
public:
    TFormObject(settings::ObjectEntry& entry, int mode, dialogue::Operator& op,
                QWidget* parent = nullptr);

protected:
    bool TakeFields() override;

private:
    settings::ObjectEntry& entry_;
};

}  // namespace zor06::screens
