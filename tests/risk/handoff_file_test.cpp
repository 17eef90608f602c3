// The grid hand-off file: the counted loops of its axes, its text, the value
// texts of its writers, and the file operations in a private directory.
#include "common/files/handoff_file.h"
#include "risk/puff_model_window.h"
#include "common/numbers/steps.h"
#include "common/views/result_window.h"
#include "common/forms/tool_registry.h"
#include "message_recorder.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

TEST(HandOffFile, CountedLoops)
{
    const struct { double start, end, step; std::optional<QVector<double>> values; } cases[] = {
        {0, 1000, 300, QVector<double>{0, 300, 600, 900}},
        {0, 1000, 500, QVector<double>{0, 500, 1000}},  // the end itself is a value
        {10, 30, 10, QVector<double>{10, 20, 30}},
        {0, 0, 1, QVector<double>{0}},
        {0, -1, 1, QVector<double>{}},
        {0, -1000, -500, QVector<double>{0, -500, -1000}},
        {0, 1000, -500, QVector<double>{}},
        {0, 10, 0, std::nullopt},    // a step of 0 never ends
        {0, 1e39, 1, std::nullopt},  // more values than allowed
    };
    for (const auto &c : cases)
        EXPECT_EQ(CountedLoop(c.start, c.end, c.step, 1000), c.values) << c.start << " " << c.end << " " << c.step;
    EXPECT_EQ(CountedLoop(0, 999, 1, 1000).value_or(QVector<double>{}).size(), 1000) << "exactly the allowed count";
}

TEST(HandOffFile, Text)
{
    const struct { const char *name; GridHandOffFile grid; const char *text; } cases[] = {
        {"one point", {{0}, {0}, {"0.38"}}, "X=\\c/Y=;y=0;\rx=0;0.38;\r"},
        {"no row", {{}, {0, 100}, {}}, "X=\\c/Y=;y=0;y=100;\r"},
        {"no column", {{10, 20}, {}, {}}, "X=\\c/Y=;\rx=10;\rx=20;\r"},
        {"fractional axes", {{0.5}, {-1.25}, {"1E-08"}}, "X=\\c/Y=;y=-1.25;\rx=0.5;1E-08;\r"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.grid.text().toStdString(), c.text) << c.name;
}

class HandOffFiles : public ::testing::Test
{
protected:
    void SetUp() override { setHandOffDirectoryOverride(m_dir.path()); }
    void TearDown() override { setHandOffDirectoryOverride(QString()); }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    static QByteArray bytes(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    static void write(const QString &file, const QByteArray &content)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QTemporaryDir m_dir;
    const QString m_name = QStringLiteral("风险评价计算结果.txt");
};

TEST_F(HandOffFiles, WrittenWholeWithClosingCrLfOverAnyOlderFileAndDeleted)
{
    write(path(m_name), QByteArray(100000, 'z'));
    ASSERT_TRUE(SaveHandOffFile(m_name, QStringLiteral("X=\\c/Y=;y=0;\rx=0;1E-08;\r")));
    EXPECT_EQ(bytes(path(m_name)), QByteArray("X=\\c/Y=;y=0;\rx=0;1E-08;\r\r\n"));
    EXPECT_EQ(QFileInfo(path(m_name)).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
    EXPECT_EQ(LoadHandOffFile(m_name), QStringLiteral("X=\\c/Y=;y=0;\rx=0;1E-08;\r\r\n"));
    DeleteHandOffFile(m_name);
    EXPECT_FALSE(QFile::exists(path(m_name)));
    EXPECT_EQ(LoadHandOffFile(m_name), QString()) << "a missing file reads as nothing";
}

TEST_F(HandOffFiles, APlantedLinkIsNeverFollowed)
{
    QTemporaryDir elsewhere;
    const QString victim = elsewhere.filePath(QStringLiteral("victim.txt"));
    write(victim, "secret");
    ASSERT_TRUE(QFile::link(victim, path(m_name)));
    EXPECT_EQ(LoadHandOffFile(m_name), QString()) << "read through the link";
    ASSERT_TRUE(SaveHandOffFile(m_name, QStringLiteral("grid")));
    EXPECT_EQ(bytes(victim), QByteArray("secret")) << "written through the link";
    EXPECT_FALSE(QFileInfo(path(m_name)).isSymLink());
    EXPECT_EQ(bytes(path(m_name)), QByteArray("grid\r\n"));

    QFile::remove(path(m_name));
    ASSERT_TRUE(QFile::link(victim, path(m_name)));
    DeleteHandOffFile(m_name);
    EXPECT_EQ(bytes(victim), QByteArray("secret")) << "deleted through the link";
}

TEST_F(HandOffFiles, UnwritableDirectoryIsReportedOnceAndShowsNothing)
{
    // A plain file where the directory should be: nothing can be created in
    // it, whoever runs the test.
    write(path(QStringLiteral("blocked")), {});
    setHandOffDirectoryOverride(path(QStringLiteral("blocked")));
    const HandOffTarget &target = puffHandOffTarget();
    MessageRecorder messages;
    EXPECT_FALSE(WriteHandOffFile(target, QStringLiteral("grid")));
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].contains(QStringLiteral("未能保存")));
    ToolWindow *window = ToolRegistry::global().existingInstance(target.resultWindow);
    EXPECT_TRUE(!window || !window->isOpen()) << "result window shown after a failed write";
}

TEST(HandOffDirectory, PrivateToTheUser)
{
    QTemporaryDir runtime;
    const QByteArray previous = qgetenv("XDG_RUNTIME_DIR");
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const QString directory = HandOffDirectory();
    qputenv("XDG_RUNTIME_DIR", previous);
    ASSERT_TRUE(directory.startsWith(runtime.path())) << directory.toStdString();
    const QFileInfo info(directory);
    EXPECT_TRUE(info.isDir() && !info.isSymLink());
    EXPECT_EQ(info.permissions() & 0x0077, 0) << "open to group or others";
}

} // namespace
