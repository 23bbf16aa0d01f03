// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/print_options.h"

#include "gui/help.h"
#include "gui/widgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TPrintOptions::TPrintOptions(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PrintOptions"));
    setWindowTitle(QStringLiteral("Print Options"));

    GroupBox1 = new QGroupBox(QStringLiteral("Drawings"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    AllButton = new QRadioButton(QStringLiteral("All"), GroupBox1);
    AllButton->setObjectName(QStringLiteral("AllButton"));
    RangeButton = new QRadioButton(QStringLiteral("Range"), GroupBox1);
    RangeButton->setObjectName(QStringLiteral("RangeButton"));
    FromText = new QLineEdit(GroupBox1);
    FromText->setObjectName(QStringLiteral("FromText"));
    ToText = new QLineEdit(GroupBox1);
    ToText->setObjectName(QStringLiteral("ToText"));
    for (QLineEdit* edit : {FromText, ToText}) {
        edit->setValidator(new QIntValidator(0, 99999999, edit));
        edit->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 12);
    }
    FromLabel = new QLabel(QStringLiteral("From:"), GroupBox1);
    FromLabel->setObjectName(QStringLiteral("FromLabel"));
    FromLabel->setBuddy(FromText);
    ToLabel = new QLabel(QStringLiteral("To:"), GroupBox1);
    ToLabel->setObjectName(QStringLiteral("ToLabel"));
    ToLabel->setBuddy(ToText);

    auto* group = new QGridLayout(GroupBox1);
    group->addWidget(AllButton, 0, 0);
    group->addWidget(RangeButton, 1, 0);
    group->addWidget(FromLabel, 1, 1);
    group->addWidget(FromText, 1, 2);
    group->addWidget(ToLabel, 1, 3);
    group->addWidget(ToText, 1, 4);
    group->setColumnStretch(5, 1);

    const gui::DialogButtons dialogButtons = gui::makeOkCancelHelp(this);
    OKBtn = dialogButtons.ok;
    CancelBtn = dialogButtons.cancel;
    HelpBtn = dialogButtons.help;

    auto* buttons = dialogButtons.row;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(AllButton, &QRadioButton::clicked, this, &TPrintOptions::AllButtonClick);
    connect(RangeButton, &QRadioButton::clicked, this, &TPrintOptions::RangeButtonClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, &TPrintOptions::HelpBtnClick);
    Help::installContextHelp(this, [this] { return m_helpTopic; });
    prepare(windowTitle(), {214, 215, 216, 217, 218, 219}, 146, 0);
}

void TPrintOptions::prepare(const QString& caption, const Contexts& contexts, int helpTopic,
                            int recordCount) {
    setWindowTitle(caption);
    const std::array<QWidget*, 6> controls{AllButton, RangeButton, FromText, ToText, OKBtn, CancelBtn};
    for (size_t i = 0; i < controls.size(); ++i)
        Help::setContext(controls[i], contexts[i]);
    m_helpTopic = helpTopic;
    m_recordCount = recordCount;
    FormActivate();
}

int TPrintOptions::fromPosition() const {
    return FromText->text().trimmed().toInt();
}

int TPrintOptions::toPosition() const {
    return ToText->text().trimmed().toInt();
}

void TPrintOptions::FormActivate() {
    AllButton->setChecked(true);
    AllButtonClick();
}

void TPrintOptions::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
    OKBtn->setFocus();
}

void TPrintOptions::AllButtonClick() {
    FromText->setText(QStringLiteral("1"));
    ToText->setText(QString::number(m_recordCount));
    FromText->setEnabled(false);
    ToText->setEnabled(false);
}

void TPrintOptions::RangeButtonClick() {
    FromText->setEnabled(true);
    ToText->setEnabled(true);
    FromText->setFocus();
    FromText->selectAll();
}

void TPrintOptions::HelpBtnClick() {
    Help::showTopic(m_helpTopic, this);
}
