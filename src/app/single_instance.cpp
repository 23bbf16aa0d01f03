// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

const QByteArray ActivateMessage = QByteArrayLiteral("activate\n");

QString userName() {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    if (user.isEmpty())
        user = QDir::home().dirName();
    return user;
}

} // namespace

SingleInstance::SingleInstance(const QString& homeDir, QObject* parent)
    : QObject(parent), m_name(serverName(homeDir)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName(const QString& homeDir) {
    QFileInfo info(homeDir);
    const QString canonical = info.canonicalFilePath();
    const QString home = canonical.isEmpty() ? info.absoluteFilePath() : canonical;
    const QByteArray key = (userName() + QLatin1Char('\n') + home).toUtf8();
    // Socket paths are short on some systems: a digest keeps the name small and free of slashes.
    const QByteArray digest = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(24);
    return QStringLiteral("vantoro-") + QString::fromLatin1(digest);
}

bool SingleInstance::notifyRunning(int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(ActivateMessage);
    socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return true;
}

bool SingleInstance::listen() {
    delete m_server;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::readConnection);
    if (m_server->listen(m_name))
        return true;
    // Nobody answered on this name (notifyRunning said so), so what is there is a leftover.
    QLocalServer::removeServer(m_name);
    if (m_server->listen(m_name))
        return true;
    m_error = m_server->errorString();
    return false;
}

void SingleInstance::readConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto handle = [this, socket] {
            if (!socket->canReadLine())
                return;
            if (socket->readLine() == ActivateMessage)
                Q_EMIT activationRequested();
            socket->disconnectFromServer();
        };
        connect(socket, &QLocalSocket::readyRead, this, handle);
        handle();
    }
}
