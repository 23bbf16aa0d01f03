// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/wheel_page.h"

#include "lottery/lottery_definition.h"
#include "play/wheel_file.h"

#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// Pick-3 and pick-4 tickets are only ever fully wheeled, keno tickets of ten only abbreviated.
enum class Allowed { Both, FullOnly, AbbreviatedOnly };

Allowed allowedTypes(const LotteryDefinition& lottery) {
    const int size = ticketSize(lottery);
    if (size == 3 || size == 4)
        return Allowed::FullOnly;
    if (size == 10)
        return Allowed::AbbreviatedOnly;
    return Allowed::Both;
}

} // namespace

QString TWheelPage::pattern(bool full, const LotteryDefinition& lottery) {
    return (full ? QStringLiteral("*.f") : QStringLiteral("*.a")) + ticketSizeCode(lottery);
}

bool TWheelPage::wheelsAvailable(const QString& wheelsDir, const LotteryDefinition& lottery) {
    const Allowed allowed = allowedTypes(lottery);
    const bool full =
        allowed != Allowed::AbbreviatedOnly && !wheelFileNames(wheelsDir, pattern(true, lottery)).isEmpty();
    const bool abbreviated =
        allowed != Allowed::FullOnly && !wheelFileNames(wheelsDir, pattern(false, lottery)).isEmpty();
    return full || abbreviated;
}

TWheelPage::TWheelPage(const QString& wheelsDir, const LotteryDefinition& lottery, QWidget* parent)
    : QWidget(parent), m_dir(wheelsDir), m_code(ticketSizeCode(lottery)) {
    setObjectName(QStringLiteral("TWheelPage"));
    WheelType = new QGroupBox(QStringLiteral("Wheel Type:"), this);
    WheelType->setObjectName(QStringLiteral("WheelType"));
    FullBtn = new QRadioButton(QStringLiteral("Full"), WheelType);
    FullBtn->setObjectName(QStringLiteral("FullBtn"));
    AbbreviatedBtn = new QRadioButton(QStringLiteral("Abbreviated"), WheelType);
    AbbreviatedBtn->setObjectName(QStringLiteral("AbbreviatedBtn"));
    auto* typeLayout = new QHBoxLayout(WheelType);
    typeLayout->addWidget(FullBtn);
    typeLayout->addWidget(AbbreviatedBtn);
    typeLayout->addStretch(1);

    const Allowed allowed = allowedTypes(lottery);
    // Abbreviated first, unless the home has none of that type for these tickets while it has full
    // ones: a player should not open the page on an empty list.
    const bool startFull =
        allowed == Allowed::FullOnly ||
        (allowed == Allowed::Both && wheelFileNames(wheelsDir, pattern(false, lottery)).isEmpty() &&
         !wheelFileNames(wheelsDir, pattern(true, lottery)).isEmpty());
    (startFull ? FullBtn : AbbreviatedBtn)->setChecked(true);
    WheelType->setEnabled(allowed == Allowed::Both);

    auto* label = new QLabel(QStringLiteral("Select a Wheel to Play:"), this);
    WheelList = new QListWidget(this);
    WheelList->setObjectName(QStringLiteral("WheelList"));
    label->setBuddy(WheelList);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(WheelType);
    layout->addWidget(label);
    layout->addWidget(WheelList, 1);

    connect(FullBtn, &QRadioButton::toggled, this, &TWheelPage::WheelTypeClick);
    WheelTypeClick();
}

bool TWheelPage::fullChosen() const {
    return FullBtn->isChecked();
}

void TWheelPage::WheelTypeClick() {
    // A type without wheels shows an empty list rather than the other type's entries, so no entry
    // can name a file of the wrong type.
    m_fileNames =
        wheelFileNames(m_dir, (fullChosen() ? QStringLiteral("*.f") : QStringLiteral("*.a")) + m_code);
    WheelList->clear();
    WheelList->addItems(wheelListEntries(m_dir, m_fileNames));
    if (WheelList->count() > 0)
        WheelList->setCurrentRow(0);
}

QString TWheelPage::selectedFile() const {
    const int row = WheelList->currentRow();
    if (row < 0 || row >= m_fileNames.size())
        return {};
    return QDir(m_dir).filePath(m_fileNames.at(row));
}
