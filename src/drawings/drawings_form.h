// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/report_system.h"

#include <QDialog>
#include <array>
#include <memory>

class CurrentLottery;
class DrawingListModel;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;
class TPrintOptions;
class TableLock;

// The drawing editor: the entry fields are bound to the current record of the open drawing
// table, the grid shows the whole table in date order. The first change takes the table's lock. Add, Save,
// Abort, Delete, Previous, Next and Print work on that one table; every save and delete refreshes the
// lottery's totals.
class TDrawingsForm final : public QDialog {
    Q_OBJECT
public:
    // Shows and binds the fields for the open lottery and goes to its newest drawing.
    TDrawingsForm(CurrentLottery& lottery, TPrintOptions& printOptions, QWidget* parent = nullptr);
    ~TDrawingsForm() override;

    bool addingMode() const { return m_adding; }

    void FormActivate();
    void AddButtonClick();
    void SaveButtonClick();
    void AbortButtonClick();
    void DeleteButtonClick();
    void PreviousButtonClick();
    void NextButtonClick();
    void PrintButtonClick();
    void SpeedButton1Click();

    QPushButton* AddButton;
    QLineEdit* DateEdit;
    std::array<QLineEdit*, 22> PText{}; // P1Text .. P22Text
    QLineEdit* B1Text;
    QLineEdit* B2Text;
    QPushButton* SaveButton;
    QPushButton* AbortButton;
    QPushButton* DeleteButton;
    QPushButton* PreviousButton;
    QPushButton* NextButton;
    QPushButton* PrintButton;
    QPushButton* OKBtn;
    QPushButton* HelpBtn;
    QTableView* DBGrid1;
    QCheckBox* CalculateDate;
    QLabel* DrawLabel;
    QLabel* BonusLabel;
    QToolButton* SpeedButton1;
    std::array<QLabel*, 6> Markers{}; // R1, R2, W1, W2, B1, B2
    ReportSystem ReportSystem1;

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    struct Binding {
        QLineEdit* edit = nullptr;
        int entry = 0;     // 1..22 for P1Text..P22Text, 23 B1Text, 24 B2Text
        QString field;     // the table field it shows
        int width = 0;     // of that field
        int moveWidth = 0; // the length at which the focus moves on (B1Text, B2Text: the width of P1)
    };

    void bindFields();
    void sizeFields();
    QLineEdit* entryEdit(int entry) const;
    void numberTextEdited(const Binding& binding);
    void numberEditingFinished(const Binding& binding);
    bool dateEditingFinished();
    bool writeField(const QString& field, const QString& text);
    bool takeLock();
    bool startEditing();
    bool flushFields();
    bool dateIsBlank() const;
    bool saveEntry();
    bool settleEntry();
    void afterTableChange();
    void showCurrent();
    void selectCurrentRow();
    void gridRowChosen(int row);

    CurrentLottery& m_lottery;
    TPrintOptions& m_printOptions;
    std::unique_ptr<DrawingListModel> m_model;
    std::vector<Binding> m_bindings;
    // Taken at the first change and kept until the window closes: no other Vantoro writes the
    // table while this one may hold an entry in progress. Browsing takes nothing.
    std::unique_ptr<TableLock> m_lock;
    bool m_adding = false;
    bool m_dirty = false;   // the user changed the entry since it was last saved, aborted or shown
    bool m_syncing = false; // the grid's selection is being moved to the current drawing
    bool m_activated = false;
};

// Edit > "&Drawings...": the editor over the open lottery, shown modally.
void runDrawingsEditor(CurrentLottery& lottery, TPrintOptions& printOptions, QWidget* parent);
