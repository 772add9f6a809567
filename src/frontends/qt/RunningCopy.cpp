// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/RunningCopy.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace norvik::qt {

namespace {

const QByteArray request = QByteArrayLiteral("come forward\n");
const QByteArray reply = QByteArrayLiteral("ok\n");
// The running copy answers from its event loop, which a long load at its
// start may hold up for a while.
constexpr int answerWait = 5000;
constexpr int connectWait = 1000;

// Whether the process at the other end of a connected local socket runs as
// this user.
bool sameUser(const QLocalSocket& socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    const auto fd = static_cast<int>(socket.socketDescriptor());
    return fd >= 0 && getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           size == sizeof peer && peer.uid == geteuid();
}

// The user's runtime directory, where it is a directory of the user's own
// that no one else may enter.
QString privateRuntimeDirectory() {
    const QByteArray path = qgetenv("XDG_RUNTIME_DIR");
    if (path.isEmpty() || !path.startsWith('/')) {
        return {};
    }
    struct stat status {};
    if (lstat(path.constData(), &status) != 0 || !S_ISDIR(status.st_mode) ||
        status.st_uid != geteuid() || (status.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
        return {};
    }
    return QString::fromLocal8Bit(path);
}

} // namespace

QString RunningCopy::socketPath(const QString& dataDirectory) {
    const QString runtime = privateRuntimeDirectory();
    if (runtime.isEmpty()) {
        return {};
    }
    // The same folder reached through a link is the same folder.
    const QFileInfo folder(dataDirectory);
    QString canonical = folder.canonicalFilePath();
    if (canonical.isEmpty()) {
        canonical = folder.absoluteFilePath();
    }
    const QByteArray hash =
        QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha256).toHex();
    return QDir(runtime).filePath(QStringLiteral("norvik-") + QString::fromLatin1(hash.left(32)));
}

RunningCopy::Answer RunningCopy::askToComeForward(const QString& socketPath) {
    if (socketPath.isEmpty()) {
        return Answer::NoneRunning;
    }
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(connectWait)) {
        const bool nobody = socket.error() == QLocalSocket::ServerNotFoundError ||
                            socket.error() == QLocalSocket::ConnectionRefusedError;
        return nobody ? Answer::NoneRunning : Answer::NoAnswer;
    }
    if (!sameUser(socket)) {
        return Answer::NoAnswer;
    }
    socket.write(request);
    if (!socket.waitForBytesWritten(connectWait)) {
        return Answer::NoAnswer;
    }
    QByteArray heard;
    while (!heard.contains('\n') && socket.waitForReadyRead(answerWait)) {
        heard += socket.readAll();
    }
    return heard == reply ? Answer::CameForward : Answer::NoAnswer;
}

RunningCopy::RunningCopy(const QString& socketPath, std::function<void()> onRequest)
    : onRequest_(std::move(onRequest)) {
    if (socketPath.isEmpty()) {
        return;
    }
    // Readable and writable by the user alone, inside a folder closed to others.
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(socketPath) &&
        server_.serverError() == QAbstractSocket::AddressInUseError) {
        // Nothing answered there a moment ago: what is left is a crashed copy's socket.
        QLocalServer::removeServer(socketPath);
        server_.listen(socketPath);
    }
    QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] { answer(); });
}

void RunningCopy::answer() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!sameUser(*socket)) {
            socket->abort();
            continue;
        }
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            // A request is one short line; anything longer is not a copy of ours.
            if (socket->bytesAvailable() > request.size()) {
                socket->abort();
                return;
            }
            if (!socket->canReadLine()) {
                return;
            }
            if (socket->readLine() != request) {
                socket->abort();
                return;
            }
            // The copy that asked is told at once, so that it can end; the
            // window comes forward after.
            socket->write(reply);
            socket->flush();
            socket->disconnectFromServer();
            if (onRequest_) {
                onRequest_();
            }
        });
    }
}

} // namespace norvik::qt
