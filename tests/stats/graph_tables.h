// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Hand-made temporary graph tables in the four layouts the charts write, for the graph tests.
namespace GraphTables {

struct Field {
    QString name;
    char type;
    int width;
};

// Writes `path` with these fields and one record per row (texts in field order; "" leaves a field blank).
void write(const QString& path, const QList<Field>& fields, const QList<QStringList>& rows);

// NUMBER C3; HOT, PRIOR, COLD, DUE N3: numbers 1..count, each with one class value, or all blank
// where `blank` holds the number.
void writeFrequency(const QString& path, int count, const QList<int>& blank = {});
// NUMBER C3 and `prefix`0.. numeric fields (SKIP_0..SKIP_24 or HIT_1..HIT_25).
void writeNumberCounts(const QString& path, int count, const QString& prefix, int firstField);
// DRAWDATE D8; R0TO10..R91TO99 N1; HOT..EVEN N2; SUM N4: `count` drawings from 01/01/2020.
void writeDrawingSummary(const QString& path, int count);

// The frequency value the writer gives number n, and its class field.
int frequencyOf(int n);
QString classOf(int n);

} // namespace GraphTables
