#include "app/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace zor06::app {

bool InstallQtTranslation(QCoreApplication& app, const QString& dir) {
    const QString from = dir.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : dir;
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ru"), from) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

}  // namespace zor06::app
