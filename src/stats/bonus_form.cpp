// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/bonus_form.h"

#include "gui/help.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int HelpTopic = 145;
}

BonusForm::BonusForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BonusForm"));
    setWindowTitle(QStringLiteral("Bonus Number Options"));

    m_radioGroup = new QGroupBox(this);
    m_radioGroup->setObjectName(QStringLiteral("RadioGroup1"));
    m_items = new QButtonGroup(this);
    auto* groupLayout = new QVBoxLayout(m_radioGroup);
    const QString captions[] = {QStringLiteral("Use Regular Numbers Only"),
                                QStringLiteral("Use Regular and Bonus Numbers"),
                                QStringLiteral("Use Bonus Numbers Only")};
    int id = 0;
    for (const QString& caption : captions) {
        auto* item = new QRadioButton(caption, m_radioGroup);
        item->setObjectName(QStringLiteral("RadioItem%1").arg(id));
        m_items->addButton(item, id++);
        groupLayout->addWidget(item);
    }

    m_closeBtn = new QPushButton(QStringLiteral("&Close"), this);
    m_closeBtn->setObjectName(QStringLiteral("CloseBtn"));
    m_closeBtn->setDefault(true);
    m_helpBtn = new QPushButton(QStringLiteral("&Help"), this);
    m_helpBtn->setObjectName(QStringLiteral("HelpBtn"));
    m_helpBtn->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_closeBtn);
    buttons->addWidget(m_helpBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_radioGroup);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_closeBtn, &QPushButton::clicked, this, &BonusForm::CloseBtnClick);
    connect(m_helpBtn, &QPushButton::clicked, this, &BonusForm::HelpBtnClick);
    setItemIndex(RegularOnly);
}

int BonusForm::itemIndex() const {
    return qMax(0, m_items->checkedId());
}

void BonusForm::setItemIndex(int index) {
    if (QAbstractButton* item = m_items->button(qBound(0, index, 2)))
        item->setChecked(true);
}

void BonusForm::CloseBtnClick() {
    accept();
}

void BonusForm::HelpBtnClick() {
    Help::showTopic(HelpTopic, this);
}
