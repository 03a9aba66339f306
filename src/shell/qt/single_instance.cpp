// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <unistd.h>

namespace tenho::qt {

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath)
{
    // A running instance may hold its lock for days: only a lock whose
    // process has gone counts as stale, never an old one.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    if (lock_.tryLock(0)) return true;
    return lock_.error() != QLockFile::LockFailedError;
}

QString SingleInstance::defaultLockPath()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir() && QFileInfo(runtime).isWritable())
        return QDir(runtime).filePath(QStringLiteral("tenho.lock"));
    return QDir(QDir::tempPath())
        .filePath(QStringLiteral("tenho-%1.lock").arg(static_cast<qulonglong>(::getuid())));
}

}  // namespace tenho::qt
