// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/srch_list_form.h"

#include "drawings/drawing_search_printout.h"
#include "drawings/list_box_horz.h"
#include "gui/help.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int ResultsTopic = 149;
constexpr int NumbersLabelWidth = 281;
} // namespace

TSrchListForm::TSrchListForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SrchListForm"));
    setWindowTitle(QStringLiteral("Search Results"));

    NumbersLabel = new QLabel(QStringLiteral("Search #'s:"), this);
    NumbersLabel->setObjectName(QStringLiteral("NumbersLabel"));
    NumbersLabel->setWordWrap(true);
    DrawingsLabel = new QLabel(QStringLiteral("Drawings:"), this);
    DrawingsLabel->setObjectName(QStringLiteral("DrawingsLabel"));
    ListBox1 = new TListBoxHorz(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    ListBox1->setFont(fixed);
    ListBox1->setMinimumSize(NumbersLabelWidth, 220);
    PrintButton = new QPushButton(QStringLiteral("&Print"), this);
    PrintButton->setObjectName(QStringLiteral("PrintButton"));
    OKBtn = new QPushButton(QStringLiteral("&Close"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    HelpBtn = new QPushButton(QStringLiteral("&Help"), this);
    HelpBtn->setObjectName(QStringLiteral("HelpBtn"));
    PrintButton->setAutoDefault(false);
    HelpBtn->setAutoDefault(false);
    Help::setContext(ListBox1, 256);
    Help::setContext(PrintButton, 257);
    Help::setContext(OKBtn, 258);
    Help::installContextHelp(this, [] { return ResultsTopic; });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(PrintButton);
    buttons->addWidget(OKBtn);
    buttons->addWidget(HelpBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NumbersLabel);
    layout->addWidget(DrawingsLabel);
    layout->addWidget(ListBox1, 1);
    layout->addLayout(buttons);

    connect(PrintButton, &QPushButton::clicked, this, &TSrchListForm::PrintButtonClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(HelpBtn, &QPushButton::clicked, this, [this] { Help::showTopic(ResultsTopic, this); });
}

void TSrchListForm::showResult(const QString& lotteryName, int numbersDrawn,
                               const DrawingSearchResult& result) {
    m_lotteryName = lotteryName;
    m_numbersDrawn = numbersDrawn;
    m_result = result;
    NumbersLabel->setText(result.numbersLabel);
    NumbersLabel->setMinimumWidth(NumbersLabelWidth);
    DrawingsLabel->setText(result.drawingsLabel);
    ListBox1->clearLines();
    for (const QString& line : result.lines)
        ListBox1->addLine(line);
}

void TSrchListForm::PrintButtonClick() {
    // The printout shows what the window shows: its labels and its list as they stand.
    DrawingSearchResult shown = m_result;
    shown.numbersLabel = NumbersLabel->text();
    shown.drawingsLabel = DrawingsLabel->text();
    shown.lines = ListBox1->lines();
    setUpSearchListPrintout(ReportSystem1, m_lotteryName, m_numbersDrawn, shown);
    ReportSystem1.execute(this);
}
