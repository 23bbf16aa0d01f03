// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/report_system.h"
#include "play/ticket_file.h"
#include "play/ticket_filter.h"

#include <QDialog>
#include <QList>

class CurrentLottery;
class TicketListModel;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;

// "Edit Tickets (<file>)": one ticket file in a list, edited through one box per column, narrowed by
// a sum filter and an odd filter (each narrowing the other's list), saved and printed. The full list
// is TicketList; while a filter is on "Range" the filtered copy TicketList2 stands in its place and
// every operation works on it.
class TEditTicForm : public QDialog {
    Q_OBJECT
public:
    // Loads `path` at once; a file that cannot be read throws VantoroError (the dialog is not shown).
    TEditTicForm(CurrentLottery& lottery, const QString& path, QWidget* parent = nullptr);
    ~TEditTicForm() override;

    // The handlers, public so that a test can run them as the events would.
    void FormActivate();
    void TicketListClick();
    void AddBtnClick();
    void EditExit();
    void DeleteBtnClick();
    void FilterAllClick(TicketFilter filter);
    void FilterRangeClick(TicketFilter filter);
    void FromToExit(TicketFilter filter);
    void SaveBtnClick();
    void PrintBtnClick();

    ReportSystem& reportSystem() { return ReportSystem1; }
    // The list that is shown: TicketList, or TicketList2 while a filter is on.
    QListView* visibleList() const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct FilterControls {
        QGroupBox* group = nullptr;
        QRadioButton* all = nullptr;
        QRadioButton* range = nullptr;
        QLineEdit* from = nullptr;
        QLineEdit* to = nullptr;
        TicketRange current;
        TicketRange initial;
        bool onRange() const;
    };

    void buildWindow();
    void loadFile();
    void showAverages();
    // The filters show a ticket too, but leave the focus in their boxes: the user is on the way
    // from From to To, and a jump to Edit1 would send the next keys into a ticket.
    enum TicketFocus { FocusFirstBox, KeepFocus };
    void showSelected(TicketFocus focus);
    void showTicket(TicketFocus focus = FocusFirstBox);
    void clearTicket(bool disableBoxes);
    void selectRow(int row);
    void setTicketsLabel(int count);
    void setCountLabels(const TicketCounts& counts);
    void showRange(FilterControls& controls);
    FilterControls& controlsOf(TicketFilter filter) { return filter == TicketFilter::Sum ? m_sum : m_odd; }
    FilterControls& otherOf(TicketFilter filter) { return filter == TicketFilter::Sum ? m_odd : m_sum; }
    void showFiltered(bool filtered);
    TicketListModel* visibleModel() const;
    int currentRow() const;

    CurrentLottery& m_lottery;
    QString m_path;
    QString m_openedName;
    TicketKind m_kind;
    QString m_lotteryName;
    int m_editIndex = -1;
    bool m_activated = false;
    bool m_handling = false; // a leave handler is running: its own message boxes do not re-enter it
    ReportSystem ReportSystem1;

    QListView* TicketList = nullptr;
    QListView* TicketList2 = nullptr;
    TicketListModel* m_all = nullptr;      // TicketList's tickets
    TicketListModel* m_filtered = nullptr; // TicketList2's tickets
    QLabel* TicketsLabel = nullptr;
    QLabel* TypeLabel = nullptr;
    QLabel* BonusLabel = nullptr;
    QLabel* m_averageSum = nullptr;
    QLabel* m_averageOdd = nullptr;
    QLabel* m_averageNote = nullptr; // why drawings were left out of the averages
    QGroupBox* m_ticketGroup = nullptr;
    QList<QLineEdit*> m_edits; // Edit1 .. Edit11 (the bonus box follows the last regular one)
    QLabel* m_sumLabel = nullptr;
    QLabel* m_oddLabel = nullptr;
    QLabel* m_evenLabel = nullptr;
    FilterControls m_sum;
    FilterControls m_odd;
    QPushButton* m_addBtn = nullptr;
    QPushButton* m_deleteBtn = nullptr;
    QPushButton* m_saveBtn = nullptr;
    QPushButton* m_printBtn = nullptr;
    QPushButton* m_closeBtn = nullptr;
    QPushButton* m_helpBtn = nullptr;
};
