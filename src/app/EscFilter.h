// An application-wide filter: Esc pressed while a long reading runs asks it to stop.
#pragma once

#include <QObject>

#include "link/operator.h"

namespace zor06::screens {

class EscFilter : public QObject {
    Q_OBJECT
public:
    EscFilter(link::Operator& op, QObject* parent) : QObject(parent), op_(op) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    link::Operator& op_;
};

}  // namespace zor06::screens
