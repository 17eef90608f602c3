#include "shell_test.h"
#include "shell/about_window.h"
#include "shell/sys_info.h"

using namespace corvalen;

namespace {

const QStringList unavailable{QStringLiteral("此时系统信息不可用")};

// A platform of memory: the programs on PATH (name to path) and the paths
// that start.
struct FakePlatform
{
    QHash<QString, QString> onPath;
    QStringList startable;
    QStringList started;

    SysInfoPlatform platform()
    {
        return {[this](const QString &name) { return onPath.value(name); },
                [this](const QString &p) {
                    started << p;
                    return startable.contains(p);
                }};
    }
};

} // namespace

TEST(About, LoadTextsButtonsAndLayout)
{
    FakePlatform fake;
    const SysInfoPlatform previous = setSysInfoPlatform(fake.platform());
    ToolWindow *about = openToolWindow(QStringLiteral("frmAbout"));
    QWidget *w = about->widget();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("关于 Corvalen"));
    EXPECT_EQ(w->findChild<QLabel *>(QStringLiteral("lblTitle"))->text(), QStringLiteral("Corvalen"));
    EXPECT_EQ(w->findChild<QLabel *>(QStringLiteral("lblVersion"))->text(), QStringLiteral("版本 1.0.0"));

    // The controls stand from top to bottom in this order.
    QApplication::processEvents();
    int previousTop = 0;
    for (const char *name : {"picIcon", "lblTitle", "lblVersion", "Frame1", "cmdOK", "cmdSysInfo",
                             "Line1", "lblDisclaimer"}) {
        QWidget *control = w->findChild<QWidget *>(QString::fromLatin1(name));
        ASSERT_TRUE(control) << name;
        EXPECT_GE(control->mapTo(w, QPoint()).y(), previousTop) << name;
        previousTop = control->mapTo(w, QPoint()).y();
    }

    // 系统信息 asks the platform; without the program the box stays open.
    MessageRecorder recorder;
    w->findChild<QPushButton *>(QStringLiteral("cmdSysInfo"))->click();
    setSysInfoPlatform(previous);
    EXPECT_EQ(recorder.messages, unavailable);
    ASSERT_TRUE(about->isOpen());
    QApplication::setActiveWindow(w);
    QTest::keyClick(w, Qt::Key_Escape);  // presses 确定
    EXPECT_FALSE(about->isOpen());
}

TEST(About, StartSysInfoSearchesPath)
{
    // Programs on PATH, those that start, what is started.
    struct Row { const char *name; QHash<QString, QString> onPath; QStringList startable, started; };
    const QString hardinfo2 = QStringLiteral("/usr/bin/hardinfo2");
    const QString cpuX = QStringLiteral("/opt/bin/cpu-x");
    const QString iNex = QStringLiteral("/usr/bin/i-nex");
    const Row rows[] = {
        {"first program of the list", {{"hardinfo2", hardinfo2}, {"cpu-x", cpuX}}, {hardinfo2, cpuX}, {hardinfo2}},
        {"a later program alone", {{"i-nex", iNex}}, {iNex}, {iNex}},
        {"earlier in the list wins", {{"i-nex", iNex}, {"cpu-x", cpuX}}, {iNex, cpuX}, {cpuX}},
        {"found but does not start", {{"cpu-x", cpuX}, {"i-nex", iNex}}, {iNex}, {cpuX}},
        {"none on PATH", {}, {}, {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        FakePlatform fake;
        fake.onPath = row.onPath;
        fake.startable = row.startable;
        MessageRecorder recorder;
        StartSysInfo(fake.platform());
        EXPECT_EQ(fake.started, row.started);
        // The message comes exactly when no program started.
        EXPECT_EQ(recorder.messages, row.startable.contains(row.started.value(0)) ? QStringList() : unavailable);
    }
}

// On this desktop the programs are looked for on PATH.
TEST(About, DesktopFindsAProgramOnPath)
{
    const QByteArray oldPath = qgetenv("PATH");
    QTemporaryDir dir;
    const QString program = dir.filePath(systemInfoPrograms().at(1));
    QFile file(program);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    file.close();
    const SysInfoPlatform desktop = desktopSysInfoPlatform();
    for (const bool onPath : {true, false}) {
        qputenv("PATH", (onPath ? dir.path() : dir.filePath("none")).toLocal8Bit());
        EXPECT_EQ(desktop.findProgram(systemInfoPrograms().at(1)), onPath ? program : QString());
    }
    qputenv("PATH", oldPath);
}
