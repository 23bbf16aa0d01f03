// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottery/program_home.h"

#include "db/vantoro_error.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Bundled files copied into a new home, under this resource prefix, laid out as in the home.
const QString seedRoot = QStringLiteral(":/seed");

QString cleaned(const QString& dir) {
    return QDir::cleanPath(QDir(dir).absolutePath());
}

} // namespace

QString ProgramHome::resolve(const QString& commandLineHome) {
    if (!commandLineHome.isEmpty())
        return cleaned(commandLineHome);
    const QString environment = qEnvironmentVariable("VANTORO_HOME");
    if (!environment.isEmpty())
        return cleaned(environment);
    return cleaned(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

ProgramHome::ProgramHome(const QString& dir) : m_dir(cleaned(dir)) {}

QString ProgramHome::dataDir() const {
    return m_dir + QStringLiteral("/data/");
}

QString ProgramHome::wheelsDir() const {
    return m_dir + QStringLiteral("/wheels/");
}

QString ProgramHome::settingsPath() const {
    return m_dir + QStringLiteral("/vantoro.ini");
}

QString ProgramHome::tempGraphPath() const {
    return m_dir + QStringLiteral("/TEMP.DBT");
}

void ProgramHome::prepare() {
    const QDir home(m_dir);
    const bool wasEmpty =
        !home.exists() || home.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& folder : {m_dir, dataDir(), wheelsDir()}) {
        if (!QDir().mkpath(folder)) {
            throw VantoroError(
                QStringLiteral(
                    "Vantoro cannot use the folder %1 as its home: the folder %2 cannot be created.")
                    .arg(QDir::toNativeSeparators(m_dir), QDir::toNativeSeparators(folder)));
        }
    }
    // Permissions do not tell everything (read-only mounts, quotas): try a real write.
    QFile probe(m_dir + QStringLiteral("/.vantoro-write-test"));
    if (!probe.open(QIODevice::WriteOnly)) {
        throw VantoroError(
            QStringLiteral("Vantoro cannot use the folder %1 as its home: it cannot be written (%2).")
                .arg(QDir::toNativeSeparators(m_dir), probe.errorString()));
    }
    probe.close();
    probe.remove();
    if (!wasEmpty)
        return;
    QDirIterator files(seedRoot, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = m_dir + source.mid(seedRoot.size());
        if (QFileInfo::exists(target))
            continue;
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (QFile::copy(source, target)) {
            // Resource files come out read-only; the user's copies are theirs to change.
            QFile::setPermissions(target,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
            m_seeded = true;
        }
    }
}
