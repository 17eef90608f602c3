#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

// Runs the built program itself: a second copy shows the refusal and ends,
// the first keeps running; a lock left by a crashed copy does not block.
namespace {

QString binary()
{
    return qEnvironmentVariable("CORVALEN_BINARY");
}

QProcessEnvironment environment(const QString &runtimeDir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", runtimeDir);
    env.insert("CORVALEN_MESSAGES_TO_STDERR", "1");
    return env;
}

bool waitForFile(const QString &path, int ms)
{
    for (int waited = 0; waited < ms; waited += 20) {
        if (QFile::exists(path))
            return true;
        QThread::msleep(20);
    }
    return false;
}

} // namespace

TEST(SingleStart, SecondCopyIsRefusedAndFirstStays)
{
    if (binary().isEmpty())
        GTEST_SKIP() << "CORVALEN_BINARY not set";
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcess first;
    first.setProcessEnvironment(environment(runtime.path()));
    first.start(binary(), {});
    ASSERT_TRUE(first.waitForStarted());
    ASSERT_TRUE(waitForFile(runtime.path() + "/corvalen.lock", 10000));

    QProcess second;
    second.setProcessEnvironment(environment(runtime.path()));
    second.start(binary(), {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(QString::fromUtf8(second.readAllStandardError())
                    .contains("程序已经运行,不能再次装载，请注意托盘区图标！"));
    EXPECT_EQ(first.state(), QProcess::Running);

    first.kill();
    first.waitForFinished();
}

TEST(SingleStart, StaleLockOfACrashedCopyIsTakenOver)
{
    if (binary().isEmpty())
        GTEST_SKIP() << "CORVALEN_BINARY not set";
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // A copy that crashed: it took the lock, then died without releasing it.
    QProcess crashed;
    crashed.setProcessEnvironment(environment(runtime.path()));
    crashed.start(binary(), {});
    ASSERT_TRUE(waitForFile(runtime.path() + "/corvalen.lock", 10000));
    crashed.kill();
    crashed.waitForFinished();
    ASSERT_TRUE(QFile::exists(runtime.path() + "/corvalen.lock"));

    QProcess next;
    next.setProcessEnvironment(environment(runtime.path()));
    next.start(binary(), {});
    ASSERT_TRUE(next.waitForStarted());
    EXPECT_FALSE(next.waitForFinished(1500)) << "refused to start over a stale lock";
    EXPECT_FALSE(QString::fromUtf8(next.readAllStandardError()).contains("程序已经运行"));
    next.kill();
    next.waitForFinished();
}
