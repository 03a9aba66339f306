// SPDX-License-Identifier: GPL-3.0-or-later
// One calculator per user: the first start holds a lock file for as long as
// it runs, a second start finds it held and ends. The lock of an instance
// that crashed names a process that is gone, and the next start takes it over.
#pragma once

#include <QLockFile>
#include <QString>

namespace tenho::qt {

class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath = defaultLockPath());

    // True when no other instance runs; from then on this one holds the lock
    // until it is destroyed. Where no lock can be made at all (a folder that
    // cannot be written), the program runs rather than refuse to start.
    bool acquire();

    // In the user's runtime folder, or in the temporary folder under the
    // user's id when there is none.
    static QString defaultLockPath();

private:
    QLockFile lock_;
};

}  // namespace tenho::qt
