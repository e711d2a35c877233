// The device search on the direct line: tries every baud rate with a read to address 255 and
// takes the first answer as the controller's address and rate.
#pragma once

#include <QDialog>

#include "dialogue/operator.h"
#include "settings/settings_types.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace zor06::link {
class hgcbox;
}

namespace zor06::screens {

class TFormSearch : public QDialog {
    Q_OBJECT
public:
    // A found controller's address and rate go into the direct-line record of `settings`.
    TFormSearch(settings::LinkSettings& settings, link::hgcbox& link, dialogue::Operator& op,
                QWidget* parent = nullptr);

    QComboBox* portBox() const { return port_; }
    QLineEdit* firstByteEdit() const { return firstByte_; }
    QLineEdit* nextBytesEdit() const { return nextBytes_; }
    QLineEdit* preamblesEdit() const { return preambles_; }
    QLineEdit* attemptsEdit() const { return attempts_; }
    QLineEdit* addressResult() const { return address_; }
    QLineEdit* rateResult() const { return rate_; }
    QPushButton* searchButton() const { return search_; }
    QPushButton* stopButton() const { return stop_; }
    QPushButton* exitButton() const { return exit_; }

    void done(int result) override;

private slots:
    void BitBtn1Click();  // "Искать"
    void BitBtn2Click();  // "Прервать поиск"

private:
    bool Check();
    void SetSearching(bool on);

    settings::LinkSettings& settings_;
    link::hgcbox& link_;
    dialogue::Operator& op_;
    bool searching_ = false;

    QComboBox* port_ = nullptr;
    QLineEdit* firstByte_ = nullptr;
    QLineEdit* nextBytes_ = nullptr;
    QLineEdit* preambles_ = nullptr;
    QLineEdit* attempts_ = nullptr;
    QLineEdit* address_ = nullptr;
    QLineEdit* rate_ = nullptr;
    QPushButton* search_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* exit_ = nullptr;
};

}  // namespace zor06::screens
