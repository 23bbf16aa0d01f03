// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/graph_window.h"

#include "db/vantoro_error.h"
#include "gui/prompts.h"
#include "gui/report_system.h"
#include "gui/run_command.h"
#include "lottery/program_home.h"
#include "report/standard_header.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCandlestickSeries>
#include <QCandlestickSet>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QFile>
#include <QHorizontalBarSeries>
#include <QHorizontalStackedBarSeries>
#include <QIcon>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QPercentBarSeries>
#include <QPieSeries>
#include <QPieSlice>
#include <QSaveFile>
#include <QStackedBarSeries>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <array>
#include <cmath>

namespace {

constexpr std::array<const char*, 27> ButtonNames = {
    "CopyBtn",       "PrintBtn",          "FirstRowBtn",     "PrevRowBtn",      "NextRowBtn",
    "LastRowBtn",    "FirstCategoryBtn",  "PrevCategoryBtn", "NextCategoryBtn", "LastCategoryBtn",
    "FewerBtn",      "MoreBtn",           "BarBtn",          "StockBarBtn",     "LineBtn",
    "StackedBtn",    "PercentStackedBtn", "HorizBarBtn",     "GanttBtn",        "PieBtn",
    "Effect3DBtn",   "FilledBtn",         "InvertBtn",       "AboutBtn",        "LoadLayoutBtn",
    "SaveLayoutBtn", "NoFunctionBtn"};

// The series colours, in order; chosen to stay apart from each other in print as on screen.
const QList<QColor>& palette() {
    static const QList<QColor> colours{QColor(0xd6, 0x27, 0x28), QColor(0x1f, 0x77, 0xb4),
                                       QColor(0x2c, 0xa0, 0x2c), QColor(0xff, 0x7f, 0x0e),
                                       QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b),
                                       QColor(0xe3, 0x77, 0xc2), QColor(0x7f, 0x7f, 0x7f),
                                       QColor(0xbc, 0xbd, 0x22), QColor(0x17, 0xbe, 0xcf)};
    return colours;
}

QColor colourOf(qsizetype index) {
    return palette().at(index % palette().size());
}

// The 3D look Qt Charts can give: bars, slices and areas shaded as if lit from one side.
QBrush shaded(const QColor& colour, bool horizontal) {
    QLinearGradient gradient(0, 0, horizontal ? 0 : 1, horizontal ? 1 : 0);
    gradient.setCoordinateMode(QGradient::ObjectMode);
    gradient.setColorAt(0.0, colour.lighter(150));
    gradient.setColorAt(0.45, colour);
    gradient.setColorAt(1.0, colour.darker(190));
    return QBrush(gradient);
}

QBrush brushFor(const QColor& colour, bool effect3D, bool horizontal = false) {
    return effect3D ? shaded(colour, horizontal) : QBrush(colour);
}

} // namespace

QString TGraphWindow::buttonName(Button button) {
    return QLatin1String(ButtonNames[size_t(button - 1)]);
}

TGraphWindow::TGraphWindow(GraphConfig config, const QString& homeDir, QWidget* parent)
    : QDialog(parent), m_config(std::move(config)), m_homeDir(homeDir),
      m_report(std::make_unique<ReportSystem>()) {
    setObjectName(m_config.className);
    setWindowTitle(m_config.caption);
    // A graph window has only the system menu and the maximise button.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);

    m_chart = new QChart();
    m_chart->setTitle(m_config.caption);
    QFont titleFont = m_chart->titleFont();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    m_chart->setTitleFont(titleFont);
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_chartView = new QChartView(m_chart, this);
    m_chartView->setObjectName(QStringLiteral("Graph1"));
    m_chartView->setRenderHint(QPainter::Antialiasing);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolBar();
    layout->addWidget(m_toolBar);
    layout->addWidget(m_chartView, 1);
    resize(1000, 700);

    if (m_config.opens == GraphConfig::Opens::OnCreation)
        openTable();
}

TGraphWindow::~TGraphWindow() = default;

