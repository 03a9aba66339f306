// SPDX-License-Identifier: GPL-3.0-or-later
// One calculator per user. The first start holds a lock file for as long as
// it runs and listens on a local socket beside it; a second start finds the
// lock held, knocks on the socket so that the running window comes to the
// front, and ends. The lock of an instance that crashed names a process that
// is gone, and the next start takes it over.
//
// Both live in a folder that only the user can write, so that nobody else
// can keep the program from starting: the user's runtime folder, else a
// folder of the user's own in the temporary folder, else one in the user's
// cache folder; each is used only when it is a real folder that the user
// owns and nobody else may write.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;

namespace tenho::qt {

class SingleInstance : public QObject {
    Q_OBJECT

public:
    // `folder` holds the lock and the socket; `user` is the id whose files
    // count as ours.
    explicit SingleInstance(const QString& folder = userFolder(), unsigned user = currentUser());
    ~SingleInstance() override;

    // True when no other instance runs; from then on this one holds the lock
    // until it is destroyed or releases it. Where no lock can be made at all
    // (no folder of the user's own), the program runs rather than refuse to
    // start. A lock file that is not the user's is removed, never obeyed.
    bool acquire();

    // The running instance's part: takes knocks, each of which emits
    // `knocked`. Needs the QCoreApplication.
    bool listen();

    // The second start's part: asks the running instance to come forward.
    // Waits a little for an instance that is still starting; needs no
    // QCoreApplication. False when nobody answered.
    bool knock(int timeoutMs = 1000) const;

    // Lets go of the lock and the socket at once (the window has closed).
    void release();

    QString lockPath() const;
    QString socketPath() const;

    // The folder for the lock, chosen as described above; empty when none
    // will do. The arguments are for the tests.
    static QString userFolder();
    static QString userFolder(const QString& runtimeFolder, const QString& tempFolder,
                              const QString& cacheFolder, unsigned user);
    // True for a real folder (not a link) that `user` owns and nobody else may
    // write; a folder of the user's with too wide a mode is narrowed to 0700.
    static bool isPrivateFolder(const QString& path, unsigned user);
    static unsigned currentUser();

signals:
    void knocked();

private:
    QString folder_;
    unsigned user_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
};

}  // namespace tenho::qt
