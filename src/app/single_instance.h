// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running Vantoro per user and program home. The first start listens on a local socket;
// a later start tells it to come forward and then ends without a window of its own.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& homeDir, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Derived from the user and the home folder, so that separate homes (tests) never meet.
    static QString serverName(const QString& homeDir);
    QString serverName() const { return m_name; }

    // True when another instance runs; it has then been asked to come forward.
    bool notifyRunning(int timeoutMs = 2000);
    // Starts listening. A server left behind by a crashed run is removed first.
    // False only when the socket cannot be created at all; the program then runs without it.
    bool listen();
    QString errorText() const { return m_error; }

Q_SIGNALS:
    // A second start asked this instance to bring its window forward.
    void activationRequested();

private:
    void readConnection();

    QString m_name;
    QString m_error;
    QLocalServer* m_server = nullptr;
};