void TGraphWindow::buildToolBar() {
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("GraphToolBar"));
    m_toolBar->setIconSize(QSize(24, 24));
    m_typeGroup = new QActionGroup(this);
    m_typeGroup->setExclusive(true);
    for (int number = 1; number <= int(ButtonNames.size()); ++number) {
        const auto button = Button(number);
        const QString hint = m_config.hints.value(number - 1);
        auto* action = new QAction(
            QIcon(QStringLiteral(":/icons/graph/graph%1.svg").arg(number, 2, 10, QLatin1Char('0'))), hint,
            this);
        action->setToolTip(hint);
        if (button >= BarBtn && button <= PieBtn) {
            action->setCheckable(true);
            m_typeGroup->addAction(action);
        }
        if (button == Effect3DBtn || button == FilledBtn || button == InvertBtn)
            action->setCheckable(true);
        m_toolBar->addAction(action);
        m_toolBar->widgetForAction(action)->setObjectName(buttonName(button));
        connect(action, &QAction::triggered, this, [this, button] { run(button); });
        m_actions << action;
        // Groups: output, rows, categories, graph types, effects, the engine's own entries.
        if (button == PrintBtn || button == LastRowBtn || button == MoreBtn || button == PieBtn ||
            button == InvertBtn)
            m_toolBar->addSeparator();
    }
}

QString TGraphWindow::tablePath() const {
    return ProgramHome(m_homeDir).tempGraphPath();
}

QString TGraphWindow::layoutPath() const {
    return m_homeDir + QLatin1Char('/') + m_config.layoutFile;
}

bool TGraphWindow::openTable() {
    if (m_table.isOpen())
        return true;
    try {
        m_table.open(tablePath());
        m_data = readGraphTable(m_table, m_config.labelField);
    } catch (const VantoroError& error) {
        m_table.close();
        m_data = GraphData();
        m_view = GraphView(0, 0);
        rebuildChart();
        gui::showError(this, error);
        return false;
    }
    m_view = GraphView(m_data.rowCount(), m_data.categoryCount());
    GraphLayout stored;
    if (readStoredLayout(stored, false))
        m_view.setLayout(stored);
    applyOpeningRule();
    rebuildChart();
    return true;
}

void TGraphWindow::applyOpeningRule() {
    // The window tells the graph its rows after the stored layout is in place, so these win.
    m_view.setRowsShown(m_config.rowsShown);
    m_view.setFirstRow(m_config.rowsFromEnd > 0 ? m_data.rowCount() - m_config.rowsFromEnd : 0);
}

bool TGraphWindow::readStoredLayout(GraphLayout& layout, bool tellWhenMissing) {
    QFile file(layoutPath());
    if (!file.exists()) {
        if (tellWhenMissing)
            Prompts::instance().information(this,
                                            QStringLiteral("No layout has been saved for this graph yet."));
        return false;
    }
    std::optional<GraphLayout> stored;
    if (file.open(QIODevice::ReadOnly))
        stored = GraphLayout::fromJson(file.readAll());
    if (!stored) {
        Prompts::instance().error(
            this, QStringLiteral("The graph layout \"%1\" could not be read: it is not a graph layout.")
                      .arg(layoutPath()));
        return false;
    }
    layout = *stored;
    return true;
}

bool TGraphWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        openOnActivation();
    return QDialog::event(event);
}

void TGraphWindow::showEvent(QShowEvent* event) {
    // Without a window manager a window may never be told it is active; showing it counts.
    openOnActivation();
    QDialog::showEvent(event);
}

void TGraphWindow::openOnActivation() {
    // Once only: the error box of a table that cannot be read activates the window again.
    if (m_config.opens != GraphConfig::Opens::OnActivation || m_activated)
        return;
    m_activated = true;
    if (!openTable())
        QTimer::singleShot(0, this, &QDialog::reject);
}

void TGraphWindow::done(int result) {
    if (m_config.closes == GraphConfig::Closes::ClosesTable)
        m_table.close();
    QDialog::done(result);
}

void TGraphWindow::setReportSystem(std::unique_ptr<ReportSystem> report) {
    m_report = std::move(report);
}

