// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/graph_config.h"

#include "lottery/game_type.h"
#include "lottery/lottery_definition.h"

namespace {

constexpr int RegularOnly = 0;
constexpr int BonusOnly = 2;
constexpr int DailyMillionsNumbers = 63;

// Buttons 3 to 12 of the graphs whose rows are numbers; `category` names what the categories are.
QStringList numberButtons(const QString& category, const QString& categories,
                          const QString& firstCategoryHint) {
    return {QStringLiteral("Move To First Number"),
            QStringLiteral("Move To Prev Number"),
            QStringLiteral("Move To Next Number"),
            QStringLiteral("Move To Last Number"),
            firstCategoryHint,
            QStringLiteral("Move To Prev ") + category,
            QStringLiteral("Move To Next ") + category,
            QStringLiteral("Move To Last ") + category,
            QStringLiteral("Display Fewer ") + categories,
            QStringLiteral("Display More ") + categories};
}

GraphConfig numberGraph(const QString& className, const QString& name, const QString& layoutFile,
                        const LotteryDefinition& definition, int bonusOption, int captionLimit) {
    GraphConfig config;
    config.className = className;
    config.name = name;
    config.caption = graphCaption(name + QStringLiteral(" ("), definition.Description, captionLimit);
    config.layoutFile = layoutFile;
    config.labelField = QStringLiteral("NUMBER");
    config.rowsShown = graphNumberCount(definition, bonusOption);
    config.opens = GraphConfig::Opens::OnActivation;
    config.closes = GraphConfig::Closes::ClosesTable;
    return config;
}

} // namespace

int graphNumberCount(const LotteryDefinition& definition, int bonusOption) {
    // A range from 0 has one row more than its highest number (a bonus of 0 to 9 has ten).
    if (bonusOption == BonusOnly)
        return definition.LowestNumber == 1 ? definition.HighestBonus : definition.HighestBonus + 1;
    if (GameTypes::isThreeSet(definition.GameType))
        return DailyMillionsNumbers;
    // Regular numbers from 1 beside a bonus from 0 have no row for 0.
    const int lowest = bonusOption == RegularOnly ? definition.lowestRegular() : definition.LowestNumber;
    return lowest == 1 ? definition.HighestNumber : definition.HighestNumber + 1;
}

QString graphCaption(const QString& prefix, const QString& lotteryName, int limit) {
    const QString text = prefix + lotteryName;
    return text.left(limit) + QLatin1Char(')');
}

QStringList graphHints(const QStringList& buttons3To12) {
    QStringList hints{QStringLiteral("Copy To Clipboard"), QStringLiteral("Print Graph")};
    hints << buttons3To12;
    hints << QStringLiteral("Display Bar Graph") << QStringLiteral("Display StockBar Graph")
          << QStringLiteral("Display Line Graph") << QStringLiteral("Display Stacked Graph")
          << QStringLiteral("Display Percent Stacked Graph") << QStringLiteral("Display Horiz Bar Graph")
          << QStringLiteral("Display GANTT") << QStringLiteral("Display Pie Graph")
          << QStringLiteral("Effect 3D For All Columns") << QStringLiteral("Effect Filled For All Columns")
          << QStringLiteral("Invert Row/Column Access Methods")
          // The engine's own entries: their hints are ours to word.
          << QStringLiteral("About The Graph Engine") << QStringLiteral("Load Graph Layout")
          << QStringLiteral("Save Graph Layout") << QStringLiteral("No Function");
    return hints;
}

GraphConfig frequencyGraphConfig(const LotteryDefinition& definition, int bonusOption) {
    GraphConfig config = numberGraph(QStringLiteral("TGraphForm"), QStringLiteral("Frequency Graph"),
                                     QStringLiteral("frequency_graph.json"), definition, bonusOption, 47);
    config.opens = GraphConfig::Opens::OnCreation;
    config.firstButtonShowsAll = true;
    config.hints = graphHints(numberButtons(QStringLiteral("Category"), QStringLiteral("Categories"),
                                            QStringLiteral("Show All Categories")));
    return config;
}

GraphConfig skipHitGraphConfig(const LotteryDefinition& definition, int bonusOption) {
    GraphConfig config = numberGraph(QStringLiteral("TGraph2Form"), QStringLiteral("Skip and Hit Graph"),
                                     QStringLiteral("skip_hit_graph.json"), definition, bonusOption, 50);
    config.hints =
        graphHints(numberButtons(QStringLiteral("Skip Category"), QStringLiteral("Skip Categories"),
                                 QStringLiteral("Move To First Skip Category")));
    return config;
}

GraphConfig hitSequenceGraphConfig(const LotteryDefinition& definition, int bonusOption) {
    GraphConfig config = numberGraph(QStringLiteral("TGraph3Form"), QStringLiteral("Hit Sequence Graph"),
                                     QStringLiteral("hit_sequence_graph.json"), definition, bonusOption, 50);
    config.hints = graphHints(numberButtons(QStringLiteral("Hit Category"), QStringLiteral("Hit Categories"),
                                            QStringLiteral("Move To First Hit Category")));
    return config;
}

GraphConfig drawingSummaryGraphConfig(const LotteryDefinition& definition) {
    GraphConfig config;
    config.className = QStringLiteral("TGraph4Form");
    config.name = QStringLiteral("Drawing Summary Graph");
    config.caption = graphCaption(QStringLiteral("Drawing Summary Graph ("), definition.Description, 53);
    config.layoutFile = QStringLiteral("drawing_summary_graph.json");
    config.labelField = QStringLiteral("DRAWDATE");
    // The last ten drawings are in view.
    config.rowsShown = 10;
    config.rowsFromEnd = 10;
    config.fewerMoreRows = true;
    config.opens = GraphConfig::Opens::OnActivation;
    config.closes = GraphConfig::Closes::ReleasedWithWindow;
    config.hints =
        graphHints({QStringLiteral("Move To First Date"), QStringLiteral("Move To Prev Date"),
                    QStringLiteral("Move To Next Date"), QStringLiteral("Move To Last Date"),
                    QStringLiteral("Move To First Category"), QStringLiteral("Move To Prev Category"),
                    QStringLiteral("Move To Next Category"), QStringLiteral("Move To Last Category"),
                    QStringLiteral("Display Fewer Dates"), QStringLiteral("Display More Dates")});
    return config;
}
