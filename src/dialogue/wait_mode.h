// The wait window's modes: each names the long operation it stands over.
#pragma once

namespace zor06::dialogue {

enum class WaitMode {
    CheckConfig = 0,  // "Выполняется проверка" / "всех параметров конфигурации"
    Reading = 1,  // "Выполняется чтение данных" / "Esc - прервать чтение"
    WriteConfig = 2,  // "Выполняется запись параметров" / "конфигурации в контроллер"
    ReadTables = 3,  // "Выполняется чтение" / "таблиц параметров конфигурации"
    Workbook = 4,  // "Выполняется создание" / "таблицы в формате Excel"
    LinkRestored = 5,  // "Команда передана. Выполняется проверка" / "восстановления связи..."
};

}  // namespace zor06::dialogue
