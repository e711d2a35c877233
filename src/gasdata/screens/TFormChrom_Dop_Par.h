// The controller's additional parameters: the chromatograph's serial number and the checksum of
// the controller's software.
#pragma once

#include <QDialog>
#include <cstdint>

class QLineEdit;
class QPushButton;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormChrom_Dop_Par : public QDialog {
    Q_OBJECT
public:
    TFormChrom_Dop_Par(std::uint32_t serial, std::uint32_t checksum, QWidget* parent = nullptr);

    QLineEdit* serialField() const { return serial_; }
    QLineEdit* checksumField() const { return checksum_; }
    QPushButton* exitButton() const { return exit_; }

private:
    QLineEdit* serial_ = nullptr;
    QLineEdit* checksum_ = nullptr;
    QPushButton* exit_ = nullptr;
};

}  // namespace zor06::screens
