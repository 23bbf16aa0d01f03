// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class CurrentLottery;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;

// The small dialog behind both cutoff options: a framed box with one label and one spin box.
// Which option it edits is told by its label, and the label picks the Help topic.
class TCutoffForm : public QDialog {
    Q_OBJECT
public:
    enum class Kind { DrawingCutoff, HotNumberCutoff };

    TCutoffForm(Kind kind, int value, int totalDrawings, QWidget* parent = nullptr);

    Kind kind() const { return m_kind; }
    // The box's value; text that is not an integer reads as the lower bound.
    int value() const;
    int lowerBound() const;
    int upperBound() const;

    // The whole command of the Options menu: the recommendation message for a drawing cutoff
    // above 50, the dialog, and on OK the new value into the lottery (which refreshes the panel).
    static void runDrawingCutoff(CurrentLottery& lottery, QWidget* parent);
    static void runHotNumberCutoff(CurrentLottery& lottery, QWidget* parent);

    static int lowerBoundFor(Kind kind, int value, int totalDrawings);
    static int upperBoundFor(Kind kind, int value, int totalDrawings);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // 143 for the drawing cutoff, 144 for the hot-number cutoff, told apart by the label.
    int helpTopic() const;
    void HelpBtnClick();

    Kind m_kind;
    QGroupBox* m_box = nullptr;
    QLabel* m_label = nullptr;
    QSpinBox* m_spin = nullptr;
    QPushButton* m_okBtn = nullptr;
    QPushButton* m_cancelBtn = nullptr;
    QPushButton* m_helpBtn = nullptr;
};
