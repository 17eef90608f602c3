#include "common/tool_registry.h"
#include "support/message_recorder.h"
#include "shell/about_window.h"
#include "shell/registry_reader.h"
#include "shell/sys_info.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

RegistryValue text(const QString &value)
{
    return {RegSz, registryText(value)};
}

// A registry that notes every value asked for.
class CountingRegistry : public MemoryRegistry
{
public:
    std::optional<RegistryValue> value(quint32 root, const QString &key,
                                       const QString &name) const override
    {
        asked << name;
        return MemoryRegistry::value(root, key, name);
    }
    mutable QStringList asked;
};

// A platform of memory: a registry, ordinary files and the programs started.
struct FakePlatform
{
    std::shared_ptr<CountingRegistry> registry = std::make_shared<CountingRegistry>();
    QSet<QString> ordinaryFiles;
    QSet<QString> startable;
    QStringList started;

    SysInfoPlatform platform()
    {
        return {registry, [this](const QString &p) { return ordinaryFiles.contains(p); },
                [this](const QString &p) {
                    started << p;
                    return startable.contains(p);
                }};
    }
};

} // namespace

TEST(About, LoadTextsAndEscCloses)
{
    EXPECT_EQ(versionText(3, 0, 12), QStringLiteral("版本 3.0.12"));
    ShowToolWindow(QStringLiteral("frmAbout"));
    ToolWindow *about = ToolRegistry::global().existingInstance(QStringLiteral("frmAbout"));
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

    QApplication::setActiveWindow(w);
    QTest::keyClick(w, Qt::Key_Escape);
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
    struct Row
    {
        const char *name;
        std::optional<RegistryValue> pathValue;
        bool folderValue;
        bool fileInFolder;  // an ordinary MSINFO32.EXE (false: none, or hidden)
        QStringList startable;
        QStringList started;
        bool message;
    };
    const Row rows[] = {
        {"path names a program", text(path), true, true, {path}, {path}, false},
        {"program in the folder", std::nullopt, true, true, {inFolder}, {inFolder}, false},
        {"folder without the program", std::nullopt, true, false, {inFolder}, {}, true},
        {"path names no program", text(path), false, false, {}, {path}, true},
        {"path of another type", RegistryValue{3, QByteArray("x")}, true, true, {inFolder}, {QString()}, true},
        {"no key at all", std::nullopt, false, false, {}, {}, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        FakePlatform fake;
        if (row.pathValue)
            fake.registry->setValue(HKeyLocalMachine, sysinfo::programKey, sysinfo::programValue, *row.pathValue);
        if (row.folderValue)
            fake.registry->setValue(HKeyLocalMachine, sysinfo::folderKey, sysinfo::folderValue, text(folder));
        if (row.fileInFolder)
            fake.ordinaryFiles << inFolder;
        for (const QString &p : row.startable)
            fake.startable << p;
        MessageRecorder recorder;
        StartSysInfo(fake.platform());
        EXPECT_EQ(fake.started, row.started);
        EXPECT_EQ(recorder.messages,
                  row.message ? QStringList{QStringLiteral("此时系统信息不可用")} : QStringList());
        if (row.pathValue) {  // the folder is not asked for
            EXPECT_FALSE(fake.registry->asked.contains(sysinfo::folderValue));
        }
    }
}

TEST(About, ButtonUsesThePlatformAndDesktopFindsAProgramOnPath)
{
    FakePlatform fake;
    const SysInfoPlatform previous = setSysInfoPlatform(fake.platform());
    ShowToolWindow(QStringLiteral("frmAbout"));
    ToolWindow *about = ToolRegistry::global().existingInstance(QStringLiteral("frmAbout"));
    MessageRecorder recorder;
    about->widget()->findChild<QPushButton *>(QStringLiteral("cmdSysInfo"))->click();
    EXPECT_EQ(recorder.messages, QStringList{QStringLiteral("此时系统信息不可用")});
    EXPECT_TRUE(about->isOpen());
    about->close();
    setSysInfoPlatform(previous);

    // On this desktop the program key answers with the first known
    // system-information program on PATH, and nothing without one.
    const QByteArray oldPath = qgetenv("PATH");
    QTemporaryDir dir;
    const QString program = dir.filePath(systemInfoPrograms().at(1));
    QFile file(program);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    file.close();
    DesktopRegistry desktop;
    QString value;
    qputenv("PATH", dir.path().toLocal8Bit());
    EXPECT_TRUE(GetKeyValue(desktop, HKeyLocalMachine, sysinfo::programKey, sysinfo::programValue, value));
    EXPECT_EQ(value, program);
    qputenv("PATH", QDir(dir.path()).filePath(QStringLiteral("none")).toLocal8Bit());
    EXPECT_FALSE(GetKeyValue(desktop, HKeyLocalMachine, sysinfo::programKey, sysinfo::programValue, value));
    EXPECT_FALSE(GetKeyValue(desktop, HKeyLocalMachine, sysinfo::folderKey, sysinfo::folderValue, value));
    qputenv("PATH", oldPath);
}
