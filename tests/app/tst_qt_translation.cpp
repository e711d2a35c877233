// Qt's own dialogs speak Russian once the program has started, and a missing translation leaves
// them in English without stopping anything.
#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#include "app/qt_translation.h"

namespace {

// A text of Qt's own dialog buttons.
QString CancelCaption() {
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}

}  // namespace

class TestQtTranslation : public QObject {
    Q_OBJECT
private slots:
    void aMissingTranslationChangesNothing() {
        const QTemporaryDir empty;
        QVERIFY(!zor06::app::InstallQtTranslation(*QCoreApplication::instance(), empty.path()));
        QCOMPARE(CancelCaption(), QStringLiteral("Cancel"));
    }
    void qtDialogsSpeakRussian() {
        QVERIFY(zor06::app::InstallQtTranslation(*QCoreApplication::instance()));
        QCOMPARE(CancelCaption(), QStringLiteral("Отмена"));
    }
};

QTEST_MAIN(TestQtTranslation)
#include "tst_qt_translation.moc"
