#include "shell_test.h"
#include "shell/single_instance.h"

// The lock itself: one holder per file while it lives, free again once it
// is gone, and a place where no file can be made does not pass for a
// running copy.
TEST(SingleStart, LockIsHeldByOneHolderAtATime)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/corvalen.lock";
    {
        corvalen::SingleInstance first(path);
        ASSERT_TRUE(first.acquire());
        EXPECT_TRUE(first.acquire());
        corvalen::SingleInstance second(path);
        EXPECT_FALSE(second.acquire());
    }
    corvalen::SingleInstance after(path);
    EXPECT_TRUE(after.acquire());
    corvalen::SingleInstance nowhere(dir.path() + "/no such folder/corvalen.lock");
    EXPECT_TRUE(nowhere.acquire());
}

// Runs the built program itself. A second copy beside a running one shows
// the refusal and ends, the first keeps running; a lock left by a crashed
// copy does not block the next start.
TEST(SingleStart, SecondCopyIsRefusedUnlessTheFirstCrashed)
{
    const QString binary = qEnvironmentVariable("CORVALEN_BINARY");
    if (binary.isEmpty())
        GTEST_SKIP() << "CORVALEN_BINARY not set";
    const QString refusal = QStringLiteral("程序已经运行,不能再次装载，请注意托盘区图标！");
    for (const bool firstCrashed : {false, true}) {
        SCOPED_TRACE(firstCrashed ? "first copy crashed" : "first copy running");
        QTemporaryDir runtime;
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("CORVALEN_MESSAGES_TO_STDERR", "1");
        QProcess first, second;
        first.setProcessEnvironment(env);
        second.setProcessEnvironment(env);
        first.start(binary, {});
        ASSERT_TRUE(first.waitForStarted());
        const QString lock = runtime.path() + "/corvalen.lock";
        for (int waited = 0; waited < 10000 && !QFile::exists(lock); waited += 20)
            QThread::msleep(20);
        ASSERT_TRUE(QFile::exists(lock));
        if (firstCrashed) {
            first.kill();  // dies without releasing the lock
            first.waitForFinished();
        }

        second.start(binary, {});
        ASSERT_TRUE(second.waitForStarted());
        EXPECT_EQ(second.waitForFinished(firstCrashed ? 1500 : 10000), !firstCrashed);
        EXPECT_EQ(QString::fromUtf8(second.readAllStandardError()).contains(refusal), !firstCrashed);
        if (!firstCrashed) {
            EXPECT_EQ(second.exitCode(), 0);
            EXPECT_EQ(first.state(), QProcess::Running);
        }
        for (QProcess *p : {&first, &second}) {
            p->kill();
            p->waitForFinished();
        }
    }
}

// The program ends without a crash while a tool window is open, whether the
// event loop ends or the process leaves through exit(), as it does when the
// desktop's display goes away.
TEST(SingleStart, EndsCleanlyWithAToolWindowOpen)
{
    const QString binary = qEnvironmentVariable("CORVALEN_BINARY");
    if (binary.isEmpty())
        GTEST_SKIP() << "CORVALEN_BINARY not set";
    for (const char *way : {"1", "exit"}) {
        SCOPED_TRACE(way);
        QTemporaryDir runtime;
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("CORVALEN_EXIT_WHEN_SHOWN", way);
        env.insert("CORVALEN_OPEN_WHEN_SHOWN", QStringLiteral("机动车排放污染物表1"));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(binary, {});
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << program.readAllStandardError().toStdString();
        EXPECT_EQ(program.exitCode(), way == std::string("exit") ? 1 : 0);
    }
}
