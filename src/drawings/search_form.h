// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>

class CurrentLottery;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TPrintOptions;
class TSrchListForm;

// "Search Drawings": up to 35 numbers, the minimum hits a drawing needs, and whether the bonus
// numbers count. Created for each search.
class TSearchForm final : public QDialog {
    Q_OBJECT
public:
    // `fieldWidth` is the width of the table's P1 (the focus moves on at it; two-character
    // tables zero-fill a single digit); the bonus choice is shown when `bonusNumbers` > 0.
    TSearchForm(int fieldWidth, int bonusNumbers, QWidget* parent = nullptr);

    QStringList entries() const; // the 35 texts in order, empty ones included
    int minimumHits() const;
    bool includeBonus() const;

    void FormActivate();

    QGroupBox* GroupBox1;
    std::array<QLineEdit*, 35> s{}; // s1 .. s35
    QLabel* Label1;
    QSpinBox* SpinEdit1;
    QCheckBox* IncludeBonus;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void entryChanged(int index);
    void entryExit(int index);

    int m_fieldWidth;
};

// Edit > "&Search Drawings...": the range, the numbers, the search, then the result window.
// Returns whether the search ran (false when a dialog was cancelled).
bool runDrawingSearch(CurrentLottery& lottery, TPrintOptions& printOptions, TSrchListForm& results,
                      QWidget* parent);
