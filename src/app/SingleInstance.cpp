#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
const QByteArray ActivateMessage = "activate\n";
}

SingleInstance::SingleInstance(const QString &appFolder, QObject *parent) : QObject(parent)
{
    const QByteArray folder = QDir(appFolder).canonicalPath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(16);
    m_name = u"fotovia-%1-%2"_s.arg(QString::number(getuid()), QString::fromLatin1(hash));
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::notifyRunningInstance() const
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(1000))
        return false;
    socket.write(ActivateMessage);
    socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::claim()
{
    if (notifyRunningInstance())
        return false;
    // Nobody answered: a socket file left behind by a crashed instance is stale.
    QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name))
        return true; // cannot guard against a second start; run anyway
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *client = m_server->nextPendingConnection()) {
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                if (client->readAll().contains("activate"))
                    emit activationRequested();
            });
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        }
    });
    return true;
}
