// The data files at start: one scan registers the window files, the check
// refuses a broken file planted in a data tree with its file, line and
// reason, whichever parser reads it, and no file is parsed twice.
#include "shell_test.h"
#include "shell/data_files.h"

using namespace corvalen;

namespace {

// Writes `bytes` to the file at `relativePath` below `root`, folders and all.
void plant(const QTemporaryDir &root, const char *relativePath, const QByteArray &bytes)
{
    const QString path = root.filePath(QString::fromLatin1(relativePath));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

// Each file of a window folder becomes a window of its kind, under the name
// the file gives and in the toolbox of its folder; files of other folders
// make no window.
TEST(DataWindows, OneScanRegistersEveryKindInItsToolbox)
{
    struct File { const char *path; const char *text; };
    const File files[] = {
        {"fuel/tables/one.table", "window: 表一\ncaption: 表一\npicture: Picture1\nalign: l\nrow: a\n"},
        {"water/sheets/two.sheet", "window: 表二\ncaption: 表二\nworksheet: S\ncolumns: 1\nrow 1: 1\n"},
        {"noise/texts/three.text", "window: 文三\ncaption: 文三\npara: x\n"},
        {"fugitive/docs/four.text", "window: 文四\ncaption: 文四\npara: x\n"},
        // Read by their windows or look-ups, never windows of their own.
        {"risk/formulas/five.table", "window: 式五\ncaption: 式五\npicture: Image1\nalign: l\nrow: a\n"},
        {"solid_waste/formulas/six.text", "window: 式六\ncaption: 式六\npara: x\n"},
        {"fuel/notes/seven.txt", "计算依据：\n"},
        {"fuel/tables/eight.text", "window: 文八\ncaption: 文八\npara: x\n"},
    };
    QTemporaryDir root;
    for (const File &file : files)
        plant(root, file.path, file.text);
    ToolRegistry registry;
    registerDataWindows(registry, root.path());

    // Window, toolbox, kind.
    struct Row { const char *window; const char *toolbox; ToolKind kind; };
    const Row rows[] = {
        {"表一", "fuel", ToolKind::PictureReference},
        {"文四", "fugitive", ToolKind::EmbeddedDocument},
        {"文三", "noise", ToolKind::RichTextReference},
        {"表二", "water", ToolKind::EmbeddedSpreadsheet},
    };
    ASSERT_EQ(registry.names().size(), std::size(rows));
    for (const Row &row : rows) {
        const ToolInfo *info = registry.info(QString::fromUtf8(row.window));
        ASSERT_TRUE(info) << row.window;
        EXPECT_EQ(info->toolbox, QString::fromLatin1(row.toolbox)) << row.window;
        EXPECT_EQ(info->kind, row.kind) << row.window;
        // Each factory makes a window of the file's own.
        EXPECT_TRUE(info->create()) << row.window;
    }
}

// What the registration read is what the check reports: a window file is
// not parsed a second time (here it is broken after its registration, and
// still counts as sound), while the files nobody read yet are parsed.
TEST(DataFiles, TheCheckParsesOnlyWhatNothingReadYet)
{
    QTemporaryDir root;
    plant(root, "fuel/tables/one.table", "window: 表一\ncaption: 表一\npicture: Picture1\nalign: l\nrow: a\n");
    plant(root, "shell/menu.tsv", "气工具\n");
    ToolRegistry registry;
    registerDataWindows(registry, root.path());
    noteDataFileRead(root.filePath(QStringLiteral("shell/menu.tsv")));
    plant(root, "fuel/tables/one.table", "row: a\n");
    plant(root, "shell/menu.tsv", "\t\t石灰窑\n");
    plant(root, "fuel/notes/broken.txt", "");
    EXPECT_EQ(dataFileFaults(root.path()),
              QStringList{root.filePath(QStringLiteral("fuel/notes/broken.txt")) + QStringLiteral(":1: an empty note")});
}

// A broken file stops the program at start with its file, line and reason:
// a window file when the windows are registered, any other at the check.
TEST(DataFiles, ABrokenFileStopsTheStart)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QTemporaryDir windows;
    plant(windows, "fuel/tables/broken.table", "window: 表\ncaption: 表\npicture: Picture1\nrow: a | b\n");
    ToolRegistry registry;
    EXPECT_DEATH(registerDataWindows(registry, windows.path()), "broken\\.table:4: align must come before the rows");
    QTemporaryDir others;
    plant(others, "fuel/notes/broken.txt", "计算依据：\r\n第二行\r第三行\n");
    EXPECT_DEATH(checkDataFiles(others.path()), "broken\\.txt:2: a carriage return without a line feed");
}

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
        plant(root, row.path, row.bytes);
        const QString path = root.filePath(QString::fromLatin1(row.path));
        EXPECT_EQ(dataFileFaults(root.path()), QStringList{path + row.fault});
    }
}

// Beside a broken file, the sound files of the tree pass: each fault is its
// own file's.
TEST(DataCheck, SoundFilesBesideABrokenOnePass)
{
    QTemporaryDir root;
    plant(root, "fuel/notes/sound.txt", "计算依据：\n");
    plant(root, "fuel/notes/broken.txt", "");
    EXPECT_EQ(dataFileFaults(root.path()),
              QStringList{root.filePath(QStringLiteral("fuel/notes/broken.txt")) + QStringLiteral(":1: an empty note")});
}
