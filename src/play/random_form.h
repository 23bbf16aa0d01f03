// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/generator_wizard.h"

#include <cstdint>
#include <functional>

// "Play Random Numbers": a count of random tickets, or random numbers played through a wheel, each
// generation seeded afresh from the time of day.
class TRandomForm1 : public TGeneratorWizard {
    Q_OBJECT
public:
    TRandomForm1(CurrentLottery& lottery, QWidget* parent = nullptr);

    void NextBtnClick() override;
    void PreviousBtnClick() override;

    // Where each generation takes its seed; the time of day unless a test fixes it.
    void setSeedSource(std::function<std::uint32_t()> seed) { m_seed = std::move(seed); }

private:
    void generate();

    std::function<std::uint32_t()> m_seed;
};
