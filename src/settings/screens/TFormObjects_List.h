// The object list: works on the program's object list itself. "Принять" writes objects.ini when
// the list changed; closing any other way puts the list back as it was.
#pragma once

#include <filesystem>

#include "dialogue/operator.h"
#include "settings/screens/ListEntries.h"
#include "settings/screens/ListScreen.h"
#include "settings/settings_types.h"

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormObjects_List : public ListScreen {
    Q_OBJECT
public:
    TFormObjects_List(settings::ProgramSettings& settings, std::filesystem::path iniDir,
                      dialogue::Operator& op, QWidget* parent = nullptr);

    // The object screen; TFormObject unless replaced.
    EntryOpener<settings::ObjectEntry> objectScreen;

protected:
    void TakeChanges() override;

private:
    settings::ProgramSettings& settings_;
    std::filesystem::path iniDir_;
};

}  // namespace zor06::screens