void TGraphWindow::run(Button button) {
    switch (button) {
    case CopyBtn:
        CopyBtnClick();
        return;
    case PrintBtn:
        PrintBtnClick();
        return;
    case FirstRowBtn:
        m_view.firstRow();
        break;
    case PrevRowBtn:
        m_view.prevRow();
        break;
    case NextRowBtn:
        m_view.nextRow();
        break;
    case LastRowBtn:
        m_view.lastRow();
        break;
    case FirstCategoryBtn:
        if (m_config.firstButtonShowsAll)
            m_view.showAllCategories();
        else
            m_view.firstCategory();
        break;
    case PrevCategoryBtn:
        m_view.prevCategory();
        break;
    case NextCategoryBtn:
        m_view.nextCategory();
        break;
    case LastCategoryBtn:
        m_view.lastCategory();
        break;
    case FewerBtn:
        if (m_config.fewerMoreRows)
            m_view.fewerRows();
        else
            m_view.fewerCategories();
        break;
    case MoreBtn:
        if (m_config.fewerMoreRows)
            m_view.moreRows();
        else
            m_view.moreCategories();
        break;
    case BarBtn:
    case StockBarBtn:
    case LineBtn:
    case StackedBtn:
    case PercentStackedBtn:
    case HorizBarBtn:
    case GanttBtn:
    case PieBtn:
        m_view.setType(GraphType(button - BarBtn));
        break;
    case Effect3DBtn:
        m_view.toggleEffect3D();
        break;
    case FilledBtn:
        m_view.toggleFilled();
        break;
    case InvertBtn:
        m_view.toggleInverted();
        break;
    case AboutBtn:
        AboutBtnClick();
        return;
    case LoadLayoutBtn:
        LoadLayoutBtnClick();
        return;
    case SaveLayoutBtn:
        SaveLayoutBtnClick();
        return;
    case NoFunctionBtn:
        // The last button of the engine's bar is a spare and does nothing, by design.
        return;
    }
    rebuildChart();
}

void TGraphWindow::syncChecks() {
    const GraphLayout& layout = m_view.layout();
    action(Button(BarBtn + int(layout.type)))->setChecked(true);
    action(Effect3DBtn)->setChecked(layout.effect3D);
    action(FilledBtn)->setChecked(layout.filled);
    action(InvertBtn)->setChecked(layout.inverted);
}

