// "Установка связи с устройством": the operator chooses the link kind, the controller address and,
// for the telephone and Ethernet kinds, the subscriber, and connects. exec() returns Accepted when
// the link object holds an open connection.
#pragma once

#include <QDialog>
#include <filesystem>
#include <optional>

#include "dialogue/operator.h"
#include "link/link_kind.h"
#include "link/screens/ConnectScreens.h"
#include "settings/connection_procedure.h"
#include "settings/settings_types.h"

class QComboBox;
class QPushButton;
class QWidget;

namespace zor06::link {
class hgcbox;
}

namespace zor06::screens {

class TFormConnect : public QDialog {
    Q_OBJECT
public:
    // `iniDir` receives conn.ini and the subscriber lists when they change; `screens` opens the
    // dialogs of the buttons and of "Новый абонент".
    TFormConnect(settings::ProgramSettings& settings, std::filesystem::path iniDir,
                 link::hgcbox& link, dialogue::Operator& op, ConnectScreens& screens,
                 QWidget* parent = nullptr);

    QComboBox* kindBox() const { return kind_; }
    QComboBox* addressBox() const { return address_; }
    QWidget* subscriberPanel() const { return subscriberPanel_; }
    QComboBox* subscriberBox() const { return subscriber_; }
    QPushButton* listButton() const { return list_; }
    QPushButton* connectButton() const { return connect_; }
    QPushButton* parametersButton() const { return parameters_; }
    QPushButton* searchButton() const { return search_; }
    QPushButton* exitButton() const { return exit_; }

    // Where "Связаться" takes its sockets and its time from; tests replace them.
    settings::ConnectEnvironment connection;

    // While a connection is being made, closing (Esc, the close box) interrupts it instead.
    void reject() override;

private slots:
    void ComboBox1Change(int index);  // link kind
    void ComboBox3Change(int index);  // subscriber
    void SpeedButton1Click();         // subscriber list
    void BitBtn1Click();              // "Связаться"
    void BitBtn2Click();              // "Изменить параметры связи"
    void BitBtn3Click();              // "Поиск параметров связи"

private:
    void BuildControls();
    std::optional<link::LinkKind> SelectedKind() const;
    void ShowAddress(int address);
    void RefreshDescription();
    void FillSubscribers();
    void EnableSubscriberActions(bool on);
    void FocusConnect();
    bool RunConnect(const settings::ConnectChoice& choice,
                    const settings::ConnectEnvironment& environment);
    // Calls `f` with the subscriber list of the selected kind and its saving.
    template <typename F>
    void WithSubscribers(F&& f);

    settings::ProgramSettings& settings_;
    std::filesystem::path iniDir_;
    link::hgcbox& link_;
    dialogue::Operator& op_;
    ConnectScreens& screens_;
    int shownSubscriber_ = -1;  // the subscriber row chosen last, to return to
    bool connecting_ = false;

    QWidget* body_ = nullptr;  // every control, held while connecting

    QComboBox* kind_ = nullptr;
    QComboBox* address_ = nullptr;
    QWidget* subscriberPanel_ = nullptr;
    QComboBox* subscriber_ = nullptr;
    QPushButton* list_ = nullptr;
    QPushButton* connect_ = nullptr;
    QPushButton* parameters_ = nullptr;
    QPushButton* search_ = nullptr;
    QPushButton* exit_ = nullptr;
};

}  // namespace zor06::screens
