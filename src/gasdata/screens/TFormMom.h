// The chromatograph's momentary values of a run with their gas-parameter zones, refreshed every
// 10 seconds until the operator stops it.
#pragma once

#include <QDialog>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>

#include "gasdata/chr_momentary.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormMom : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRefreshMs = 10000;
    // Each reading gives nothing when it failed; the window then keeps what it shows.
    struct Refresh {
        std::function<std::optional<gasdata::ChrMomentaryValues>()> values;
        std::function<std::optional<gasdata::ChrZones>()> zones;
    };

    TFormMom(const gasdata::ChrMomentaryFrame& frame, Refresh refresh, QWidget* parent = nullptr);

    QLineEdit* timeField() const { return time_; }
    QLabel* nameLabel(int parameter) const { return names_[Index(parameter)]; }
    QLineEdit* valueField(int parameter) const { return values_[Index(parameter)]; }
    // Null for a parameter without a zone.
    QLineEdit* zoneField(int parameter) const { return zones_[Index(parameter)]; }
    QLabel* formulaLabel() const { return formula_; }
    QPushButton* refreshButton() const { return refresh_; }
    QPushButton* exitButton() const { return exit_; }
    const QTimer& refreshTimer() const { return timer_; }
    // One refresh, as at each tick of the timer.
    void TimerTimer();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    static std::size_t Index(int parameter) { return static_cast<std::size_t>(parameter); }
    void AddRows(const gasdata::ChrMomentaryFrame& frame, QGridLayout* grid);
    void ShowValues(const gasdata::ChrMomentaryValues& values);
    void ShowZones(const gasdata::ChrZones& zones);
    void RefreshClick();
    void SetRefreshing(bool on);

    Refresh read_;
    QTimer timer_;
    bool inRefresh_ = false;
    QLineEdit* time_ = nullptr;
    std::array<QLabel*, gasdata::kChrParameters> names_{};
    std::array<QLineEdit*, gasdata::kChrParameters> values_{};
    std::array<QLineEdit*, gasdata::kChrParameters> zones_{};
    QLabel* formula_ = nullptr;
    QPushButton* refresh_ = nullptr;
    QPushButton* exit_ = nullptr;
};

}  // namespace zor06::screens