void TGraphWindow::rebuildChart() {
    syncChecks();
    m_chart->removeAllSeries();
    for (QAbstractAxis* axis : m_chart->axes()) {
        m_chart->removeAxis(axis);
        delete axis;
    }
    const GraphLayout& layout = m_view.layout();
    m_plot = buildGraphPlot(m_data, layout);
    m_chart->setDropShadowEnabled(layout.effect3D);
    m_chart->legend()->setVisible(true);
    // A row of 25 skip classes leaves no room for their names under the graph; a column beside it does.
    m_chart->legend()->setAlignment(m_plot.series.size() > 8 ? Qt::AlignRight : Qt::AlignBottom);
    // An empty table draws just the title; axes over nothing have no range.
    if (m_plot.axisLabels.isEmpty() || m_plot.series.isEmpty())
        return;

    auto addAxes = [this](QAbstractSeries* series, bool horizontal, bool percent) {
        auto* labels = new QBarCategoryAxis();
        labels->append(m_plot.axisLabels);
        // Two-digit numbers and dates are short enough to stand whole even where Qt would cut them to "...";
        // many dates stand upright so that they do not overlap.
        labels->setTruncateLabels(false);
        if (!horizontal && m_config.labelField == QLatin1String("DRAWDATE") && m_plot.axisLabels.size() > 12)
            labels->setLabelsAngle(-90);
        auto* values = new QValueAxis();
        values->setLabelFormat(QStringLiteral("%d"));
        if (percent)
            values->setRange(0, 100);
        m_chart->addAxis(labels, horizontal ? Qt::AlignLeft : Qt::AlignBottom);
        m_chart->addAxis(values, horizontal ? Qt::AlignBottom : Qt::AlignLeft);
        series->attachAxis(labels);
        series->attachAxis(values);
        if (!percent) {
            values->applyNiceNumbers();
            // The counts are whole numbers: a step below 1 would label 0, 0, 1, 1, 2.
            const double span = values->max() - values->min();
            if (span > 0 && span / (values->tickCount() - 1) < 1.0) {
                values->setRange(values->min(), std::ceil(values->max()));
                values->setTickCount(int(std::ceil(values->max()) - values->min()) + 1);
            }
        }
    };

    switch (layout.type) {
    case GraphType::Bar:
    case GraphType::Stacked:
    case GraphType::PercentStacked:
    case GraphType::HorizBar:
    case GraphType::Gantt: {
        // Qt Charts has no Gantt chart; each row as a lane of its categories end to end comes nearest.
        QAbstractBarSeries* bars = nullptr;
        const bool horizontal = layout.type == GraphType::HorizBar || layout.type == GraphType::Gantt;
        switch (layout.type) {
        case GraphType::Stacked:
            bars = new QStackedBarSeries();
            break;
        case GraphType::PercentStacked:
            bars = new QPercentBarSeries();
            break;
        case GraphType::HorizBar:
            bars = new QHorizontalBarSeries();
            break;
        case GraphType::Gantt:
            bars = new QHorizontalStackedBarSeries();
            break;
        default:
            bars = new QBarSeries();
            break;
        }
        for (qsizetype i = 0; i < m_plot.series.size(); ++i) {
            auto* set = new QBarSet(m_plot.series.at(i).name);
            set->append(m_plot.series.at(i).values);
            set->setBrush(brushFor(colourOf(i), layout.effect3D, horizontal));
            set->setBorderColor(colourOf(i).darker(130));
            bars->append(set);
        }
        // Filled: the bars take their whole slot, as areas do.
        bars->setBarWidth(layout.filled ? 1.0 : 0.7);
        m_chart->addSeries(bars);
        addAxes(bars, horizontal, layout.type == GraphType::PercentStacked);
        break;
    }
    case GraphType::StockBar: {
        auto* stock = new QCandlestickSeries();
        stock->setName(m_plot.series.isEmpty()
                           ? QString()
                           : m_plot.series.first().name + QStringLiteral(" .. ") + m_plot.series.last().name);
        stock->setIncreasingColor(colourOf(2));
        stock->setDecreasingColor(colourOf(0));
        stock->setBodyWidth(layout.filled ? 1.0 : 0.6);
        if (layout.effect3D) {
            stock->setIncreasingColor(colourOf(2).lighter(120));
            stock->setDecreasingColor(colourOf(0).lighter(120));
        }
        const QList<GraphStockBar> bars = stockBars(m_plot);
        for (qsizetype i = 0; i < bars.size(); ++i) {
            const GraphStockBar& bar = bars.at(i);
            auto* set = new QCandlestickSet(bar.open, bar.high, bar.low, bar.close, qreal(i));
            if (layout.effect3D)
                set->setBrush(shaded(bar.close >= bar.open ? colourOf(2) : colourOf(0), false));
            stock->append(set);
        }
        m_chart->addSeries(stock);
        addAxes(stock, false, false);
        break;
    }
    case GraphType::Line: {
        QList<QAbstractSeries*> added;
        for (qsizetype i = 0; i < m_plot.series.size(); ++i) {
            auto* line = new QLineSeries();
            line->setName(m_plot.series.at(i).name);
            const QList<double>& values = m_plot.series.at(i).values;
            for (qsizetype x = 0; x < values.size(); ++x)
                line->append(qreal(x), values.at(x));
            QPen pen(colourOf(i));
            pen.setWidthF(layout.effect3D ? 3.5 : 2.0);
            if (layout.filled) {
                // Filled: each line closes down to the axis as an area.
                auto* area = new QAreaSeries(line);
                area->setName(line->name());
                QColor fill = colourOf(i);
                fill.setAlpha(110);
                area->setPen(pen);
                area->setBrush(layout.effect3D ? shaded(fill, true) : QBrush(fill));
                m_chart->addSeries(area);
                added << area;
            } else {
                line->setPen(pen);
                line->setPointsVisible(m_plot.axisLabels.size() <= 30);
                m_chart->addSeries(line);
                added << line;
            }
        }
        if (!added.isEmpty()) {
            addAxes(added.first(), false, false);
            const QList<QAbstractAxis*> axes = m_chart->axes();
            for (qsizetype i = 1; i < added.size(); ++i) {
                for (QAbstractAxis* axis : axes)
                    added.at(i)->attachAxis(axis);
            }
        }
        break;
    }
    case GraphType::Pie: {
        auto* pie = new QPieSeries();
        const QList<GraphSlice> slices = pieSlices(m_plot);
        const bool labelled = slices.size() <= 60;
        for (qsizetype i = 0; i < slices.size(); ++i) {
            if (slices.at(i).value <= 0)
                continue;
            QPieSlice* slice = pie->append(slices.at(i).label.trimmed(), slices.at(i).value);
            slice->setColor(colourOf(i));
            slice->setBrush(layout.effect3D ? QBrush(shaded(colourOf(i), false)) : QBrush(colourOf(i)));
            slice->setBorderColor(Qt::white);
            slice->setLabelVisible(labelled);
        }
        pie->setPieSize(0.75);
        m_chart->addSeries(pie);
        // A legend entry per slice would crowd out the pie; the slices carry their labels.
        m_chart->legend()->setVisible(slices.size() <= 12);
        break;
    }
    }
}

