// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/report_system.h"
#include "play/generated_tickets.h"

#include <QDialog>

class CurrentLottery;
class QGroupBox;
class QLabel;
class QListView;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class TWheelPage;
class TicketListModel;

// What the random and favourite number windows share: the pages "Select Ticket Method" and "Select
// Wheeling System", a "Tickets" page with the list, guarantee and numbers played, and the
// Previous / Next / Close / Help row. Each window adds its own pages and walks them in its
// PreviousBtnClick and NextBtnClick.
class TGeneratorWizard : public QDialog {
    Q_OBJECT
public:
    // The notebook's pages; a window's own pages come after kTicketsPage.
    static constexpr int kMethodPage = 0;
    static constexpr int kWheelPage = 1;
    static constexpr int kTicketsPage = 2;

    int currentPage() const;
    virtual void NextBtnClick() = 0;
    virtual void PreviousBtnClick() = 0;
    // The window's Save and Print of the tickets page.
    void SaveBtnClick();
    void PrintBtnClick();
    ReportSystem& reportSystem() { return ReportSystem1; }

protected:
    // `what` completes the method page's texts: "random number" or "favorite number".
    TGeneratorWizard(CurrentLottery& lottery, const QString& caption, const QString& what, int helpTopic,
                     QWidget* parent);
    // Adds a page after the shared ones; returns its index.
    int addPage(QWidget* page);
    void showPage(int page);
    // Resets the method page (one ticket, the column note) as each activation does.
    void resetMethodPage();
    bool wheelChosen() const;
    QString selectedWheel() const;
    // Puts `generated` on the tickets page, with the guarantee and numbers played shown for a wheel.
    void showTickets(const GeneratedTickets& generated);
    // The save dialog every generator uses, then the ticket file of `generated`.
    void saveTickets(const GeneratedTickets& generated);
    // The "Print Tickets" printout of `generated` through `report`, with `note` over the tickets.
    void printTickets(ReportSystem& report, const GeneratedTickets& generated, const QString& note);
    const LotteryDefinition& definition() const;
    void showEvent(QShowEvent* event) override;

    CurrentLottery& m_lottery;
    QString m_generatorName; // "Random Number", the printouts' titles begin with it
    GeneratedTickets m_generated;
    ReportSystem ReportSystem1;

    QStackedWidget* Notebook = nullptr;
    QGroupBox* Tickets = nullptr;
    QRadioButton* OwnTicketsBtn = nullptr;
    QRadioButton* WheelTicketsBtn = nullptr;
    QLabel* NumberOfTicketsLabel = nullptr;
    QSpinBox* NumberOfTickets = nullptr;
    TWheelPage* WheelPage = nullptr;
    QListView* TicketList = nullptr;
    TicketListModel* m_ticketModel = nullptr;
    QLabel* GuaranteeCaption = nullptr;
    QLabel* Label5 = nullptr; // the guarantee
    QLabel* PlayedCaption = nullptr;
    QLabel* Label7 = nullptr; // the numbers played
    QLabel* BonusLabel = nullptr;
    QPushButton* SaveBtn = nullptr;
    QPushButton* PrintBtn = nullptr;
    QPushButton* PreviousBtn = nullptr;
    QPushButton* NextBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
    QPushButton* HelpBtn = nullptr;

private:
    void TicketsClick();
    QWidget* makeMethodPage(const QString& what);
    QWidget* makeTicketsPage();
};

// The fixed-pitch font of the ticket lists, so the columns stand under each other.
QFont ticketListFont();
