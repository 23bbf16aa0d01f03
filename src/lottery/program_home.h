// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The Vantoro home: the folder that holds the settings, data/ (lottery files), wheels/,
// ticket files, winnings tables and the temporary graph table.
class ProgramHome {
public:
    // --home DIR wins, then $VANTORO_HOME, then the per-user data folder.
    static QString resolve(const QString& commandLineHome = QString());

    explicit ProgramHome(const QString& dir);

    // Creates the home with data/ and wheels/ when missing; a home that was empty is seeded
    // with the bundled sample lotteries and wheels (never overwriting a file) and a settings
    // file that opens the first sample. Throws VantoroError when the home cannot be written.
    void prepare();

    QString dir() const { return m_dir; } // no trailing slash
    QString dataDir() const;              // dir + "/data/"
    QString wheelsDir() const;            // dir + "/wheels/"
    QString settingsPath() const;         // dir + "/vantoro.ini"
    QString tempGraphPath() const;        // dir + "/TEMP.DBT"
    bool wasSeeded() const { return m_seeded; }

private:
    QString m_dir;
    bool m_seeded = false;
};
