// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDialog>

class QCalendarWidget;
class QLabel;
class QPushButton;
class QToolButton;

// The calendar picker of the drawing editor and the winnings ledger: a month grid whose weeks
// start on Sunday, the month and year above it, a month spin button on the left and a year spin
// button on the right. Stepping to a month that lacks the day moves to that month's last day.
class TCalendarForm final : public QDialog {
    Q_OBJECT
public:
    explicit TCalendarForm(QWidget* parent = nullptr);

    // Today until set.
    void setDate(const QDate& date);
    QDate date() const;
    int year() const { return date().year(); }
    int month() const { return date().month(); }
    int day() const { return date().day(); }

    static QString monthName(int month); // "January" .. "December"

    void FormActivate();
    void SpinButton1UpClick();   // month up: December goes to January of the next year
    void SpinButton1DownClick(); // month down: January goes to December of the year before
    void SpinButton2UpClick();   // year up
    void SpinButton2DownClick(); // year down

    QLabel* MonthLabel;
    QLabel* YearLabel;
    QWidget* SpinButton1; // its arrows are the children "Up" and "Down"
    QWidget* SpinButton2;
    QCalendarWidget* Calendar1;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void stepTo(int year, int month);
    void refreshLabels();
};
