// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class CurrentLottery;
class QCheckBox;
class QListWidget;
class QPushButton;

// "Open Drawing File": picks a lottery from the catalogue by state or country, or browses for a
// drawing file, and makes it the current lottery. A choice whose files are missing is refused
// with a message and leaves the lottery that was open as it was.
class TOpenForm final : public QDialog {
    Q_OBJECT

public:
    explicit TOpenForm(CurrentLottery& lottery, QWidget* parent = nullptr);

    // The drawing file of the selected entry, e.g. "PB545.DBF"; empty when no lottery is selected.
    QString selectedFile() const;

    // Handlers, connected in the constructor.
    void FormActivate();
    void UnitedStatesClick();
    void StateListClick();
    void OKClick();
    void BrowseButtonClick();
    void HelpClick();

    QListWidget* StateList;
    QListWidget* LotteryList;
    QCheckBox* UnitedStates;
    QPushButton* BrowseButton;
    QCheckBox* Autoload;
    QPushButton* OK;
    QPushButton* Cancel;
    QPushButton* Help;

private:
    void fillPlaces();
    // The "Could not find the file ..." refusal for the first of the lottery's files (table,
    // index, definition) missing from data/; false when all three are there. Browsing checks the
    // table too, so that a refusal never closes the lottery that is open.
    bool refuseMissing(const QString& fileName);
    // Opens the file as the current lottery and writes it to the settings when Autoload is ticked.
    bool openLottery(const QString& fileName, bool settingsFirst);

    CurrentLottery& m_lottery;
};