QImage TGraphWindow::graphImage(qreal scale) const {
    const QSize size = m_chartView->size() * scale;
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    m_chartView->render(&painter, QRectF(image.rect()), m_chartView->viewport()->rect());
    painter.end();
    return image;
}

void TGraphWindow::CopyBtnClick() {
    QApplication::clipboard()->setImage(graphImage());
}

void TGraphWindow::PrintBtnClick() {
    // A picture of print quality: about 300 dots per inch across the printed width.
    const qreal scale = std::max<qreal>(1.0, 2250.0 / std::max(1, m_chartView->width()));
    const QImage picture = graphImage(scale);
    StandardHeader header;
    header.title = m_config.caption;
    header.bodyTop = 1.5;
    m_report->setPrintoutName(m_config.name);
    m_report->settings.printJobTitle = m_config.caption;
    useStandardHeader(*m_report, header);
    m_report->setOnPrint([this, picture](Report& report) { ReportSystem1Print(report, picture); });
    m_report->execute(this);
}

void TGraphWindow::ReportSystem1Print(Report& report, const QImage& picture) {
    // The graph fills the width between the margins, or the height left on the page, keeping its shape.
    const double left = report.leftMarginPosition();
    const double top = report.currentY();
    const double width = report.rightMarginPosition() - left;
    const double height = report.pageHeight() - report.bottomMargin() - top;
    if (picture.isNull() || width <= 0 || height <= 0)
        return;
    const double aspect = double(picture.height()) / double(picture.width());
    const double shownWidth = std::min(width, height / aspect);
    const double shownHeight = shownWidth * aspect;
    report.printImage(picture, left + (width - shownWidth) / 2.0, top, shownWidth, shownHeight);
}

void TGraphWindow::AboutBtnClick() {
    Prompts::instance().information(
        this, QStringLiteral("Vantoro graphs are drawn with Qt Charts %1.\n\nThe tool bar moves through the "
                             "rows and categories of the graph, changes its type and effects, copies and "
                             "prints it, and loads and saves its layout.")
                  .arg(QLatin1String(qVersion())));
}

void TGraphWindow::LoadLayoutBtnClick() {
    GraphLayout stored;
    if (!readStoredLayout(stored, true))
        return;
    m_view.setLayout(stored);
    rebuildChart();
}

void TGraphWindow::SaveLayoutBtnClick() {
    QSaveFile file(layoutPath());
    if (!file.open(QIODevice::WriteOnly) || file.write(m_view.layout().toJson()) < 0 || !file.commit()) {
        Prompts::instance().error(this, QStringLiteral("The graph layout \"%1\" could not be written: %2")
                                            .arg(layoutPath(), file.errorString()));
    }
}
