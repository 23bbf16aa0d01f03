// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

namespace gui {

QLabel* makeLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

void growToContents(QWidget* window) {
    QLayout* layout = window->layout();
    if (!layout)
        return;
    layout->activate();
    const int needed = layout->hasHeightForWidth() ? layout->totalHeightForWidth(window->width())
                                                   : layout->totalMinimumSize().height();
    if (needed > window->height())
        window->resize(window->width(), needed);
}

DialogButtons makeOkCancelHelp(QWidget* parent) {
    DialogButtons buttons;
    buttons.ok = new QPushButton(QStringLiteral("OK"), parent);
    buttons.ok->setObjectName(QStringLiteral("OKBtn"));
    buttons.ok->setDefault(true);
    buttons.cancel = makeButton("CancelBtn", QStringLiteral("Cancel"), parent);
    buttons.help = makeButton("HelpBtn", QStringLiteral("&Help"), parent);
    buttons.row = new QHBoxLayout;
    buttons.row->addStretch(1);
    buttons.row->addWidget(buttons.ok);
    buttons.row->addWidget(buttons.cancel);
    buttons.row->addWidget(buttons.help);
    return buttons;
}

QValidator::State UpperCaseValidator::validate(QString& input, int&) const {
    input = input.toUpper();
    return Acceptable;
}

} // namespace gui
