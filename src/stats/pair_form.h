// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/report_system.h"
#include "stats/repeating_sets.h"

#include <QDialog>

class CurrentLottery;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

// "Repeating Pairs Chart" or "Repeating Triples Chart": which two (or three) numbers came up
// together more than once within the drawing cutoff, by how often.
class TPairForm final : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Pairs, Triples };

    TPairForm(CurrentLottery& lottery, Mode mode, QWidget* parent = nullptr);

    // Counts afresh (on opening and on every click of "Include Bonus #") and shows the highest count.
    void Calculate();
    const RepeatingSets& sets() const { return m_sets; }
    ReportSystem& reportSystem() { return ReportSystem1; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OccurencesListChange();
    void PrintButtonClick();

    CurrentLottery& m_lottery;
    Mode m_mode;
    // Allocated once for the window: the triples' million counters are not remade per click.
    RepeatingSetsCounter m_counter;
    RepeatingSets m_sets;
    bool m_shown = false;
    ReportSystem ReportSystem1;

    QComboBox* OccurencesList = nullptr;
    QListWidget* PairList = nullptr;
    QLabel* Label3 = nullptr;
    QCheckBox* IncludeBonus = nullptr;
    QPushButton* PrintButton = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* HelpBtn = nullptr;
};
