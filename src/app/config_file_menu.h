// "Файл" → "Файлы  конфигурации" and "Сохранение параметров конфигурации в файле": new and
// existing configuration files, and the connected controller's configuration saved to one.
#pragma once

#include "app/app_context.h"

#include "config/config_buffer.h"
#include "config/editor.h"

class QWidget;

namespace zor06::app {

void AddConfigFileCommands(AppContext& app, MenuBuilder& menus);

// The configuration screen on `buffer` with the identification view wired; true when accepted,
// and `changed` tells whether the buffer differs from what it was.
bool EditConfiguration(AppContext& app, config::ConfigBuffer& buffer, config::EditorMode mode,
                       bool* changed);

// Reads every configuration table behind the wait window; once it is closed, a failed read shows
// "Параметры конфигурации не прочитаны". True when all were read.
bool ReadConfigurationTables(AppContext& app);

// The configuration screen of a restoration, accepting with "Записать в устройство"; a corrected
// configuration may be kept in a file of its own before it is written.
bool RestoringConfiguration(AppContext& app, config::ConfigBuffer& buffer);

}  // namespace zor06::app
