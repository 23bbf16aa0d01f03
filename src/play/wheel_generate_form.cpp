// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/wheel_generate_form.h"

#include "db/vantoro_error.h"
#include "gui/help.h"
#include "gui/run_command.h"
#include "gui/widgets.h"
#include "play/random_source.h"
#include "play/wheel_verifier.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QSpinBox* spinBox(const char* name, int low, int high, int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

} // namespace

TWheelGenerateForm::TWheelGenerateForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TWheelGenerateForm"));
    setWindowTitle(QStringLiteral("Generate Wheel"));

    Numbers = spinBox("Numbers", 1, WheelVerifier::MaxNumbers, 20, this);
    PerTicket = spinBox("PerTicket", 1, WheelVerifier::MaxNumbers, 6, this);
    Match = spinBox("Match", 1, WheelVerifier::MaxNumbers, 3, this);
    Correct = spinBox("Correct", 1, WheelVerifier::MaxNumbers, 6, this);
    Seconds = spinBox("Seconds", 1, 24 * 3600, 60, this);
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    BestLabel = gui::makeLabel("BestLabel", QString(), this);
    BestLabel->setWordWrap(true);
    BestLabel->setMinimumWidth(BestLabel->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 48);
    GenerateBtn = gui::makeButton("GenerateBtn", QStringLiteral("&Generate"), this);
    CancelBtn = gui::makeButton("CancelBtn", QStringLiteral("Cancel"), this);
    HelpBtn = gui::makeButton("HelpBtn", QStringLiteral("&Help"), this);
    GenerateBtn->setDefault(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Total numbers in wheel:"), Numbers);
    form->addRow(QStringLiteral("Numbers per ticket:"), PerTicket);
    form->addRow(QStringLiteral("Numbers to match:"), Match);
    form->addRow(QStringLiteral("If this many are correct:"), Correct);
    form->addRow(QStringLiteral("Seconds to search:"), Seconds);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {GenerateBtn, CancelBtn, HelpBtn})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(ProgressBar);
    layout->addWidget(BestLabel);
    layout->addLayout(buttons);

    Help::setContext(this, HelpTopic);
    int context = HelpTopic + 1;
    for (QWidget* control : inputs())
        Help::setContext(control, context++);

    m_timer = new QTimer(this);
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, &TWheelGenerateForm::poll);
    connect(GenerateBtn, &QPushButton::clicked, this, &TWheelGenerateForm::GenerateBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TWheelGenerateForm::CancelBtnClick);
    connect(HelpBtn, &QPushButton::clicked, this, &TWheelGenerateForm::HelpBtnClick);
}

TWheelGenerateForm::~TWheelGenerateForm() {
    m_stop = true;
    if (m_worker.joinable())
        m_worker.join();
}

void TWheelGenerateForm::setInputsEnabled(bool enabled) {
    for (QWidget* control : inputs())
        control->setEnabled(enabled);
}

QList<QWidget*> TWheelGenerateForm::inputs() const {
    return {Numbers, PerTicket, Match, Correct, Seconds, GenerateBtn};
}

void TWheelGenerateForm::setRequest(int numbers, int perTicket, int match, int correct) {
    const std::pair<QSpinBox*, int> values[] = {
        {Numbers, numbers}, {PerTicket, perTicket}, {Match, match}, {Correct, correct}};
    for (const auto& [box, value] : values)
        if (value > 0)
            box->setValue(value);
}

WheelMakeRequest TWheelGenerateForm::request() const {
    WheelMakeRequest request;
    request.numbers = Numbers->value();
    request.perTicket = PerTicket->value();
    request.match = Match->value();
    request.correct = Correct->value();
    request.seconds = Seconds->value();
    request.seed = RandomSource::timeOfDaySeed();
    return request;
}

void TWheelGenerateForm::GenerateBtnClick() {
    if (running())
        return;
    m_request = request();
    m_stop = false;
    m_done = false;
    {
        const std::lock_guard lock(m_mutex);
        m_progress = {};
        m_found.reset();
        m_error.clear();
    }
    setInputsEnabled(false);
    ProgressBar->setValue(0);
    BestLabel->setText(QStringLiteral("Searching..."));
    // The search runs on its own threads; the window only reads what it publishes.
    m_worker = std::thread([this, request = m_request] {
        try {
            WheelFile wheel = WheelGenerator::make(
                request,
                [this](const WheelMakeProgress& now) {
                    const std::lock_guard lock(m_mutex);
                    m_progress = now;
                },
                &m_stop);
            const std::lock_guard lock(m_mutex);
            m_found = std::move(wheel);
        } catch (const VantoroError& error) {
            const std::lock_guard lock(m_mutex);
            m_error = error.message();
        }
        m_done = true;
    });
    m_timer->start();
}

void TWheelGenerateForm::poll() {
    if (m_done) {
        finish();
        return;
    }
    WheelMakeProgress now;
    {
        const std::lock_guard lock(m_mutex);
        now = m_progress;
    }
    ProgressBar->setValue(std::clamp(int(now.seconds * 100 / std::max(1.0, m_request.seconds)), 0, 100));
    if (now.bestTickets <= 0 && now.tickets <= 0)
        return;
    QString text = now.bestTickets > 0 ? QStringLiteral("Best so far: %1 tickets").arg(now.bestTickets)
                                       : QStringLiteral("No wheel keeping the guarantee yet");
    if (now.holes > 0)
        text +=
            QStringLiteral("; trying %1 tickets, %2 draws still unmatched").arg(now.tickets).arg(now.holes);
    if (now.bound > 0)
        text += QStringLiteral(".\nNo wheel can have fewer than %1 tickets.").arg(now.bound);
    BestLabel->setText(text);
}

void TWheelGenerateForm::finish() {
    m_timer->stop();
    m_worker.join();
    std::optional<WheelFile> found;
    QString error;
    {
        const std::lock_guard lock(m_mutex);
        found = m_found;
        error = m_error;
    }
    if (found) {
        m_wheel = *found;
        ProgressBar->setValue(100);
        BestLabel->setText(QStringLiteral("Found: %1 tickets").arg(m_wheel.Tickets));
        accept();
        return;
    }
    setInputsEnabled(true);
    ProgressBar->setValue(0);
    BestLabel->clear();
    gui::showError(this, VantoroError(error));
}

void TWheelGenerateForm::CancelBtnClick() {
    reject();
}

void TWheelGenerateForm::reject() {
    // During a search, Cancel ends it and keeps the best wheel so far: the search hands it back
    // and the dialog closes with it.
    if (running()) {
        m_stop = true;
        BestLabel->setText(QStringLiteral("Stopping..."));
        return;
    }
    QDialog::reject();
}

void TWheelGenerateForm::HelpBtnClick() {
    Help::showTopic(HelpTopic, this);
}
