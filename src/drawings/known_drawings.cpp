// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/known_drawings.h"

#include <algorithm>
#include <utility>

KnownDrawings::KnownDrawings(int drawn, int regular, bool digitGame)
    : m_drawn(drawn), m_regular(digitGame ? 0 : std::clamp(regular, 0, drawn)) {}

void KnownDrawings::reserve(qsizetype drawings) {
    m_numbers.reserve(size_t(drawings) * size_t(m_drawn));
    m_previous.reserve(size_t(drawings));
    grow(drawings);
}

void KnownDrawings::add(int day, const int* numbers) {
    const int drawing = int(m_previous.size());
    for (int i = 0; i < m_drawn; ++i)
        m_numbers.push_back(numbers[i]);
    grow(qsizetype(m_previous.size()) + 1);
    Slot& slot = m_slots[slotOf(day)];
    m_previous.push_back(slot.drawing);
    slot = {day, drawing};
}

int KnownDrawings::latestOn(int day) const {
    return m_slots.empty() ? -1 : m_slots[slotOf(day)].drawing;
}

bool KnownDrawings::contains(int day, const int* numbers) const {
    int drawing = latestOn(day);
    if (drawing < 0)
        return false;
    const Numbers wanted = canonical(numbers);
    for (; drawing >= 0; drawing = m_previous[size_t(drawing)]) {
        if (canonical(&m_numbers[size_t(drawing) * size_t(m_drawn)]) == wanted)
            return true;
    }
    return false;
}

std::vector<int> KnownDrawings::numbers(int drawing) const {
    const auto first = m_numbers.begin() + qsizetype(drawing) * m_drawn;
    return std::vector<int>(first, first + m_drawn);
}

KnownDrawings::Numbers KnownDrawings::canonical(const int* numbers) const {
    Numbers sorted(numbers, numbers + m_drawn);
    std::sort(sorted.begin(), sorted.begin() + m_regular);
    return sorted;
}

// The slot of the day, or the free one where it would go. Days are their own hash: the days of a
// history follow one another, and so do their slots.
size_t KnownDrawings::slotOf(int day) const {
    const size_t mask = m_slots.size() - 1;
    size_t i = quint32(day) & mask;
    while (m_slots[i].drawing >= 0 && m_slots[i].day != day)
        i = (i + 1) & mask;
    return i;
}

// Room for a day per drawing with the slots at most half full, so that a search ends within a step
// or two.
void KnownDrawings::grow(qsizetype drawings) {
    if (qsizetype(m_slots.size()) >= 2 * drawings)
        return;
    size_t size = 16;
    while (qsizetype(size) < 2 * drawings)
        size *= 2;
    const std::vector<Slot> old = std::exchange(m_slots, std::vector<Slot>(size));
    for (const Slot& slot : old) {
        if (slot.drawing >= 0)
            m_slots[slotOf(slot.day)] = slot;
    }
}
