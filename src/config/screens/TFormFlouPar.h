// "Параметры вычислителя расхода газа № %d": one flow computer's address, type, byte order,
// password and the pipelines it receives gas parameters for.
#pragma once

#include <QDialog>
#include <array>

#include "config/flow_computers.h"
#include "dialogue/operator.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormFlouPar : public QDialog {
    Q_OBJECT
public:
    // `split`: the password is entered as a 12-character password and a 4-digit code ("SOU"),
    // remembered per position by the list.
    TFormFlouPar(config::FlowRecord& record, int position, std::uint8_t runs, bool& split,
                 dialogue::Operator& op, QWidget* parent = nullptr);
    bool PasswordChanged() const { return passwordChanged_; }

    QComboBox* addressBox() const { return address_; }
    QComboBox* typeBox() const { return type_; }
    QComboBox* orderBox() const { return order_; }
    QCheckBox* splitBox() const { return splitBox_; }
    QLineEdit* passwordEdit() const { return password_; }
    QLineEdit* codeEdit() const { return code_; }
    QCheckBox* pipelineBox(int k) const { return pipes_[static_cast<std::size_t>(k)].box; }
    QRadioButton* runButton(int k, int run) const {
        return run == 0 ? pipes_[static_cast<std::size_t>(k)].run1
                        : pipes_[static_cast<std::size_t>(k)].run2;
    }
    QPushButton* acceptButton() const { return accept_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Pipe {
        QGroupBox* group = nullptr;
        QCheckBox* box = nullptr;
        QRadioButton* run1 = nullptr;
        QRadioButton* run2 = nullptr;
    };
    // What was typed into an edit goes over the password bytes it covers.
    void TakeTyped(QLineEdit* edit);
    // The bytes the password edit covers: 12 with "SOU", otherwise all 16.
    std::size_t PasswordBytes() const;
    void ShowPasswordFields();
    void ShowPipelines();
    void ShowRuns(int k);
    void AcceptClicked();

    config::FlowRecord& record_;
    std::uint8_t runs_;
    bool& split_;
    dialogue::Operator& op_;
    bool passwordChanged_ = false;
    // The password as the edits left it; untouched edits leave the record's bytes.
    std::array<std::uint8_t, config::kFlowPasswordSize> typedPassword_{};
    QComboBox* address_ = nullptr;
    QComboBox* type_ = nullptr;
    QComboBox* order_ = nullptr;
    QCheckBox* splitBox_ = nullptr;
    QLineEdit* password_ = nullptr;
    QLineEdit* code_ = nullptr;
    QLabel* passwordLabel_ = nullptr;
    QLabel* codeLabel_ = nullptr;
    std::array<Pipe, 3> pipes_{};
    QPushButton* accept_ = nullptr;
};

}  // namespace zor06::screens
