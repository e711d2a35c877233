// An application-wide filter: Esc pressed while a long reading runs asks it to stop.
#pragma once

#include <QObject>

#include "dialogue/operator.h"

namespace zor06::screens {

class EscFilter : public QObject {
    Q_OBJECT
public:
    EscFilter(dialogue::Operator& op, QObject* parent) : QObject(parent), op_(op) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    dialogue::Operator& op_;
};

}  // namespace zor06::screens
