// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/wheel_file.h"

#include <QDate>

class Report;

// The grid row label of the wheel editor and its printout: "0001." for row 1.
QString wheelRowLabel(int row);
// "Full Wheeling System - <Numbers> numbers, <Tickets> tickets", or "Abbreviated ..." unless
// M = P and C = P.
QString wheelPrintoutTitle(const WheelFile& wheel);
// "Prize Guarantee: If <Correct> of the <Numbers> numbers are correct, at least 1 ticket will
// match <Match> numbers"
QString wheelPrintoutGuarantee(const WheelFile& wheel);

// Makes `report` the "Wheeling System" printout of `wheel`: the standard header lines, the prize
// guarantee and the title, then one line per grid row flowing down 4 columns (lotteries drawing
// 3 or 4 numbers), 2 (more than 8) or 3, 0.5 inch apart. `numbersDrawn` is the open lottery's.
void setUpWheelPrintout(Report& report, const WheelFile& wheel, int numbersDrawn, const QDate& date = {});
