#include "widgets/AsteriskEcho.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QProxyStyle>

namespace zor06::widgets {
namespace {

// The line edit asks its style for the mask character; everything else is the application's.
class AsteriskStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) {
            return '*';
        }
        if (hint == SH_LineEdit_PasswordMaskDelay) {
            return 0;  // never show the last typed character in clear
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// One style for all masked fields, owned by the application so that it outlives them.
QStyle* SharedAsteriskStyle() {
    static QPointer<QStyle> style;
    if (style.isNull()) {
        style = new AsteriskStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

}  // namespace

void MaskWithAsterisks(QLineEdit* edit) {
    edit->setStyle(SharedAsteriskStyle());
    edit->setEchoMode(QLineEdit::Password);
}

}  // namespace zor06::widgets
