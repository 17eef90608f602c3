// The one scan that registers the data windows: each file of a window
// folder becomes a window of its kind, under the name the file gives and in
// the toolbox of its folder; files of other folders make no window.
#include "common/views/data_windows.h"
#include "common/forms/tool_registry.h"
#include "qstring_print.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvalen;

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
    for (const File &file : files) {
        const QString path = root.filePath(QString::fromLatin1(file.path));
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(file.text);
    }
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
