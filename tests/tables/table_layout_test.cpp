#include "common/picture_reference_window.h"
#include "common/table_page_layout.h"
#include "common/tool_registry.h"

#include <gtest/gtest.h>

using namespace corvalen;

namespace {

ReferencePage pageOf(const QString &rows)
{
    const auto result = parseReferenceTable(QStringLiteral("window: w\ncaption: w\npicture: P\ntitle: 表\nalign: ccc\n") + rows,
                                            QStringLiteral("t.table"));
    EXPECT_TRUE(result.ok()) << result.error.toStdString();
    return result.table.pages.value(0);
}

TEST(TableLayout, MergedCellsWidenTheirColumnsAndLinesStack)
{
    const ReferencePage narrow = pageOf(QStringLiteral("header: a | b | c\nrow: 1 | 2 | 3\n"));
    const ReferencePage wide = pageOf(QStringLiteral(
        "header: a | 一个很长很长很长很长很长很长的合并表头 | <<\nheader: ^^ | b | c\nrow: 1 | 2 | 3\n"));
    const QList<int> n = TablePageLayout::columnTextWidths(narrow);
    const QList<int> w = TablePageLayout::columnTextWidths(wide);
    EXPECT_EQ(w[0], n[0]);
    EXPECT_GT(w[1] + w[2], n[1] + n[2]);
    EXPECT_LE(qAbs(w[1] - w[2]), 1);  // the excess is shared evenly

    const ReferencePage twoLines = pageOf(QStringLiteral("header: a | b\\nc | d\nrow: 1 | 2 | 3\n"));
    const TablePageLayout one(narrow, TablePageLayout::columnTextWidths(narrow));
    const TablePageLayout two(twoLines, TablePageLayout::columnTextWidths(twoLines));
    EXPECT_GT(two.size().height(), one.size().height());
    EXPECT_EQ(two.plainText(), QStringLiteral("表\na\nb\nc\nd\n1\n2\n3"));
}

TEST(TableLayout, ContinuedPagesShareOneSheet)
{
    const QString name = QStringLiteral("各种油漆有机溶剂挥发量表");
    ShowToolWindow(name);
    QWidget *w = ToolRegistry::global().existingInstance(name)->widget();
    EXPECT_EQ(w->findChild<QWidget *>(QStringLiteral("Picture2"))->size(),
              w->findChild<QWidget *>(QStringLiteral("Picture3"))->size());
    ToolRegistry::global().resetInstances();
}

} // namespace
