// The chromatograph's momentary values of a run with their gas-parameter zones, refreshed every
// 10 seconds until the operator stops it.
#pragma once

#include <array>
#include <functional>
#include <optional>

#include "gasdata/chr_momentary.h"
#include "gasdata/screens/MomentaryWindow.h"

class QGridLayout;
class QLabel;
class QLineEdit;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormMom : public MomentaryWindow {
    Q_OBJECT
public:
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

protected:
    void ReadAndShow() override;

private:
    static std::size_t Index(int parameter) { return static_cast<std::size_t>(parameter); }
    void AddRows(const gasdata::ChrMomentaryFrame& frame, QGridLayout* grid);
    void ShowValues(const gasdata::ChrMomentaryValues& values);
    void ShowZones(const gasdata::ChrZones& zones);

    Refresh read_;
    QLineEdit* time_ = nullptr;
    std::array<QLabel*, gasdata::kChrParameters> names_{};
    std::array<QLineEdit*, gasdata::kChrParameters> values_{};
    std::array<QLineEdit*, gasdata::kChrParameters> zones_{};
    QLabel* formula_ = nullptr;
};

}  // namespace zor06::screens
