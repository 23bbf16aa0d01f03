// SPDX-License-Identifier: GPL-3.0-or-later
#include "winnings/winnings_table.h"

#include "db/dbf_table.h"
#include "db/file_lookup.h"
#include "db/table_lock.h"
#include "db/vantoro_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

namespace Winnings {

void createLedger(const QString& path) {
    try {
        DbfTable::Creator creator;
        creator.CreateTable(path, 4);
        creator.AddField(DateField, 'D', 8, 0);
        creator.AddField(CommentField, 'C', CommentWidth, 0);
        creator.AddField(WonField, 'N', 15, 2);
        creator.AddField(LostField, 'N', 15, 2);
        creator.CommitCreate();
    } catch (const VantoroError&) {
        throw VantoroError(CreateFailedMessage);
    }
    try {
        TableLock lock(path);
        DbfTable table;
        table.open(path, true);
        table.CreateIndexTag(DateTag, DateField);
        table.close();
    } catch (const VantoroError&) {
        // A ledger without its index would open in record order: better none at all.
        QFile::remove(path);
        throw VantoroError(CreateFailedMessage);
    }
}

Removal removeLedger(const QString& dir, const QString& fileName) {
    const QString table = FileLookup::find(dir, fileName);
    if (table.isEmpty() || !QFile::remove(table))
        return Removal::TableKept;
    const QString indexName = fileName.left(fileName.size() - 4) + QStringLiteral(".nsx");
    const QString index = FileLookup::find(dir, indexName);
    if (index.isEmpty() || !QFile::remove(index))
        return Removal::IndexKept;
    return Removal::Removed;
}

void openLedger(DbfTable& table, const QString& dir, const QString& fileName) {
    table.close();
    table.open(dir, QFileInfo(fileName).fileName());
    const int tag = [&] {
        for (int i = 1; i <= table.tagCount(); ++i) {
            if (table.tagName(i).compare(DateTag, Qt::CaseInsensitive) == 0)
                return i;
        }
        throw VantoroError(QStringLiteral("The file %1 is not a winnings file: it has no index %2.")
                               .arg(table.fileName(), DateTag));
    }();
    for (const QString& field : {DateField, CommentField, WonField, LostField}) {
        if (table.fieldIndex(field) < 0)
            throw VantoroError(QStringLiteral("The file %1 is not a winnings file: it has no field %2.")
                                   .arg(table.fileName(), field));
    }
    table.SetOrder(tag);
    table.GoBottom();
}

namespace {

// Walks every entry in the current order and comes back to the entry that was current.
void forEach(DbfTable& table, const std::function<void()>& visit) {
    if (table.RecordCount() == 0)
        return;
    const DbfTable::Bookmark mark = table.bookmark();
    table.GoTop();
    do {
        visit();
    } while (table.Skip(1) == 1);
    table.goToBookmark(mark);
}

} // namespace

std::vector<Entry> entries(DbfTable& table) {
    std::vector<Entry> all;
    forEach(table, [&] {
        all.push_back({table.DateText(DateField), table.FieldText(CommentField).trimmed(),
                       table.fieldNumber(WonField), table.fieldNumber(LostField)});
    });
    return all;
}

Totals totals(DbfTable& table) {
    Totals sums;
    forEach(table, [&] {
        sums.won += table.fieldNumber(WonField);
        sums.lost += table.fieldNumber(LostField);
    });
    return sums;
}

void write(DbfTable& table, const std::function<void()>& change) {
    TableLock lock(table.path());
    if (table.changedOnDisk()) {
        table.reopen();
        throw VantoroError(
            QStringLiteral("The winnings file %1 was changed by another Vantoro while it was open "
                           "here. It has been read again; please repeat the change.")
                .arg(table.fileName()));
    }
    change();
}

void addEntry(DbfTable& table, const Entry& entry) {
    write(table, [&] {
        table.append();
        try {
            table.setFieldDate(DateField, entry.date);
            table.SetField(CommentField, entry.comment);
            table.setFieldDouble(WonField, entry.won);
            table.setFieldDouble(LostField, entry.lost);
            table.post();
        } catch (...) {
            table.cancel();
            throw;
        }
    });
}

int deleteEntries(DbfTable& table, const QString& date, const QString* comment) {
    int deleted = 0;
    write(table, [&] {
        std::vector<DbfTable::Bookmark> marks;
        forEach(table, [&] {
            if (table.DateText(DateField) == date &&
                (!comment || table.FieldText(CommentField).trimmed() == comment->trimmed()))
                marks.push_back(table.bookmark());
        });
        if (marks.empty())
            return;
        // Deleting only marks a record, so the other bookmarks stay good until the pack.
        for (const DbfTable::Bookmark mark : marks) {
            table.goToBookmark(mark);
            table.DeleteRecord();
        }
        table.Pack();
        deleted = int(marks.size());
    });
    return deleted;
}

QString currency(double amount, const QLocale& locale) {
    return locale.toCurrencyString(amount, locale.currencySymbol(), 2);
}

QString plainAmount(double amount) {
    return QString::number(amount, 'f', 2);
}

double parseAmount(const QString& text, const QString& what, const QLocale& locale) {
    QString plain = text.trimmed();
    if (plain.isEmpty())
        return 0;
    const QString symbol = locale.currencySymbol();
    if (!symbol.isEmpty())
        plain.remove(symbol);
    plain.remove(QLatin1Char('$'));
    plain = plain.trimmed();
    bool ok = false;
    double value = locale.toDouble(plain, &ok);
    if (!ok)
        value = QLocale::c().toDouble(plain, &ok);
    if (!ok || !std::isfinite(value))
        throw VantoroError(QStringLiteral("\"%1\" is not an amount: %2 takes a number such as 10.00.")
                               .arg(text.trimmed(), what));
    return value;
}

} // namespace Winnings
