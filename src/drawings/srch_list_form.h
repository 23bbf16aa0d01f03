// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drawings/drawing_search.h"
#include "gui/report_system.h"

#include <QDialog>

class QLabel;
class QPushButton;
class TListBoxHorz;

// "Search Results": the numbers searched for, the range, and the drawings that reached the
// minimum hits. One window for the whole run; the list stays filled until the next search.
class TSrchListForm final : public QDialog {
    Q_OBJECT
public:
    explicit TSrchListForm(QWidget* parent = nullptr);

    // Fills the labels and the list from a search of the lottery `lotteryName` with N numbers.
    void showResult(const QString& lotteryName, int numbersDrawn, const DrawingSearchResult& result);
    void PrintButtonClick();

    QLabel* NumbersLabel;
    QLabel* DrawingsLabel;
    TListBoxHorz* ListBox1;
    QPushButton* PrintButton;
    QPushButton* OKBtn;
    QPushButton* HelpBtn;
    ReportSystem ReportSystem1;

private:
    QString m_lotteryName;
    int m_numbersDrawn = 0;
    DrawingSearchResult m_result;
};
