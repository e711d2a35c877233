// The telephone call of the main window: dialling the current subscriber, the call-duration
// panel and its "Отключить связь".
#include <QResizeEvent>

#include "app/TFormMain.h"
#include "link/modem_call.h"
#include "link/screens/TFormCallTime.h"

namespace zor06::screens {
namespace {

// The panel's place: this far above the window's bottom edge and from its right edge.
constexpr int kCallPanelAboveBottom = 110;
constexpr int kCallPanelFromRight = 20;

}  // namespace

void TFormMain::BuildCallPanel() {
    callPanel_ = new TFormCallTime(this, tables_.clock);
    callPanel_->setObjectName(QStringLiteral("CallPanel"));
    connect(callPanel_, &TFormCallTime::hangUpRequested, this, &TFormMain::NHangUpClick);
    state_.callEnded = [this] { callPanel_->Stop(); };
}

void TFormMain::PlaceCallPanel() {
    callPanel_->move(width() - callPanel_->width() - kCallPanelFromRight,
                     height() - callPanel_->height() - kCallPanelAboveBottom);
}

void TFormMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (callPanel_ != nullptr) {
        PlaceCallPanel();
    }
}

bool TFormMain::DialCurrentSubscriber() {
    const settings::PhoneList& phones = settings_.phones;
    if (phones.current >= phones.entries.size()) {
        op_.ShowMessage(dialogue::MessageKind::InputError, "Введены не все параметры", "");
        return false;
    }
    const settings::PhoneLinkSettings& phone = settings_.link.phone;
    const link::DialRequest request{phones.entries[phones.current].phone, phone.command,
                                    phone.connectAttempts, phone.connectWaitS};
    if (!link::DialSubscriber(link_, request, op_, tables_.clock)) {
        return false;
    }
    PlaceCallPanel();
    callPanel_->Start();
    return true;
}

void TFormMain::NHangUpClick() {
    RunCommand([this] {
        tables::Disconnect(tables_, state_);
        UpdateMenus();
    });
}

}  // namespace zor06::screens
