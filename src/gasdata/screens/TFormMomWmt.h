// " Мгновенные данные влагомера": the moisture meter's momentary values with the time they
// belong to, refreshed every 10 seconds until the operator stops it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "gasdata/screens/MomentaryWindow.h"

class QFormLayout;
class QLabel;
class QLineEdit;

namespace zor06::screens {

struct WmtMomentaryLines {
    std::string time;
    std::vector<std::pair<std::string, std::string>> values;  // label, value text
};

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormMomWmt : public MomentaryWindow {
    Q_OBJECT
public:
    // Nothing when the reading failed; the window then keeps what it shows.
    using Refresh = std::function<std::optional<WmtMomentaryLines>()>;

    explicit TFormMomWmt(Refresh refresh, QWidget* parent = nullptr);

    QLineEdit* timeField() const { return time_; }
    const std::vector<QLineEdit*>& valueFields() const { return values_; }

protected:
    void ReadAndShow() override;

private:
    void Show(const WmtMomentaryLines& lines);

    Refresh readLines_;
    QLineEdit* time_ = nullptr;
    QFormLayout* valueRows_ = nullptr;
    std::vector<QLabel*> labels_;
    std::vector<QLineEdit*> values_;
};

}  // namespace zor06::screens
