// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/favorite_numbers.h"
#include "play/generator_wizard.h"

#include <QList>

class QLineEdit;

// "Play Favorite Numbers": the player's own tickets typed box by box (page 4), or favourite
// numbers typed on page 2 and played through a wheel (page 3, the shared tickets page).
class TFavForm : public TGeneratorWizard {
    Q_OBJECT
public:
    static constexpr int kNumbersPage = 3;    // "Enter Favorite Numbers"
    static constexpr int kOwnTicketsPage = 4; // "Enter Favorite Tickets"

    TFavForm(CurrentLottery& lottery, QWidget* parent = nullptr);

    void NextBtnClick() override;
    void PreviousBtnClick() override;
    // The own tickets' list: leaving a box stores the ticket, a click shows one.
    void FavExit();
    void TicketList2Click();
    void SaveBtn2Click();
    void PrintBtn2Click();
    ReportSystem& reportSystem2() { return ReportSystem2; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* makeNumbersPage();
    QWidget* makeOwnTicketsPage();
    void startOwnTickets();
    void chooseWheelNumbers();
    void makeWheelTickets();
    void selectOwnTicket(int row);
    int ownRow() const;

    FavoriteNumbers::OwnLayout m_layout;
    int m_wheelNumbers = 0; // K of the wheel chosen
    bool m_storing = false;
    ReportSystem ReportSystem2;

    QLabel* Label9 = nullptr;
    QList<QLineEdit*> m_edits; // Edit1 .. Edit50
    QLabel* Label10 = nullptr;
    QLineEdit* BonusText = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QListView* TicketList2 = nullptr;
    TicketListModel* m_ownModel = nullptr;
    QList<QLineEdit*> m_favs; // Fav1 .. Fav10
    QPushButton* SaveBtn2 = nullptr;
    QPushButton* PrintBtn2 = nullptr;
};
