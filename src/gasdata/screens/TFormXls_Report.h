// The report builder's wait window: shown modally, it runs the build once 100 ms after it
// appears and then closes.
#pragma once

#include <QDialog>
#include <functional>

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormXls_Report : public QDialog {
    Q_OBJECT
public:
    static constexpr int kStartMs = 100;

    explicit TFormXls_Report(std::function<void()> build, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::function<void()> build_;
    bool started_ = false;
};

}  // namespace zor06::screens
