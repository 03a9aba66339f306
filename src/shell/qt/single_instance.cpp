// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace tenho::qt {

namespace {

QByteArray native(const QString& path) { return QFile::encodeName(path); }

// The owner of a file as lstat sees it, or -1 when there is none.
long long ownerOf(const QString& path)
{
    struct stat st {};
    if (::lstat(native(path).constData(), &st) != 0) return -1;
    return static_cast<long long>(st.st_uid);
}

}  // namespace

SingleInstance::SingleInstance(const QString& folder, unsigned user) : folder_(folder), user_(user)
{
}

SingleInstance::~SingleInstance() { release(); }

QString SingleInstance::lockPath() const
{
    return folder_.isEmpty() ? QString() : QDir(folder_).filePath(QStringLiteral("tenho.lock"));
}

QString SingleInstance::socketPath() const
{
    return folder_.isEmpty() ? QString() : QDir(folder_).filePath(QStringLiteral("tenho.socket"));
}

bool SingleInstance::acquire()
{
    if (folder_.isEmpty()) return true;
    for (int attempt = 0; attempt < 2; ++attempt) {
        lock_ = std::make_unique<QLockFile>(lockPath());
        // A running instance may hold its lock for days: only a lock whose
        // process has gone counts as stale, never an old one.
        lock_->setStaleLockTime(0);
        if (lock_->tryLock(0)) return true;
        const QLockFile::LockError error = lock_->error();
        lock_.reset();
        // A lock file that is not the user's counts for nothing.
        const long long owner = ownerOf(lockPath());
        if (owner >= 0 && static_cast<unsigned>(owner) != user_) {
            if (!QFile::remove(lockPath())) return true;
            continue;
        }
        return error != QLockFile::LockFailedError;
    }
    return true;
}

bool SingleInstance::listen()
{
    if (!lock_ || !lock_->isLocked() || server_ != nullptr) return false;
    server_ = new QLocalServer(this);
    // A socket left by a crash is ours to replace: we hold the lock.
    QLocalServer::removeServer(socketPath());
    if (!server_->listen(socketPath())) {
        delete server_;
        server_ = nullptr;
        return false;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            socket->disconnectFromServer();
            emit knocked();
        }
    });
    return true;
}

bool SingleInstance::knock(int timeoutMs) const
{
    const QByteArray path = native(socketPath());
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    // The running instance may still be starting: its socket comes a moment
    // after its lock.
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return false;
        const bool connected =
            ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
        ::close(fd);
        if (connected) return true;
        if (std::chrono::steady_clock::now() >= until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
}

void SingleInstance::release()
{
    if (server_ != nullptr) {
        server_->close();
        delete server_;
        server_ = nullptr;
    }
    if (lock_) {
        lock_->unlock();
        lock_.reset();
    }
}

unsigned SingleInstance::currentUser() { return static_cast<unsigned>(::geteuid()); }

bool SingleInstance::isPrivateFolder(const QString& path, unsigned user)
{
    if (path.isEmpty()) return false;
    struct stat st {};
    if (::lstat(native(path).constData(), &st) != 0) return false;
    if (!S_ISDIR(st.st_mode) || st.st_uid != user) return false;
    if ((st.st_mode & (S_IWGRP | S_IWOTH)) != 0 && ::chmod(native(path).constData(), S_IRWXU) != 0)
        return false;
    return true;
}

QString SingleInstance::userFolder(const QString& runtimeFolder, const QString& tempFolder,
                                   const QString& cacheFolder, unsigned user)
{
    // The runtime folder is made for this by the session; the others are
    // made here, 0700, and checked all the same, since someone else may have
    // made one first.
    if (isPrivateFolder(runtimeFolder, user)) return runtimeFolder;
    const auto own = [user](const QString& path) {
        if (path.isEmpty()) return false;
        QDir().mkpath(QFileInfo(path).path());
        if (::mkdir(native(path).constData(), S_IRWXU) != 0 && errno != EEXIST) return false;
        return isPrivateFolder(path, user);
    };
    const QString temp = tempFolder.isEmpty()
                             ? QString()
                             : QDir(tempFolder).filePath(QStringLiteral("tenho-%1").arg(user));
    if (own(temp)) return temp;
    if (own(cacheFolder)) return cacheFolder;
    return {};
}

QString SingleInstance::userFolder()
{
    const QString home = QDir::homePath();
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (cache.isEmpty() && !home.isEmpty()) cache = QDir(home).filePath(QStringLiteral(".cache"));
    return userFolder(qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath(),
                      cache.isEmpty() ? QString() : QDir(cache).filePath(QStringLiteral("tenho")),
                      currentUser());
}

}  // namespace tenho::qt
