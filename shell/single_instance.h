#pragma once

#include <QString>

namespace corvalen {

// The test for a running copy of the program: an exclusive lock on a file in
// the user's runtime directory, held for as long as the process lives. The
// system lets go of the lock when the process ends, however it ends, so a
// copy that crashed never blocks the next start.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &lockPath = defaultLockPath());
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // True when this process now holds the lock: no other copy runs. A lock
    // file that cannot be opened at all (no runtime directory to write in)
    // lets the program start, as a lock could not protect anything there.
    bool acquire();
    static QString defaultLockPath();

private:
    QString m_path;
    int m_fd = -1;
};

} // namespace corvalen
