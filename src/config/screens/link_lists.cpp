#include "config/screens/link_lists.h"

#include <QComboBox>
#include <QLineEdit>

#include "link/baud_rates.h"
#include "widgets/IntegerEntryFilter.h"

namespace zor06::screens {

QComboBox* NumberList(int first, int last, std::optional<int> stored, QWidget* parent,
                      bool editable) {
    auto* box = new QComboBox(parent);
    for (int v = first; v <= last; ++v) {
        box->addItem(QString::number(v));
    }
    if (editable) {
        box->setEditable(true);
        widgets::IntegerEntryFilter::Install(box);
    }
    box->setCurrentIndex(stored && *stored >= first && *stored <= last ? *stored - first : -1);
    if (editable && stored) {
        box->setEditText(QString::number(*stored));
    }
    return box;
}

QComboBox* RateList(std::optional<int> index, QWidget* parent) {
    auto* box = new QComboBox(parent);
    for (const int rate : link::kBaudRates) {
        box->addItem(QString::number(rate));
    }
    box->setCurrentIndex(index.value_or(-1));
    return box;
}

QComboBox* ModbusModeList(std::optional<int> mode, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->addItems({QStringLiteral(" ASCII"), QStringLiteral(" RTU")});
    box->setCurrentIndex(mode.value_or(-1));
    return box;
}

std::optional<int> Chosen(const QComboBox* box, int first) {
    return box->currentIndex() >= 0 ? std::optional<int>(box->currentIndex() + first)
                                    : std::nullopt;
}

QLineEdit* PreamblesEdit(const std::string& preambles, QWidget* parent) {
    auto* edit = new QLineEdit(QString::fromStdString(preambles), parent);
    edit->setMaxLength(3);
    widgets::IntegerEntryFilter::Install(edit);
    return edit;
}

}  // namespace zor06::screens
