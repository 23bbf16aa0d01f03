// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/report_system.h"
#include "play/smart_numbers.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <optional>

class CurrentLottery;
class TWheelPage;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;

// "Play Smart Numbers": a wizard of four pages. The ticket method (own tickets or a wheel), the
// wheel, the breakdown of hot, prior, cold and due numbers recommended from past drawings, and the
// tickets, sorted or in pick order, to save or print.
class TSmartForm : public QDialog {
    Q_OBJECT
public:
    // Studies the open lottery's drawings at once; a drawing table that cannot be read throws
    // VantoroError (the window is not shown).
    TSmartForm(CurrentLottery& lottery, QWidget* parent = nullptr);
    ~TSmartForm() override;

    // The handlers, public so that a test can run them as the events would.
    void FormActivate();
    void TicketsClick();
    void NextBtnClick();
    void PreviousBtnClick();
    void CountChange(int smartClass);
    void SortedClick();
    void SaveButtonClick();
    void PrintButtonClick();

    // Windows seed the random source from the clock before each generation; a fixed seed makes a
    // run repeatable for tests and for the pictures of the help.
    void setFixedSeed(std::optional<std::uint32_t> seed) { m_fixedSeed = seed; }
    const SmartNumbers& smartNumbers() const { return m_smart; }
    ReportSystem& reportSystem() { return ReportSystem1; }
    int currentPage() const;
    // The list that is shown on the tickets page: TicketList2 (sorted) or TicketList (pick order).
    QListWidget* visibleList() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildWindow();
    QWidget* buildMethodPage();
    QWidget* buildCountsPage();
    QWidget* buildTicketsPage();
    void showPage(int page);
    bool wheelChosen() const;
    int ticketSize() const;
    void showBreakdown(SmartFlow flow);
    bool generate();
    void showTickets();

    CurrentLottery& m_lottery;
    SmartNumbers m_smart;
    SmartFlow m_flow = SmartFlow::OwnTickets;
    int m_wheelSize = 0;
    QString m_wheelPath;
    SmartTickets m_tickets;
    std::optional<std::uint32_t> m_fixedSeed;
    bool m_activated = false;
    ReportSystem ReportSystem1;

    QStackedWidget* Notebook1 = nullptr;
    QPushButton* PreviousBtn = nullptr;
    QPushButton* NextBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;
    // Page 0
    QGroupBox* Tickets = nullptr;
    QRadioButton* m_ownTickets = nullptr;
    QRadioButton* m_wheelTickets = nullptr;
    QLabel* m_numberLabel = nullptr;
    QSpinBox* NumberOfTickets = nullptr;
    // Page 1
    TWheelPage* m_wheelPage = nullptr;
    // Page 2
    QLabel* Label15 = nullptr;
    std::array<QLabel*, kSmartClasses> m_percent{};
    std::array<QLineEdit*, kSmartClasses> m_text{};
    std::array<QLabel*, kSmartClasses> m_label{};
    QLabel* Label16 = nullptr;
    QLineEdit* BonusText = nullptr;
    // Page 3
    QListWidget* TicketList = nullptr;
    QListWidget* TicketList2 = nullptr;
    QCheckBox* Sorted = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* PrintButton = nullptr;
    QLabel* BonusLabel = nullptr;
    QLabel* m_guaranteeCaption = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* m_playedCaption = nullptr;
    QLabel* Label7 = nullptr;
};
