// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QVarLengthArray>
#include <QtGlobal>
#include <vector>

// The drawings an import checks each row against (the table's, and those accepted from the file
// so far), found by their day. Every row asks whether its day holds its drawing already, or
// another one; a key string per drawing made that the largest cost of an import. The numbers are
// kept one drawing after another in one array; a day leads to its latest drawing, and each drawing
// to the one before it on its day.
class KnownDrawings {
public:
    // `regular` numbers come first and count in any order; a digit game's count in theirs.
    KnownDrawings(int drawn, int regular, bool digitGame);

    void reserve(qsizetype drawings);
    // `numbers` holds `drawn` numbers; `day` is a Julian day.
    void add(int day, const int* numbers);
    // The latest drawing added on the day, or -1.
    int latestOn(int day) const;
    // Whether the day holds these numbers: the regular ones in any order, a pick game's digits in
    // theirs, which is the drawing itself.
    bool contains(int day, const int* numbers) const;
    // The numbers of a drawing in the order they were added.
    std::vector<int> numbers(int drawing) const;

private:
    struct Slot {
        int day = 0;
        int drawing = -1; // -1: the slot is free
    };
    using Numbers = QVarLengthArray<int, 32>;

    Numbers canonical(const int* numbers) const;
    size_t slotOf(int day) const;
    void grow(qsizetype drawings);

    int m_drawn;
    int m_regular;
    std::vector<int> m_numbers;
    std::vector<int> m_previous; // the drawing before on the same day, or -1
    std::vector<Slot> m_slots;
};
