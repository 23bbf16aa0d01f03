// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cutoff_form.h"

#include "gui/help.h"
#include "gui/modal.h"
#include "gui/prompts.h"
#include "gui/widgets.h"
#include "lottery/current_lottery.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <limits>

namespace {

constexpr int RecommendedCutoff = 50;

// A spin box that lets a number beyond its upper bound be typed and clamps it when the value is
// read or the focus leaves, and whose text, when it is not an integer, reads as the lower bound
// instead of snapping back to the previous value. A minus sign is never taken.
class CutoffSpinBox final : public QSpinBox {
public:
    using QSpinBox::QSpinBox;
    QValidator::State validate(QString& input, int&) const override {
        const QString text = input.trimmed();
        if (text.isEmpty())
            return QValidator::Intermediate;
        bool ok = false;
        const qlonglong parsed = text.toLongLong(&ok);
        if (!ok || parsed < 0 || text.startsWith(QLatin1Char('+')))
            return QValidator::Invalid;
        return parsed < minimum() || parsed > maximum() ? QValidator::Intermediate : QValidator::Acceptable;
    }
    void fixup(QString& input) const override {
        bool ok = false;
        const qlonglong parsed = input.trimmed().toLongLong(&ok);
        input = QString::number(ok ? qBound(qlonglong(minimum()), parsed, qlonglong(maximum())) : minimum());
    }
};

} // namespace

int TCutoffForm::lowerBoundFor(Kind, int, int) {
    // Even a box "without bounds" never takes a negative cutoff: no analysis could use one.
    return 0;
}

int TCutoffForm::upperBoundFor(Kind kind, int value, int totalDrawings) {
    constexpr int unbounded = std::numeric_limits<int>::max();
    if (kind == Kind::HotNumberCutoff)
        return totalDrawings > value ? totalDrawings : unbounded;
    return totalDrawings > 0 ? totalDrawings : unbounded;
}

TCutoffForm::TCutoffForm(Kind kind, int value, int totalDrawings, QWidget* parent)
    : QDialog(parent), m_kind(kind) {
    const bool drawing = kind == Kind::DrawingCutoff;
    setObjectName(drawing ? QStringLiteral("TDrawingCutoffForm") : QStringLiteral("THotCutoffForm"));
    setWindowTitle(drawing ? QStringLiteral("Drawing Cutoff") : QStringLiteral("Hot Number Cutoff"));

    m_box = new QGroupBox(this);
    m_box->setObjectName(QStringLiteral("GroupBox1"));
    m_label =
        new QLabel(drawing ? QStringLiteral("Drawing Cutoff:") : QStringLiteral("Hot Number Cutoff:"), m_box);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_spin = new CutoffSpinBox(m_box);
    m_spin->setObjectName(QStringLiteral("SpinEdit1"));
    m_spin->setRange(lowerBoundFor(kind, value, totalDrawings), upperBoundFor(kind, value, totalDrawings));
    m_spin->setValue(value);
    m_spin->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    m_label->setBuddy(m_spin);

    auto* boxLayout = new QHBoxLayout(m_box);
    boxLayout->addWidget(m_label);
    boxLayout->addWidget(m_spin, 1);

    const gui::DialogButtons dialogButtons = gui::makeOkCancelHelp(this);
    m_okBtn = dialogButtons.ok;
    m_cancelBtn = dialogButtons.cancel;
    m_helpBtn = dialogButtons.help;
    auto* buttons = dialogButtons.row;

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_box);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // F1 on the box, OK or Cancel opens the help of that control; elsewhere the dialog's topic.
    const int firstContext = drawing ? 343 : 346;
    Help::setContext(m_spin, firstContext);
    Help::setContext(m_okBtn, firstContext + 1);
    Help::setContext(m_cancelBtn, firstContext + 2);
    Help::installContextHelp(this, [this] { return helpTopic(); });

    connect(m_okBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_helpBtn, &QPushButton::clicked, this, &TCutoffForm::HelpBtnClick);
}

int TCutoffForm::value() const {
    m_spin->interpretText();
    return m_spin->value();
}

int TCutoffForm::lowerBound() const {
    return m_spin->minimum();
}

int TCutoffForm::upperBound() const {
    return m_spin->maximum();
}

void TCutoffForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_spin->setFocus();
    m_spin->selectAll();
}

int TCutoffForm::helpTopic() const {
    return m_label->text() == QLatin1String("Drawing Cutoff:") ? 143 : 144;
}

void TCutoffForm::HelpBtnClick() {
    Help::showTopic(helpTopic(), this);
}

void TCutoffForm::runDrawingCutoff(CurrentLottery& lottery, QWidget* parent) {
    if (lottery.DrawingCutoffCount() > RecommendedCutoff)
        Prompts::instance().information(
            parent, QStringLiteral(
                        "If you have more than 50 drawings in your database, we recommend that you set the "
                        "Drawing Cutoff to 50. The  program will then only include the last 50 drawings "
                        "when it does a statistical analysis and will be able to easily pick up short "
                        "term trends."));
    TCutoffForm form(Kind::DrawingCutoff, lottery.DrawingCutoffCount(), lottery.TotalDrawings(), parent);
    if (Modal::run(form) == QDialog::Accepted)
        lottery.setDrawingCutoffCount(form.value());
}

void TCutoffForm::runHotNumberCutoff(CurrentLottery& lottery, QWidget* parent) {
    TCutoffForm form(Kind::HotNumberCutoff, lottery.HotNumberCutoff(), lottery.TotalDrawings(), parent);
    if (Modal::run(form) == QDialog::Accepted)
        lottery.setHotNumberCutoff(form.value());
}
