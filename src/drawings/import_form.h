// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drawings/drawing_import.h"

#include <QDialog>
#include <QString>

class CurrentLottery;
struct ImportPreset;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

// "Import Drawings": reads a published history into the open lottery. The user picks a file,
// confirms the column mapping (proposed from the file, or the one last used for this lottery),
// sees what will be added and what is refused, and then imports the accepted drawings or cancels.
// Nothing is written before Import, and an import that fails writes nothing.
class TImportForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 700;

    explicit TImportForm(CurrentLottery& lottery, QWidget* parent = nullptr);
    ~TImportForm() override;

    // Reads the file and proposes its mapping; false (after saying why) when it cannot be read.
    bool openFile(const QString& path);
    ImportLayout importLayout() const;
    void setImportLayout(const ImportLayout& layout);
    const ImportPreview& preview() const { return m_preview; }

    // Handlers, named after their controls.
    void BrowseBtnClick();
    void ImportBtnClick();
    void HelpBtnClick();

    // While the file is read or the drawings are written, Cancel (or closing the window) stops
    // that work, which then leaves the table as it was; otherwise it closes the window.
    void reject() override;

private:
    void LayoutChange();
    void refreshPreview();
    void showFileRows();
    // A JSON file is mapped by the keys of its records, a CSV file by its columns.
    void showMappingFor(bool json, const QStringList& keys);
    ImportLayout rowLayout() const;
    bool step(int done, int total);
    void setWorking(bool working);

    CurrentLottery& m_lottery;
    DrawingImport::Target m_target;
    const ImportPreset* m_preset = nullptr; // the one of the game the lottery was made from
    QString m_path;
    QString m_text;
    std::vector<CsvRow> m_rows; // the first rows as the grid shows them; every record of a JSON file
    bool m_json = false;
    ImportPreview m_preview;
    bool m_filling = false;
    bool m_working = false; // reading the file or writing the drawings
    bool m_stopped = false; // Cancel was pressed while working

    QLineEdit* m_fileText = nullptr;
    QPushButton* m_browseBtn = nullptr;
    QGroupBox* m_mapping = nullptr;
    QFormLayout* m_mappingForm = nullptr;
    QComboBox* m_separator = nullptr;
    QSpinBox* m_headerRows = nullptr;
    QComboBox* m_dateFormat = nullptr;
    QLineEdit* m_dateColumns = nullptr;
    QLineEdit* m_numberColumns = nullptr;
    QComboBox* m_dateKey = nullptr;
    QComboBox* m_numbersKey = nullptr;
    QComboBox* m_bonusKey = nullptr;
    QCheckBox* m_twoDraws = nullptr;
    QLabel* m_presetLabel = nullptr;
    QTableWidget* m_fileGrid = nullptr;
    QLabel* m_summary = nullptr;
    QListWidget* m_accepted = nullptr;
    QListWidget* m_refused = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_importBtn = nullptr;
    QPushButton* m_cancelBtn = nullptr;
    QPushButton* m_helpBtn = nullptr;
};

// File > Export Drawings: asks where to save the open lottery's drawings as CSV and writes them.
void exportDrawings(CurrentLottery& lottery, QWidget* parent);
