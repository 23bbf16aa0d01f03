// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drawings/import_layout.h"

#include <QString>
#include <QStringList>
#include <optional>

// The layouts of the results files that are published for the games of today, each checked on a
// real excerpt of such a file. A lottery made from one of these games is read with its preset
// unless the user says otherwise.
struct ImportPreset {
    QString name;   // as `vantoro-cli import --preset` takes it, e.g. "euromillions-uk"
    QString game;   // the game of today it reads (TodaysGame::name)
    QString origin; // who publishes files in this layout
    ImportLayout layout;
};

namespace ImportPresets {
const QList<ImportPreset>& all();
QStringList names();
// The preset of this name, whatever its letter case.
const ImportPreset* named(const QString& name);
// The preset for a lottery made from this game of today; nullptr when it has none.
const ImportPreset* forGame(const QString& game);
} // namespace ImportPresets
