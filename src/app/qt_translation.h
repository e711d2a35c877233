// Qt's own dialogs (open and save files, print, print preview) in Russian, as the rest of the
// program speaks.
#pragma once

#include <QString>

class QCoreApplication;

namespace zor06::app {

// Installs Qt's Russian translation from `dir` (Qt's translations directory when empty). False,
// with nothing installed, when it cannot be loaded: Qt's dialogs then stay in English and the
// program goes on.
bool InstallQtTranslation(QCoreApplication& app, const QString& dir = {});

}  // namespace zor06::app
