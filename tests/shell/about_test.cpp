#include "shell_test.h"
#include "shell/about_window.h"
#include "shell/registry_reader.h"
#include "shell/sys_info.h"

using namespace corvalen;

namespace {

RegistryValue text(const QString &value)
{
    return {RegSz, registryText(value)};
}

const QStringList unavailable{QStringLiteral("此时系统信息不可用")};

// A platform of memory: a registry, and the paths of the ordinary files,
// which are also the programs that start.
struct FakePlatform
{
    std::shared_ptr<MemoryRegistry> registry = std::make_shared<MemoryRegistry>();
    QStringList files;
    QStringList started;

    SysInfoPlatform platform()
    {
        return {registry, [this](const QString &p) { return files.contains(p); },
                [this](const QString &p) {
                    started << p;
                    return files.contains(p);
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

TEST(About, GetKeyValueConvertsByType)
{
    const QString key = QStringLiteral("SOFTWARE\\Test");
    // Value name, stored value (none: absent), result, text given back.
    struct Row { const char *name; std::optional<RegistryValue> stored; bool ok; QString expected; };
    const Row rows[] = {
        {"sz", text(QStringLiteral("C:\\系统\\信息.exe")), true, QStringLiteral("C:\\系统\\信息.exe")},
        {"dword", RegistryValue{RegDword, QByteArray("\x2c\x01\x00\x00", 4)}, true, QStringLiteral("&h0000012C")},
        {"binary", RegistryValue{3, QByteArray("\x01\x02", 2)}, true, QStringLiteral("passed in")},
        {"full", RegistryValue{RegSz, QByteArray(1024, 'a')}, true, QString(1024, QLatin1Char('a'))},
        {"long", RegistryValue{RegSz, QByteArray(1025, 'a')}, false, QString()},
        {"absent", std::nullopt, false, QString()},
    };
    MemoryRegistry registry;
    for (const Row &row : rows)
        if (row.stored)
            registry.setValue(HKeyLocalMachine, key, QString::fromLatin1(row.name), *row.stored);
    for (const Row &row : rows) {
        QString value = QStringLiteral("passed in");
        EXPECT_EQ(GetKeyValue(registry, HKeyLocalMachine, key, QString::fromLatin1(row.name), value), row.ok)
            << row.name;
        EXPECT_EQ(value, row.expected) << row.name;
    }
    QString value = QStringLiteral("passed in");
    EXPECT_FALSE(GetKeyValue(registry, HKeyLocalMachine, QStringLiteral("SOFTWARE\\Absent"), "sz", value));
    EXPECT_EQ(value, QString());
}

TEST(About, StartSysInfoPaths)
{
    const QString path = QStringLiteral("C:\\Tools\\msinfo.exe");
    const QString folder = QStringLiteral("C:\\Shared");
    const QString inFolder = folder + QStringLiteral("\\MSINFO32.EXE");
    // "files" are the ordinary files (a hidden MSINFO32.EXE is none).
    struct Row { const char *name; std::optional<RegistryValue> pathValue; bool folderValue; QStringList files, started; };
    const Row rows[] = {
        {"path names a program", text(path), true, {path, inFolder}, {path}},
        {"program in the folder", std::nullopt, true, {inFolder}, {inFolder}},
        {"folder without the program", std::nullopt, true, {}, {}},
        {"path names no program", text(path), true, {inFolder}, {path}},
        {"path of another type", RegistryValue{3, QByteArray("x")}, true, {inFolder}, {QString()}},
        {"no key at all", std::nullopt, false, {inFolder}, {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        FakePlatform fake;
        fake.files = row.files;
        if (row.pathValue)
            fake.registry->setValue(HKeyLocalMachine, sysinfo::programKey, sysinfo::programValue, *row.pathValue);
        if (row.folderValue)
            fake.registry->setValue(HKeyLocalMachine, sysinfo::folderKey, sysinfo::folderValue, text(folder));
        MessageRecorder recorder;
        StartSysInfo(fake.platform());
        EXPECT_EQ(fake.started, row.started);
        // The message comes exactly when no program started.
        EXPECT_EQ(recorder.messages, row.files.contains(row.started.value(0)) ? QStringList() : unavailable);
    }
}

// On this desktop the program key answers with a known system-information
// program found on PATH, and nothing without one; the folder key never.
TEST(About, DesktopRegistryFindsAProgramOnPath)
{
    const QByteArray oldPath = qgetenv("PATH");
    QTemporaryDir dir;
    const QString program = dir.filePath(systemInfoPrograms().at(1));
    QFile file(program);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    file.close();
    DesktopRegistry desktop;
    QString value;
    for (const bool onPath : {true, false}) {
        qputenv("PATH", (onPath ? dir.path() : dir.filePath("none")).toLocal8Bit());
        EXPECT_EQ(GetKeyValue(desktop, HKeyLocalMachine, sysinfo::programKey, sysinfo::programValue, value), onPath);
        EXPECT_EQ(value, onPath ? program : QString());
    }
    EXPECT_FALSE(GetKeyValue(desktop, HKeyLocalMachine, sysinfo::folderKey, sysinfo::folderValue, value));
    qputenv("PATH", oldPath);
}
