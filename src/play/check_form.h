// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/report_system.h"
#include "play/ticket_check.h"

#include <QDialog>
#include <memory>

class CurrentLottery;
class DrawingListModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTableView;

// "Check Tickets (<file>)": page "Select Date" picks a drawing of the open lottery from its grid,
// page "Display Tickets" lists every ticket of the file with its count of matches, narrowed to a
// minimum count when asked, with the summary of the counts and a printout.
class TCheckForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpTopic = 530;

    // The lottery must be open; the file has passed ticketFileRefusal.
    TCheckForm(CurrentLottery& lottery, const QString& ticketPath, QWidget* parent = nullptr);
    ~TCheckForm() override;

    // The "Check Tickets..." command: asks for a ticket file, tests that it fits the open lottery
    // and shows the dialog.
    static void run(CurrentLottery& lottery, QWidget* parent);

    // The handlers, public so that a test can run them as the events would.
    void NextBtnClick();
    void PreviousBtnClick();
    void MaskEdit1Change();
    void PrintBtnClick();

    ReportSystem& reportSystem() { return ReportSystem1; }

private:
    void buildWindow();
    void showPage(int page);

    CurrentLottery& m_lottery;
    QString m_path;
    QString m_fileName;
    std::unique_ptr<DrawingListModel> m_model;
    CheckResult m_result;
    ReportSystem ReportSystem1;

    QStackedWidget* m_pages = nullptr;
    QTableView* DBGrid1 = nullptr;
    QLabel* NumbersLabel = nullptr;
    QLabel* BonusLabel = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* TicketsLabel = nullptr;
    QListWidget* TicketList2 = nullptr;
    QListWidget* TicketList3 = nullptr;
    QLineEdit* MaskEdit1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QPushButton* PrintBtn = nullptr;
    QPushButton* PreviousBtn = nullptr;
    QPushButton* NextBtn = nullptr;
};
