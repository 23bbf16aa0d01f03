// SPDX-License-Identifier: GPL-3.0-or-later
// info: the open lottery's definition, totals and status panels; dump: its drawings.
#include "cli/cli_commands.h"
#include "cli/cli_lottery.h"

#include "lottery/drawing_table.h"

namespace {

QString flag(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

void printDefinition(QTextStream& out, const LotteryDefinition& d) {
    QString matches;
    for (bool match : d.BonusMatches)
        matches += flag(match);
    const QList<QPair<const char*, QString>> lines{
        {"GameType", QString::number(d.GameType)},
        {"Country", QString::number(d.Country)},
        {"State", QString::number(d.State)},
        {"Description", d.Description},
        {"NumbersDrawn", QString::number(d.NumbersDrawn)},
        {"LowestNumber", QString::number(d.LowestNumber)},
        {"HighestNumber", QString::number(d.HighestNumber)},
        {"BonusNumbers", QString::number(d.BonusNumbers)},
        {"HighestBonus", QString::number(d.HighestBonus)},
        {"Sunday", flag(d.Sunday)},
        {"Monday", flag(d.Monday)},
        {"Tuesday", flag(d.Tuesday)},
        {"Wednesday", flag(d.Wednesday)},
        {"Thursday", flag(d.Thursday)},
        {"Friday", flag(d.Friday)},
        {"Saturday", flag(d.Saturday)},
        {"BonusMatches", matches},
        {"AllowDuplicates", flag(d.AllowDuplicates)},
        {"TicketsPerSlip", QString::number(d.TicketsPerSlip)},
        {"RowsPerTicket", QString::number(d.RowsPerTicket)},
        {"ColumnsPerTicket", QString::number(d.ColumnsPerTicket)},
        {"HorizontalTickets", flag(d.HorizontalTickets)},
        {"CommissionName", d.CommissionName},
        {"CommissionAddress", d.CommissionAddress},
        {"CommissionCity", d.CommissionCity},
        {"CommissionState", d.CommissionState},
        {"CommissionZipCode", d.CommissionZipCode},
        {"CommissionPhone", d.CommissionPhone},
        {"CommissionFax", d.CommissionFax},
        {"CommissionEmail", d.CommissionEmail},
        {"CommissionWWW", d.CommissionWWW},
    };
    for (const auto& [name, value] : lines)
        out << name << ": " << value << "\n";
}

} // namespace

int cliInfo(const QStringList& words) {
    CliOptions args(QStringLiteral("info"),
                    QStringLiteral("Prints the definition of a lottery field by field, its totals and the "
                                   "texts of the status bar."));
    args.addLottery();
    if (!args.parse(words))
        return 0;
    CurrentLottery lottery;
    openCliLottery(args, lottery);
    QTextStream& out = cliOut();
    printDefinition(out, lottery.definition());
    out << "TotalDrawings: " << lottery.TotalDrawings() << "\n";
    out << "DrawingCutoffCount: " << lottery.DrawingCutoffCount() << "\n";
    out << "LastDrawing: " << lottery.lastDrawingDate() << "\n";
    for (const QString& panel : lottery.statusTexts())
        out << panel << "\n";
    return 0;
}

int cliDump(const QStringList& words) {
    CliOptions args(QStringLiteral("dump"),
                    QStringLiteral("Prints every drawing of a lottery in date order: its position, date "
                                   "and numbers."));
    args.addLottery();
    if (!args.parse(words))
        return 0;
    CurrentLottery lottery;
    openCliLottery(args, lottery);
    DbfTable& table = lottery.table();
    QTextStream& out = cliOut();
    const int fields = lottery.definition().NumbersDrawn;
    if (table.RecordCount() == 0)
        return 0;
    table.GoTop();
    do {
        out << QStringLiteral("%1").arg(table.OrderPosition(), 5, 10, QLatin1Char('0')) << ")  "
            << table.DateText(DrawingTable::DateField) << "  ";
        for (int i = 1; i <= fields; ++i)
            out << table.FieldText(DrawingTable::numberField(i)) << " ";
        out << "\n";
    } while (table.Skip(1) == 1);
    return 0;
}
