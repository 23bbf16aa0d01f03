// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/search_form.h"

#include "db/vantoro_error.h"
#include "drawings/drawing_search.h"
#include "drawings/drawings_form_rules.h"
#include "drawings/print_options.h"
#include "drawings/srch_list_form.h"
#include "gui/busy_cursor.h"
#include "gui/help.h"
#include "gui/modal.h"
#include "gui/prompts.h"
#include "gui/run_command.h"
#include "gui/widgets.h"
#include "lottery/current_lottery.h"
#include "lottery/drawing_table.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int SearchTopic = 132;
constexpr int EntryColumns = 7;

} // namespace

TSearchForm::TSearchForm(int fieldWidth, int bonusNumbers, QWidget* parent)
    : QDialog(parent), m_fieldWidth(fieldWidth) {
    setObjectName(QStringLiteral("SearchForm"));
    setWindowTitle(QStringLiteral("Search Drawings"));

    GroupBox1 = new QGroupBox(QStringLiteral("Numbers to Use in Search"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* grid = new QGridLayout(GroupBox1);
    auto* validator = new gui::UpperCaseValidator(this);
    const int chars = qMax(2, fieldWidth);
    for (int i = 0; i < int(s.size()); ++i) {
        auto* edit = new QLineEdit(GroupBox1);
        edit->setObjectName(QStringLiteral("s%1").arg(i + 1));
        edit->setValidator(validator);
        edit->setMaxLength(chars);
        edit->setAlignment(Qt::AlignCenter);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(chars, QLatin1Char('W'))) + 14);
        Help::setContext(edit, 252);
        grid->addWidget(edit, i / EntryColumns, i % EntryColumns);
        s[size_t(i)] = edit;
        connect(edit, &QLineEdit::textEdited, this, [this, i] { entryChanged(i); });
        connect(edit, &QLineEdit::editingFinished, this, [this, i] { entryExit(i); });
    }

    Label1 = new QLabel(QStringLiteral("Minimum number of hits per ticket:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(1, 22);
    SpinEdit1->setValue(3);
    Label1->setBuddy(SpinEdit1);
    IncludeBonus = new QCheckBox(QStringLiteral("Include Bonus Numbers in Search"), this);
    IncludeBonus->setObjectName(QStringLiteral("IncludeBonus"));
    IncludeBonus->setChecked(false);
    IncludeBonus->setVisible(bonusNumbers > 0);

    const gui::DialogButtons dialogButtons = gui::makeOkCancelHelp(this);
    OKBtn = dialogButtons.ok;
    CancelBtn = dialogButtons.cancel;
    HelpBtn = dialogButtons.help;
    Help::setContext(OKBtn, 254);
    Help::setContext(CancelBtn, 255);
    Help::installContextHelp(this, [] { return SearchTopic; });

    auto* hits = new QHBoxLayout;
    hits->addWidget(Label1);
    hits->addWidget(SpinEdit1);
    hits->addStretch(1);
    auto* buttons = dialogButtons.row;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(hits);
    layout->addWidget(IncludeBonus);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QWidget* previous = s[0];
    for (size_t i = 1; i < s.size(); ++i) {
        QWidget::setTabOrder(previous, s[i]);
        previous = s[i];
    }
    for (QWidget* next :
         std::initializer_list<QWidget*>{SpinEdit1, IncludeBonus, OKBtn, CancelBtn, HelpBtn}) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, [this] { Help::showTopic(SearchTopic, this); });
}

QStringList TSearchForm::entries() const {
    QStringList texts;
    for (const QLineEdit* edit : s)
        texts << edit->text();
    return texts;
}

int TSearchForm::minimumHits() const {
    SpinEdit1->interpretText();
    return SpinEdit1->value();
}

bool TSearchForm::includeBonus() const {
    return !IncludeBonus->isHidden() && IncludeBonus->isChecked();
}

void TSearchForm::FormActivate() {
    s[0]->setFocus();
}

void TSearchForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TSearchForm::entryChanged(int index) {
    if (s[size_t(index)]->text().size() != m_fieldWidth)
        return;
    if (index + 1 < int(s.size()))
        s[size_t(index + 1)]->setFocus();
    else
        SpinEdit1->setFocus();
}

void TSearchForm::entryExit(int index) {
    QLineEdit* edit = s[size_t(index)];
    const QString padded = DrawingEntry::padNumber(edit->text(), m_fieldWidth);
    if (padded != edit->text())
        edit->setText(padded);
}

bool runDrawingSearch(CurrentLottery& lottery, TPrintOptions& printOptions, TSrchListForm& results,
                      QWidget* parent) {
    DbfTable& table = lottery.table();
    const LotteryDefinition& definition = lottery.definition();
    bool searched = false;
    gui::runCommand(parent, [&] {
        printOptions.prepare(QStringLiteral("Search Drawings Options"), {220, 221, 222, 223, 224, 225}, 133,
                             table.RecordCount());
        if (Modal::run(printOptions) != QDialog::Accepted)
            return;
        const int fieldWidth = table.FieldWidth(DrawingTable::numberField(1));
        DrawingSearchOptions options;
        {
            TSearchForm form(fieldWidth, definition.BonusNumbers, parent);
            if (Modal::run(form) != QDialog::Accepted)
                return;
            options.numbers = DrawingSearch::searchNumbers(form.entries(), fieldWidth);
            options.minimumHits = form.minimumHits();
            options.includeBonus = form.includeBonus();
        }
        options.from = printOptions.fromPosition();
        options.to = printOptions.toPosition();
        DrawingSearchResult result;
        {
            BusyCursor busy;
            result = DrawingSearch::run(table, definition, options);
        }
        results.showResult(definition.Description, definition.NumbersDrawn, result);
        Modal::run(results);
        searched = true;
    });
    return searched;
}
