// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lottery/lottery_definition.h"

#include <QDate>
#include <QString>
#include <optional>

// The rules of the drawing editor that need no window: the next drawing date, the zero-fill of
// typed numbers, the caption and labels, and where the focus goes while a drawing is typed in.
namespace DrawingEntry {

inline const QString BlankDateMessage = QStringLiteral("Please enter the drawing date.");
inline const QString NoDrawDayMessage =
    QStringLiteral("To have the program automatically calculate the next drawing date, select the LOTTERY "
                   "INFO command from the "
                   "EDIT menu and place a check next to the days this lottery is drawn on.");
inline const QString UnsavedMessage =
    QStringLiteral("The drawing you are entering has not been saved. Do you want to save it?");

// The first draw day after `last` (one to seven days on); none when no draw day is ticked.
std::optional<QDate> nextDrawingDate(const QDate& last, const LotteryDefinition& definition);

// A single character typed into a two-character field gets a leading "0" ("7" -> "07");
// anything else stays as typed.
QString padNumber(const QString& text, int fieldWidth);

// "Edit Drawings (" + the lottery name cut to 45 characters + ")".
QString editorCaption(const QString& description);

// "Draw #: " + the number.
QString drawLabel(int number);

// "Delete" asks this before a drawing goes.
QString deleteQuestion(const QString& dateText);

// Shown when the first change finds that another Vantoro wrote the table since it was read.
QString changedElsewhereMessage(const QString& tableFile);

// The entry fields in tab order: 1..22 are P1Text..P22Text, 23 is B1Text, 24 is B2Text.
inline constexpr int B1Field = 23;
inline constexpr int B2Field = 24;
inline constexpr int SaveButtonField = 0;

// Where the focus goes from a full entry field while a new drawing is typed: the next shown
// regular field, then (after P3, P5, P6 or P7 as the last regular one) B1Text, then B2Text,
// else SaveButtonField. `regular` = N - K shown regular fields, `bonus` = K shown bonus fields.
int nextEntryField(int field, int regular, int bonus);

} // namespace DrawingEntry
