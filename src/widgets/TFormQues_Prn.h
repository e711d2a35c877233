// " Данные для печати": the organisation name for the printout's title and what will be printed.
#pragma once

#include <QDialog>
#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "dataset/data_set_header.h"

class QLineEdit;
class QPushButton;

namespace zor06::widgets {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormQues_Prn : public QDialog {
    Q_OBJECT
public:
    TFormQues_Prn(const std::array<std::string, 3>& lines, const std::string& organisation,
                  QWidget* parent = nullptr);
    std::string Organisation() const;
    QLineEdit* organisationEdit() const { return organisation_; }
    QPushButton* printButton() const { return print_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    QLineEdit* organisation_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// Asks before printing the data set as report `kind`; the organisation name comes from and, when
// changed, goes back to `titleFile`. None when the operator cancels.
std::optional<std::string> AskPrintData(const std::filesystem::path& titleFile, int kind,
                                        const dataset::HdmHeader& header, QWidget* parent);

}  // namespace zor06::widgets
