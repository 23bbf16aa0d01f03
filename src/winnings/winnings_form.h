// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/report_system.h"

#include <QDialog>
#include <QLocale>

class DbfTable;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;
class WinningsModel;

// "Edit Winnings": the entries of one ledger in date order, entered through four fields bound to
// the current entry. Add appends a blank entry, Save stores it and shows the totals, Abort drops
// what was not saved, Delete removes the current entry and packs the ledger.
class TWinningsForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpTopic = 148;

    // `table` is the ledger, open in date order (Winnings::openLedger).
    explicit TWinningsForm(DbfTable& table, QWidget* parent = nullptr);
    ~TWinningsForm() override;

    // The three commands of the main window.
    static void newLedger(const QString& homeDir, QWidget* parent);
    static void deleteLedger(const QString& homeDir, QWidget* parent);
    static void openLedger(DbfTable& table, const QString& homeDir, QWidget* parent);

    // The handlers, public so that a test can run them as the events would.
    void FormActivate();
    void AddButtonClick();
    bool SaveButtonClick();
    void AbortButtonClick();
    void DeleteButtonClick();
    void SpeedButton1Click();
    void PrintButtonClick();

    ReportSystem& reportSystem() { return ReportSystem1; }
    void setLocale(const QLocale& locale) { m_locale = locale; } // the currency format shown

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildWindow();
    // Writes what the fields hold into the record buffer; false (after the message) when a field
    // is refused.
    bool flushFields();
    bool fieldsModified() const;
    void showCurrent();
    void reloadGrid();
    void gridRowChosen(int row);

    DbfTable& m_table;
    QLocale m_locale;
    WinningsModel* m_model = nullptr;
    bool m_syncing = false;
    ReportSystem ReportSystem1;

    QLineEdit* DateEdit = nullptr;
    QLineEdit* CommentEdit = nullptr;
    QLineEdit* WonEdit = nullptr;
    QLineEdit* LostEdit = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QTableView* DBGrid1 = nullptr;
    QLabel* WonLabel = nullptr;
    QLabel* LostLabel = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* AbortButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPushButton* PrintButton = nullptr;
};
