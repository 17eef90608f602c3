// A data file built into the program that cannot be parsed stops the
// program, naming the file, the line and the reason.
#include "common/files/data_file.h"
#include "common/files/note_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvalen;

TEST(DataFileDeathTest, ABuiltInFileThatFailsStopsTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("broken.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("first\nsecond\rthird\n");
    file.close();
    EXPECT_DEATH(loadBuiltInDataFile(path, parseNote), "broken\\.txt:2: a carriage return without a line feed");
    EXPECT_DEATH(loadBuiltInDataFile(dir.filePath(QStringLiteral("none.txt")), parseNote), "none\\.txt: cannot be read");
    // A sound file gives its text as it stands.
    QFile sound(path);
    ASSERT_TRUE(sound.open(QIODevice::WriteOnly));
    sound.write("  计算依据：\n\n");
    sound.close();
    EXPECT_EQ(loadBuiltInDataFile(path, parseNote), QStringLiteral("  计算依据：\n\n"));
}
