// "Параметры конфигурации контроллера": the groups of a configuration, each opening its editor in
// file mode on its part of the configuration.
#pragma once

#include <functional>
#include <map>

#include "config/config_buffer.h"
#include "config/screens/EditorDialog.h"

class QPushButton;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormConfig : public EditorDialog {
    Q_OBJECT
public:
    // The identification view lives with the controller tables; the caller shows it.
    using ShowIdentification = std::function<void(const config::ConfigBuffer&, QWidget* parent)>;

    // File mode accepts with "Принять"; device mode, used to restore a controller, with
    // "Записать в устройство".
    TFormConfig(config::ConfigBuffer& buffer, config::EditorMode mode, dialogue::Operator& op,
                ShowIdentification showIdentification, QWidget* parent = nullptr);

    // After "Принять": whether the configuration differs from what it was when the screen opened.
    bool Changed() const { return changed_; }
    // The button of a row by the row's text (lines joined by one blank).
    QPushButton* RowButton(const QString& text) const;

protected:
    config::Refusal Store() override;

private:
    QPushButton* AddRow(class QVBoxLayout* group, const QString& text, std::function<void()> open);
    // Opens a sub-editor with the configuration screen darkened behind it.
    void OpenDarkened(const std::function<void()>& open);
    // Opens `Screen` over that part of the configuration, the `extra` arguments after the editor
    // mode; true when it was accepted.
    template <class Screen, config::ConfigPart Part, class... Extra>
    bool EditPart(const Extra&... extra);
    void EnableGroups();
    void Rebuild();

    config::ConfigBuffer& buffer_;
    config::ConfigBuffer original_;
    ShowIdentification showIdentification_;
    bool changed_ = false;
    std::map<QString, QPushButton*> rows_;
    QWidget* flowGroup_ = nullptr;
    QPushButton* flowLine_ = nullptr;
    QPushButton* moisture_ = nullptr;
};

}  // namespace zor06::screens
