// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh program home in a temporary folder, with data/ and wheels/, removed afterwards.
// It is not seeded with the samples, so tests start from nothing unless they copy fixtures in.
class TempHome {
public:
    TempHome();
    QString dir() const;
    QString dataDir() const; // with a trailing slash
    QString path(const QString& relative) const;
    // Copies tests/data/<fixture> to <home>/<target> (target defaults to the fixture's file name).
    QString copyFixture(const QString& fixture, const QString& target = QString()) const;
    void writeFile(const QString& relative, const QByteArray& bytes) const;
    QByteArray readFile(const QString& relative) const;

private:
    QTemporaryDir m_dir;
};

namespace TestData {
QString path(const QString& relative); // tests/data/<relative>
}
