// The common body of the two message views: caption, message line, the grid of the rows and
// the buttons "Выход", "Сохранить в файле", "Сохранить в CSV" and "Печать".
#pragma once

#include <QDialog>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "dataset/data_set_header.h"
#include "dialogue/operator.h"
#include "files/save_as.h"
#include "messages/message_view.h"
#include "report/pages.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace zor06::screens {

// What saving and printing need from the program around the view.
struct MessageFormContext {
    std::filesystem::path programDir;  // AUDFILES and ALAFILES lie in it
    std::function<bytes::ControllerDateTime()> today;
    // The organisation line of the printed list; none when the operator does not confirm.
    std::function<std::optional<std::string>()> printData = [] { return std::string(); };
};

class MessageForm : public QDialog {
    Q_OBJECT
public:
    MessageForm(messages::MessageView view, const dataset::HdmHeader& header,
                MessageFormContext context, dialogue::Operator& op, int width, QWidget* parent);

    // Where the printed list goes; the standard preview unless replaced (tests).
    using Output = std::function<bool(const report::Pages&, QWidget*)>;
    Output preview;

    const messages::MessageView& view() const { return view_; }
    QTableWidget* grid() const { return grid_; }
    QLabel* messageLine() const { return message_; }
    QPushButton* exitButton() const { return exit_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* csvButton() const { return csv_; }
    QPushButton* printButton() const { return print_; }

private:
    void Save();
    void SaveCsv();
    void Print();

    messages::MessageView view_;
    dataset::HdmHeader header_;
    MessageFormContext context_;
    dialogue::Operator& op_;
    QTableWidget* grid_ = nullptr;
    QLabel* message_ = nullptr;
    QPushButton* exit_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* csv_ = nullptr;
    QPushButton* print_ = nullptr;
};

}  // namespace zor06::screens
