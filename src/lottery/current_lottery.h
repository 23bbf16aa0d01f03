// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "db/dbf_table.h"
#include "lottery/lottery_definition.h"

#include <QObject>
#include <QString>
#include <QStringList>

// The state of the open lottery, owned by the main window and read by every dialog.
// Dialogs that change it do so through the named methods, which emit changed() so that the
// status bar, caption and commands follow.
class CurrentLottery : public QObject {
    Q_OBJECT
public:
    explicit CurrentLottery(QObject* parent = nullptr);
    ~CurrentLottery() override;

    // The program home (data/ lives inside it).
    void setHomeDir(const QString& homeDir);
    QString homeDir() const { return m_homeDir; }
    QString DataDir() const { return m_dataDir; } // home + "/data/"

    bool isOpen() const { return !m_lotteryFile.isEmpty(); }
    const LotteryDefinition& definition() const { return m_definition; }
    QString LotteryFile() const { return m_lotteryFile; }
    DbfTable& table() { return m_table; }

    int TotalDrawings() const { return m_totalDrawings; }
    int DrawingCutoffCount() const { return m_drawingCutoffCount; }
    int HotNumberCutoff() const { return m_hotNumberCutoff; }
    QString lastDrawingDate() const { return m_lastDrawingDate; }

    void setDrawingCutoffCount(int count); // clamped to 0..TotalDrawings for use, see analysisCount()
    void setHotNumberCutoff(int cutoff);
    // The drawings an analysis reads: the cutoff, never more than the table holds, never negative.
    int analysisCount() const;
    // The drawing summary's rows: the drawing cutoff, but no more than leave HotNumberCutoff earlier
    // drawings for the oldest row to look back on. 0 or less refuses the chart.
    int summaryDrawings() const;
    static int summaryDrawings(int drawingCutoffCount, int hotNumberCutoff, int totalDrawings);

    // The first of the lottery's files that a load cannot do without (table, definition) that is
    // missing from dataDir, as "NJ646.INF"; empty when both are there. Nothing is opened. A
    // missing index is no refusal: the load makes it again.
    static QString missingFile(const QString& dataDir, const QString& fileName);
    // Opens dataDir/fileName with its .NSX and .INF. The "Could not find the file ..." refusals
    // and any file-layer error throw VantoroError; the lottery is then closed (the no-lottery
    // state) and LotteryFile is empty. A missing .NSX is written again (under the table's lock),
    // and loadNotice() says so.
    void LoadLottery(const QString& fileName);
    // What the last LoadLottery has to tell the user ("The index NJ646.NSX was missing and has
    // been rebuilt."); empty when there is nothing.
    QString loadNotice() const { return m_loadNotice; }
    // The definition editor's new table becomes the current lottery ("Last Drawing: " panel).
    void openNewLottery(const QString& fileName, const LotteryDefinition& definition);
    // Back to the no-lottery state.
    void closeLottery();
    // After the drawing editor saved or deleted: totals, last date, DrawingCutoffCount = min(total, 50),
    // and the panel's short "Last Draw: " label.
    void refreshTotals();
    // The definition editor saved the definition of the open lottery (or of the new one whose
    // table could not be made); the caption follows.
    void setDefinition(const LotteryDefinition& definition);
    // The status panel reads "Last Drawing: " rather than "Last Draw: " (after the open dialog).
    void setLastDrawingLabelLong(bool longLabel);

    // "Vantoro" or "Vantoro - <Description>".
    QString caption() const;
    // The four status-panel texts in order: total drawings, last drawing, hot cutoff, drawing cutoff.
    QStringList statusTexts() const;

Q_SIGNALS:
    void changed();

private:
    void readTotals();
    void applyGameExtras();

    QString m_homeDir;
    QString m_dataDir;
    LotteryDefinition m_definition;
    QString m_lotteryFile;
    DbfTable m_table;
    int m_totalDrawings = 0;
    int m_drawingCutoffCount = 0;
    int m_hotNumberCutoff = 10;
    QString m_lastDrawingDate;
    QString m_loadNotice;
    bool m_longLastLabel = false;
    bool m_hotShown = false; // the hot-cutoff panel shows its value once the settings are read
};
