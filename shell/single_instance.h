#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace corvalen {

// The test for a running copy of the program: a lock file in the user's
// runtime directory. A lock left by a copy that crashed (its process is
// gone) is taken over.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &lockPath = defaultLockPath());
    // True when this process now holds the lock: no other copy runs.
    bool acquire();
    static QString defaultLockPath();

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace corvalen
