// The check of every data file at start: the files built in all pass, and a
// broken file planted in a data tree is refused with its file, line and
// reason, whichever parser reads it.
#include "shell_test.h"
#include "shell/data_check.h"

using namespace corvalen;

TEST(DataCheck, EveryBuiltInFileLoads)
{
    EXPECT_EQ(dataFileFaults(), QStringList());
}

TEST(DataCheck, PlantedBrokenFilesAreRefused)
{
    // The file planted below the data root, its bytes, and the fault after
    // its path (":line: reason", or ": reason" where no line is at fault).
    struct Row { const char *name; const char *path; QByteArray bytes; QString fault; };
    const Row rows[] = {
        {"table row before align", "fuel/tables/broken.table",
         "window: 表\ncaption: 表\npicture: Picture1\nrow: a | b\n", ":4: align must come before the rows"},
        {"sheet of too many columns", "water/sheets/broken.sheet",
         "window: 表\ncaption: 表\nworksheet: S\ncolumns: 30\n", ":4: columns takes a count from 1 to 26"},
        {"text with an unknown key", "noise/texts/broken.text",
         "window: 文\ncaption: 文\n# a comment\nbogus: x\n", ":4: unknown key \"bogus\""},
        {"document in a label", "fugitive/docs/broken.text", "window: 文\ncaption: 文\nbox: label\npara: x\n",
         ": a document shows its text in its box; box: label is for texts only"},
        {"formula picture without rows", "risk/formulas/broken.table",
         "window: 式\ncaption: 式\npicture: Image1\nalign: l\n", ":5: picture Image1 has no rows"},
        {"note with a lone CR", "fuel/notes/broken.txt", "计算依据：\r\n第二行\r第三行\n",
         ":2: a carriage return without a line feed"},
        {"note not UTF-8", "fuel/notes/latin1.txt", "caf\xe9\n", ": not valid UTF-8"},
        {"unit relation before a category", "lookups/unit_relations.txt", "relation: 1米=100厘米\n",
         ":1: a relation before the first category"},
        {"catalogue without its class first", "lookups/catalogue/broken.items", "\nheading: 一、农林业\n",
         ":2: class: must come first"},
        {"waste list out of order", "lookups/hazardous_waste_1998.list", "code: HW02\n", ":1: expected code: HW01"},
        {"classification row short, after an empty line", "lookups/classification/broken.tsv",
         "level\tcode\tname\n\nsection\tA\n", ":3: expected level, code and name"},
        {"help text before a topic", "shell/help_topics.txt", "# topics\n|    text\n",
         ":2: text line before the first topic"},
        {"menu item deeper than its menu", "shell/menu.tsv", "气工具\n\t\t石灰窑\twindow\t石灰窑废气产生量\n",
         ":2: indented deeper than its menu"},
        {"picture that is none", "shell/broken.png", "not a picture", ": not a readable picture"},
        {"file of no known kind", "fuel/tables/readme.md", "notes\n", ": no data file of a known kind"},
        {"table in a folder of its own", "fuel/tables/old/broken.table", "window: 表\n",
         ": no data file of a known kind"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir root;
        const QString path = root.filePath(QString::fromLatin1(row.path));
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(row.bytes);
        file.close();
        EXPECT_EQ(dataFileFaults(root.path()), QStringList{path + row.fault});
    }
}

// Beside a broken file, the sound files of the tree pass: each fault is its
// own file's.
TEST(DataCheck, SoundFilesBesideABrokenOnePass)
{
    QTemporaryDir root;
    const QString sound = root.filePath(QStringLiteral("fuel/notes/sound.txt"));
    const QString broken = root.filePath(QStringLiteral("fuel/notes/broken.txt"));
    ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("fuel/notes"))));
    for (const auto &[path, bytes] : {std::pair{sound, QByteArray("计算依据：\n")}, std::pair{broken, QByteArray()}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    EXPECT_EQ(dataFileFaults(root.path()), QStringList{broken + QStringLiteral(":1: an empty note")});
}
