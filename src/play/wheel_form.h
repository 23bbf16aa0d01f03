// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/report_system.h"
#include "play/wheel_file.h"

#include <QDialog>
#include <QStringList>

class CurrentLottery;
class QLineEdit;
class QPushButton;
class QTableWidget;

// The wheel editor: the five header boxes and the ticket grid. New or edit mode for its whole
// life, as it is made.
class TWheelForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpTopic = 130;

    enum class Mode { New, Edit };

    // `wheelsDir` is where the save dialog of a new wheel starts.
    TWheelForm(CurrentLottery& lottery, const QString& wheelsDir, Mode mode, QWidget* parent = nullptr);
    ~TWheelForm() override;

    // Edit mode: fills the boxes and the grid from `path` (which Save then rewrites). Throws
    // VantoroError when the file cannot be read or its header is not numbers the grid can take.
    // Ticket lines with more or fewer positions than P are loaded as they stand and reported when
    // the dialog is shown.
    void LoadWheel(const QString& path);

    bool newMode() const { return m_newMode; }
    QString path() const { return m_path; }
    // The wheel as the boxes and the grid hold it, as Save writes it.
    WheelFile wheel() const;

    // The save dialog's proposal for P, M and C as typed: "F06" when M = P and C = P, else "A06".
    static QString saveExtension(const QString& perTicket, const QString& match, const QString& correct);

    ReportSystem ReportSystem1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void NumbersPerTicketExit();
    void TicketsExit();
    void SaveBtnClick();
    void PrintBtnClick();
    void HelpBtnClick();
    void VerifyBtnClick();
    void CoverageBtnClick();
    void GenerateBtnClick();
    // The header boxes and the grid as `file` holds them.
    void showWheel(const WheelFile& file, int perTicket, int tickets);
    // The first empty header box gets the focus and its message; true when none is empty.
    bool validate();
    // The wheel when every box is filled and every cell is a position, else the first problem
    // shown with its cell made current; false then.
    bool soundWheel(WheelFile& file);
    void setTicketRows(int rows);

    CurrentLottery& m_lottery;
    QString m_wheelsDir;
    bool m_newMode = true;
    QString m_path;
    QStringList m_loadNotes;
    int m_labelWidth = 40;
    int m_cellWidth = 20;

    QLineEdit* NumbersPerTicket = nullptr;
    QLineEdit* Numbers = nullptr;
    QLineEdit* Tickets = nullptr;
    QLineEdit* Match = nullptr;
    QLineEdit* Correct = nullptr;
    QTableWidget* GamesGrid = nullptr;
    QPushButton* SaveBtn = nullptr;
    QPushButton* PrintBtn = nullptr;
    QPushButton* VerifyBtn = nullptr;
    QPushButton* CoverageBtn = nullptr;
    QPushButton* GenerateBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
    QPushButton* HelpBtn = nullptr;
};
