// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lottery/lottery_definition.h"

#include "lottery/todays_games.h"

#include <QDialog>
#include <array>

class CurrentLottery;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
struct GamePreset;

// The lottery definition editor. In NewFile mode it is "New Drawing File":
// it defines a new lottery, writes its .INF and creates its empty drawing table, which becomes
// the current lottery. Otherwise it is "Edit Lottery Info" over the open lottery, with the
// fields that shape the drawing table locked.
class TLotteryInfoForm final : public QDialog {
    Q_OBJECT

public:
    enum class Mode { NewFile, Edit };

    TLotteryInfoForm(CurrentLottery& lottery, Mode mode, QWidget* parent = nullptr);

    bool newFileMode() const { return m_newFileMode; }
    // The definition as the controls show it (strings cut to their fields).
    LotteryDefinition definitionFromControls() const;
    // The code OK used for the files; empty before OK or when none could be derived.
    QString lotteryCode() const { return m_code; }

    // Handlers, connected in the constructor.
    void GameTypeChange(int index);   // the user chose a game type: its presets
    void StateChange(int index);      // the user chose a state: its commission
    void TodaysGameChange(int index); // the user chose a game of today: every field of it
    void OKBtnClick();
    void HelpBtnClick();
    std::optional<GameExtras> chosenExtras(const LotteryDefinition& d) const;

    QTabWidget* PageControl1;
    // "Game Info"
    QComboBox* TodaysGame; // "(none)", then the games of today; new-file mode only
    QComboBox* GameType;
    QLineEdit* Description;
    QComboBox* Country;
    QComboBox* State;
    QSpinBox* NumbersDrawn;
    QSpinBox* BonusNumbers;
    QSpinBox* HighestNumber;
    QSpinBox* LowestNumber;
    // "More Game Info"
    QGroupBox* GameDrawnOn;
    QCheckBox* Sunday;
    QCheckBox* Monday;
    QCheckBox* Tuesday;
    QCheckBox* Wednesday;
    QCheckBox* Thursday;
    QCheckBox* Friday;
    QCheckBox* Saturday;
    QGroupBox* BetSlipInfo; // never shown: its values pass through unchanged
    QSpinBox* TicketsPerSlip;
    QSpinBox* RowsPerTicket;
    QSpinBox* ColumnsPerTicket;
    QCheckBox* HorizontalTickets;
    // "Bonus Info"
    std::array<QCheckBox*, 7> BonusMatches; // "0 Matches" .. "6 Matches"
    QCheckBox* AllowDuplicates;
    QSpinBox* HighestBonus;
    // "Lottery Commission"
    QLineEdit* CommissionName;
    QLineEdit* CommissionAddress;
    QLineEdit* CommissionCity;
    QLineEdit* CommissionState;
    QLineEdit* CommissionZipCode;
    QLineEdit* CommissionPhone;
    QLineEdit* CommissionFax;
    QLineEdit* CommissionEmail;
    QLineEdit* CommissionWWW;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

private:
    QWidget* buildGameInfoPage();
    QWidget* buildMoreGameInfoPage();
    QWidget* buildBonusInfoPage();
    QWidget* buildCommissionPage();
    void setHelpContexts(); // F1 on a control opens its own help
    void showDefinition(const LotteryDefinition& definition);
    void showCommission(const LotteryDefinition& definition);
    void lockToPreset(const GamePreset& preset);
    std::array<QCheckBox*, 7> days() const; // Sunday first
    bool writeNewLottery(const LotteryDefinition& definition);
    void writeEditedLottery(const LotteryDefinition& definition);

    CurrentLottery& m_lottery;
    bool m_newFileMode = true;
    LotteryDefinition m_base; // what the controls do not show (the bet-slip layout) comes from here
    QString m_code;
};
