// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottery/current_lottery.h"

#include "db/file_lookup.h"
#include "db/table_lock.h"
#include "db/vantoro_error.h"
#include "lottery/drawing_table.h"
#include "lottery/lottery_files.h"
#include "lottery/todays_games.h"

#include <QFileInfo>

namespace {

// The analyses look at no more than this many drawings unless the user says otherwise.
constexpr int DefaultDrawingCutoff = 50;

} // namespace

CurrentLottery::CurrentLottery(QObject* parent) : QObject(parent) {}

CurrentLottery::~CurrentLottery() = default;

void CurrentLottery::setHomeDir(const QString& homeDir) {
    m_homeDir = homeDir;
    m_dataDir = homeDir + QStringLiteral("/data/");
}

void CurrentLottery::setDrawingCutoffCount(int count) {
    m_drawingCutoffCount = qMax(0, count);
    Q_EMIT changed();
}

void CurrentLottery::setHotNumberCutoff(int cutoff) {
    m_hotNumberCutoff = qMax(0, cutoff);
    m_hotShown = true;
    Q_EMIT changed();
}

int CurrentLottery::analysisCount() const {
    return qBound(0, m_drawingCutoffCount, m_totalDrawings);
}

int CurrentLottery::summaryDrawings() const {
    return summaryDrawings(m_drawingCutoffCount, m_hotNumberCutoff, m_totalDrawings);
}

int CurrentLottery::summaryDrawings(int drawingCutoffCount, int hotNumberCutoff, int totalDrawings) {
    return qMin(qMin(drawingCutoffCount, totalDrawings), totalDrawings - qMax(0, hotNumberCutoff));
}

QString CurrentLottery::missingFile(const QString& dataDir, const QString& fileName) {
    if (fileName.isEmpty() || !FileLookup::exists(dataDir, fileName))
        return fileName;
    const QString definition = LotteryFiles::baseName(fileName) + QStringLiteral(".INF");
    return FileLookup::exists(dataDir, definition) ? QString() : definition;
}

void CurrentLottery::LoadLottery(const QString& fileName) {
    closeLottery();
    try {
        const QString missing = missingFile(m_dataDir, fileName);
        if (!missing.isEmpty() || fileName.isEmpty())
            throw VantoroError(QStringLiteral("Could not find the file ") + missing + QStringLiteral("."));
        const QString base = LotteryFiles::baseName(fileName);
        m_table.open(FileLookup::find(m_dataDir, fileName));
        m_loadNotice.clear();
        if (m_table.tagCount() == 0 && !FileLookup::exists(m_dataDir, base + QStringLiteral(".NSX"))) {
            // The index holds only the name of the date order, so it is made again from the table;
            // writing it is a change to the lottery's files like any other.
            const TableLock lock(m_table.path());
            m_table.CreateIndexTag(DrawingTable::DateTag, DrawingTable::DateField);
            m_loadNotice = QStringLiteral("The index %1 was missing and has been rebuilt.")
                               .arg(QFileInfo(m_table.indexPath()).fileName());
        }
        m_table.SetOrder(1);
        ReadDefinition(FileLookup::find(m_dataDir, base + QStringLiteral(".INF")), m_definition);
        m_lotteryFile = fileName;
        applyGameExtras();
        m_longLastLabel = false;
        readTotals();
        m_drawingCutoffCount = qMin(m_totalDrawings, DefaultDrawingCutoff);
    } catch (const VantoroError&) {
        closeLottery();
        throw;
    }
    Q_EMIT changed();
}

void CurrentLottery::openNewLottery(const QString& fileName, const LotteryDefinition& definition) {
    LotteryDefinition kept = definition;
    closeLottery();
    try {
        m_table.open(FileLookup::find(m_dataDir, fileName));
        m_table.SetOrder(1);
    } catch (const VantoroError&) {
        closeLottery();
        throw;
    }
    m_definition = kept;
    m_lotteryFile = fileName;
    applyGameExtras();
    m_longLastLabel = true;
    readTotals();
    m_drawingCutoffCount = 0;
    Q_EMIT changed();
}

void CurrentLottery::closeLottery() {
    const bool wasOpen = isOpen() || m_table.isOpen();
    m_table.close();
    m_lotteryFile.clear();
    m_totalDrawings = 0;
    m_drawingCutoffCount = 0;
    m_lastDrawingDate.clear();
    if (wasOpen)
        Q_EMIT changed();
}

void CurrentLottery::refreshTotals() {
    readTotals();
    m_longLastLabel = false;
    m_drawingCutoffCount = qMin(m_totalDrawings, DefaultDrawingCutoff);
    Q_EMIT changed();
}

void CurrentLottery::setDefinition(const LotteryDefinition& definition) {
    m_definition = definition;
    applyGameExtras();
    Q_EMIT changed();
}

void CurrentLottery::setLastDrawingLabelLong(bool longLabel) {
    m_longLastLabel = longLabel;
    Q_EMIT changed();
}

void CurrentLottery::applyGameExtras() {
    // The record has no place for where the regular numbers start; a game of today keeps it in
    // its extras, which a lottery defined by hand does not have.
    m_definition.RegularLowest = -1;
    if (m_lotteryFile.isEmpty())
        return;
    if (const std::optional<GameExtras> extras =
            GameExtrasFile::read(m_dataDir, LotteryFiles::baseName(m_lotteryFile).toUpper()))
        m_definition.RegularLowest = static_cast<qint16>(extras->regularLowest);
}

void CurrentLottery::readTotals() {
    m_totalDrawings = m_table.RecordCount();
    m_lastDrawingDate.clear();
    if (m_totalDrawings > 0) {
        const DbfTable::Bookmark mark = m_table.bookmark();
        m_table.GoBottom();
        m_lastDrawingDate = m_table.DateText(DrawingTable::DateField);
        m_table.goToBookmark(mark);
    }
}

QString CurrentLottery::caption() const {
    return isOpen() ? QStringLiteral("Vantoro - ") + m_definition.Description : QStringLiteral("Vantoro");
}

QStringList CurrentLottery::statusTexts() const {
    const QString hot = m_hotShown ? QStringLiteral("Hot Number Cutoff: %1").arg(m_hotNumberCutoff)
                                   : QStringLiteral("Hot Number Cutoff:");
    if (!isOpen())
        return {QStringLiteral("Total Drawings:"), QStringLiteral("Last Drawing:"), hot,
                QStringLiteral("Drawing Cutoff:")};
    return {
        QStringLiteral("Total Drawings: %1").arg(m_totalDrawings),
        (m_longLastLabel ? QStringLiteral("Last Drawing: ") : QStringLiteral("Last Draw: ")) +
            m_lastDrawingDate,
        hot,
        QStringLiteral("Drawing Cutoff: %1").arg(m_drawingCutoffCount),
    };
}
