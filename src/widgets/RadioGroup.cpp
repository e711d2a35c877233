#include "widgets/RadioGroup.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zor06::widgets {

RadioGroup NewRadioGroup(const QString& title, const std::vector<std::string_view>& choices,
                         QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* column = new QVBoxLayout(box);
    auto* buttons = new QButtonGroup(parent);
    for (std::size_t i = 0; i < choices.size(); ++i) {
        auto* radio = new QRadioButton(
            QString::fromUtf8(choices[i].data(), static_cast<qsizetype>(choices[i].size())), box);
        buttons->addButton(radio, static_cast<int>(i));
        column->addWidget(radio);
    }
    return {box, buttons};
}

}  // namespace zor06::widgets
