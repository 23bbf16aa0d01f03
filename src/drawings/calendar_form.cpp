// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/calendar_form.h"

#include "gui/help.h"
#include "gui/widgets.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int CalendarTopic = 126;

// Two stacked arrows, as the spin buttons beside the month and year.
QWidget* makeSpinButton(const QString& name, QWidget* parent, QToolButton*& up, QToolButton*& down) {
    auto* box = new QWidget(parent);
    box->setObjectName(name);
    up = new QToolButton(box);
    up->setObjectName(QStringLiteral("Up"));
    up->setArrowType(Qt::UpArrow);
    down = new QToolButton(box);
    down->setObjectName(QStringLiteral("Down"));
    down->setArrowType(Qt::DownArrow);
    for (QToolButton* arrow : {up, down}) {
        arrow->setAutoRepeat(true);
        arrow->setFixedSize(20, 14);
    }
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up);
    layout->addWidget(down);
    return box;
}

} // namespace

TCalendarForm::TCalendarForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CalendarForm"));
    setWindowTitle(QStringLiteral("Calendar"));

    QToolButton* monthUp = nullptr;
    QToolButton* monthDown = nullptr;
    QToolButton* yearUp = nullptr;
    QToolButton* yearDown = nullptr;
    SpinButton1 = makeSpinButton(QStringLiteral("SpinButton1"), this, monthUp, monthDown);
    SpinButton2 = makeSpinButton(QStringLiteral("SpinButton2"), this, yearUp, yearDown);
    MonthLabel = new QLabel(this);
    MonthLabel->setObjectName(QStringLiteral("MonthLabel"));
    YearLabel = new QLabel(this);
    YearLabel->setObjectName(QStringLiteral("YearLabel"));
    QFont bold = MonthLabel->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    MonthLabel->setFont(bold);
    YearLabel->setFont(bold);

    Calendar1 = new QCalendarWidget(this);
    Calendar1->setObjectName(QStringLiteral("Calendar1"));
    Calendar1->setFirstDayOfWeek(Qt::Sunday);
    Calendar1->setNavigationBarVisible(false);
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar1->setGridVisible(true);
    Calendar1->setSelectedDate(QDate::currentDate());

    const gui::DialogButtons dialogButtons = gui::makeOkCancelHelp(this);
    OKBtn = dialogButtons.ok;
    CancelBtn = dialogButtons.cancel;
    HelpBtn = dialogButtons.help;

    auto* top = new QHBoxLayout;
    top->addWidget(SpinButton1);
    top->addStretch(1);
    top->addWidget(MonthLabel);
    top->addSpacing(12);
    top->addWidget(YearLabel);
    top->addStretch(1);
    top->addWidget(SpinButton2);
    auto* buttons = dialogButtons.row;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Calendar1, 1);
    layout->addLayout(buttons);

    Help::setContext(SpinButton1, 209);
    Help::setContext(SpinButton2, 210);
    Help::setContext(Calendar1, 211);
    Help::setContext(OKBtn, 212);
    Help::setContext(CancelBtn, 213);
    Help::installContextHelp(this, [] { return CalendarTopic; });

    connect(monthUp, &QToolButton::clicked, this, &TCalendarForm::SpinButton1UpClick);
    connect(monthDown, &QToolButton::clicked, this, &TCalendarForm::SpinButton1DownClick);
    connect(yearUp, &QToolButton::clicked, this, &TCalendarForm::SpinButton2UpClick);
    connect(yearDown, &QToolButton::clicked, this, &TCalendarForm::SpinButton2DownClick);
    connect(Calendar1, &QCalendarWidget::selectionChanged, this, &TCalendarForm::refreshLabels);
    connect(Calendar1, &QCalendarWidget::activated, this, &QDialog::accept);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, [this] { Help::showTopic(CalendarTopic, this); });
    refreshLabels();
}

void TCalendarForm::setDate(const QDate& date) {
    if (!date.isValid())
        return;
    Calendar1->setSelectedDate(date);
    Calendar1->setCurrentPage(date.year(), date.month());
    refreshLabels();
}

QDate TCalendarForm::date() const {
    return Calendar1->selectedDate();
}

QString TCalendarForm::monthName(int month) {
    static const char* const names[] = {"January",   "February", "March",    "April",
                                        "May",       "June",     "July",     "August",
                                        "September", "October",  "November", "December"};
    return month >= 1 && month <= 12 ? QString::fromLatin1(names[month - 1]) : QString();
}

void TCalendarForm::FormActivate() {
    refreshLabels();
}

void TCalendarForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
    Calendar1->setFocus();
}

void TCalendarForm::SpinButton1UpClick() {
    const QDate d = date();
    if (d.month() == 12)
        stepTo(d.year() + 1, 1);
    else
        stepTo(d.year(), d.month() + 1);
}

void TCalendarForm::SpinButton1DownClick() {
    const QDate d = date();
    if (d.month() == 1)
        stepTo(d.year() - 1, 12);
    else
        stepTo(d.year(), d.month() - 1);
}

void TCalendarForm::SpinButton2UpClick() {
    stepTo(date().year() + 1, date().month());
}

void TCalendarForm::SpinButton2DownClick() {
    stepTo(date().year() - 1, date().month());
}

void TCalendarForm::stepTo(int year, int month) {
    // The day stays unless the month is too short for it (31 January to February, 29 February
    // to a common year): then it becomes the month's last day rather than an impossible date.
    const int lastDay = QDate(year, month, 1).daysInMonth();
    setDate(QDate(year, month, qMin(date().day(), lastDay)));
}

void TCalendarForm::refreshLabels() {
    const QDate d = date();
    MonthLabel->setText(monthName(d.month()));
    YearLabel->setText(QString::number(d.year()));
}
