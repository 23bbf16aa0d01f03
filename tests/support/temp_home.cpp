// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/temp_home.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

TempHome::TempHome() {
    QVERIFY2(m_dir.isValid(), "cannot make a temporary folder");
    QDir(m_dir.path()).mkpath(QStringLiteral("data"));
    QDir(m_dir.path()).mkpath(QStringLiteral("wheels"));
}

QString TempHome::dir() const {
    return m_dir.path();
}

QString TempHome::dataDir() const {
    return m_dir.path() + QStringLiteral("/data/");
}

QString TempHome::path(const QString& relative) const {
    return m_dir.path() + QLatin1Char('/') + relative;
}

QString TempHome::copyFixture(const QString& fixture, const QString& target) const {
    const QString source = TestData::path(fixture);
    const QString destination = path(target.isEmpty() ? QFileInfo(fixture).fileName() : target);
    QDir().mkpath(QFileInfo(destination).absolutePath());
    QFile::remove(destination);
    if (!QFile::copy(source, destination))
        qFatal("cannot copy fixture %s", qPrintable(source));
    QFile::setPermissions(destination, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    return destination;
}

void TempHome::writeFile(const QString& relative, const QByteArray& bytes) const {
    const QString target = path(relative);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(target));
}

QByteArray TempHome::readFile(const QString& relative) const {
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString TestData::path(const QString& relative) {
    return QStringLiteral(VANTORO_TEST_DATA_DIR "/") + relative;
}
