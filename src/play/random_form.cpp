// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/random_form.h"

#include "gui/busy_cursor.h"
#include "gui/run_command.h"
#include "play/random_numbers.h"
#include "play/random_source.h"

#include <QPushButton>
#include <QSpinBox>

namespace {
constexpr int HelpTopic = 540;
}

TRandomForm1::TRandomForm1(CurrentLottery& lottery, QWidget* parent)
    : TGeneratorWizard(lottery, QStringLiteral("Play Random Numbers"), QStringLiteral("random number"),
                       HelpTopic, parent),
      m_seed([] { return RandomSource::timeOfDaySeed(); }) {
    setObjectName(QStringLiteral("RandomForm1"));
}

void TRandomForm1::generate() {
    GeneratedTickets generated;
    const bool made = gui::runCommand(this, [&] {
        BusyCursor busy;
        // A new seed for every generation: going back and on again makes a new set.
        generated = wheelChosen() ? RandomNumbers::wheel(definition(), selectedWheel(), m_seed())
                                  : RandomNumbers::tickets(definition(), NumberOfTickets->value(), m_seed());
    });
    if (!made)
        return;
    showTickets(generated);
    showPage(kTicketsPage);
    PreviousBtn->setEnabled(true);
    NextBtn->setEnabled(false);
}

void TRandomForm1::NextBtnClick() {
    if (currentPage() == kMethodPage) {
        if (wheelChosen()) {
            showPage(kWheelPage);
            PreviousBtn->setEnabled(true);
        } else {
            generate();
        }
    } else if (currentPage() == kWheelPage) {
        if (selectedWheel().isEmpty())
            return;
        generate();
    }
}

void TRandomForm1::PreviousBtnClick() {
    if (currentPage() == kWheelPage || (currentPage() == kTicketsPage && !wheelChosen())) {
        showPage(kMethodPage);
        PreviousBtn->setEnabled(false);
        NumberOfTickets->setFocus();
    } else if (currentPage() == kTicketsPage) {
        showPage(kWheelPage);
    }
    NextBtn->setEnabled(true);
}
