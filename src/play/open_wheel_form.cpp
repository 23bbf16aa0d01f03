// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/open_wheel_form.h"

#include "gui/help.h"
#include "play/wheel_file.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TOpenWheelForm::TOpenWheelForm(const QString& wheelsDir, const QString& pattern, QWidget* parent)
    : QDialog(parent), m_dir(wheelsDir), m_fileNames(wheelFileNames(wheelsDir, pattern)) {
    setObjectName(QStringLiteral("TOpenWheelForm"));
    setWindowTitle(QStringLiteral("Open Wheeling System"));

    Label1 = new QLabel(QStringLiteral("Select a Wheeling System:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    WheelList = new QListWidget(this);
    WheelList->setObjectName(QStringLiteral("WheelList"));
    WheelList->addItems(wheelListEntries(wheelsDir, m_fileNames));
    if (WheelList->count() > 0)
        WheelList->setCurrentRow(0);
    WheelList->setMinimumWidth(320);
    Label1->setBuddy(WheelList);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    HelpBtn = new QPushButton(QStringLiteral("&Help"), this);
    HelpBtn->setObjectName(QStringLiteral("HelpBtn"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(HelpBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(WheelList, 1);
    layout->addLayout(buttons);

    connect(OKBtn, &QPushButton::clicked, this, &TOpenWheelForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, &TOpenWheelForm::HelpBtnClick);
    connect(WheelList, &QListWidget::itemDoubleClicked, this, &TOpenWheelForm::OKBtnClick);
}

void TOpenWheelForm::setLabel(const QString& text) {
    Label1->setText(text);
}

QString TOpenWheelForm::selectedFile() const {
    const int row = WheelList->currentRow();
    if (row < 0 || row >= m_fileNames.size())
        return {};
    return QDir(m_dir).filePath(m_fileNames.at(row));
}

void TOpenWheelForm::OKBtnClick() {
    accept();
}

void TOpenWheelForm::HelpBtnClick() {
    Help::showTopic(HelpTopic, this);
}
