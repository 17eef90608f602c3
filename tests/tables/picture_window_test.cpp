// The table windows, opened by name offscreen.
#include "common/views/picture_reference_window.h"
#include "common/forms/tool_registry.h"
#include "qstring_print.h"

#include <QAbstractButton>
#include <QLabel>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

class PictureWindowTest : public ::testing::Test
{
protected:
    void TearDown() override { ToolRegistry::global().resetInstances(); }
    static QWidget *open(const QString &name)
    {
        ShowToolWindow(name);
        return ToolRegistry::global().existingInstance(name)->widget();
    }
};

// Caption, every line and cell of each page drawn, and the source label
// under the picture exactly where the table has one.
TEST_F(PictureWindowTest, EveryTableOpensByNameAndShowsAllItsContent)
{
    for (const QString &name : ToolRegistry::global().names()) {
        if (ToolRegistry::global().info(name)->kind != ToolKind::PictureReference)
            continue;
        SCOPED_TRACE(name.toStdString());
        QWidget *w = open(name);
        const ReferenceTable &table = dynamic_cast<PictureReferenceWindow *>(ToolRegistry::global().existingInstance(name))->table();
        EXPECT_EQ(w->windowTitle(), table.caption);
        auto *label = w->findChild<QLabel *>(QStringLiteral("Label1"));
        EXPECT_EQ(label ? label->text() : QString(), table.label);
        for (const ReferencePage &page : table.pages) {
            auto *picture = dynamic_cast<const TablePicture *>(w->findChild<QWidget *>(page.picture));
            ASSERT_TRUE(picture);
            const QString text = picture->text();
            for (const QString &line : page.headings + page.titles + page.units + page.notes + page.sources)
                EXPECT_TRUE(text.contains(referencePlainText(line))) << line.toStdString();
            for (const auto &rows : {page.header, page.body})
                for (const ReferenceRow &row : rows)
                    for (const ReferenceCell &cell : row)
                        EXPECT_TRUE(text.contains(cell.plainText())) << cell.text.toStdString();
        }
        ToolRegistry::global().existingInstance(name)->close();
    }
}

TEST_F(PictureWindowTest, PaintWindowSwitchesPagesOnOneSheetAndReopensOnTheFirst)
{
    const QString name = QStringLiteral("各种油漆有机溶剂挥发量表");
    QWidget *w = open(name);
    auto button = [&](const char *b) { return w->findChild<QAbstractButton *>(QLatin1String(b)); };
    auto shows = [&](const char *picture) { return w->findChild<QWidget *>(QLatin1String(picture))->isVisible(); };
    EXPECT_EQ(button("Command1")->text(), QStringLiteral("表一"));
    EXPECT_EQ(button("Command2")->text(), QStringLiteral("续表"));
    EXPECT_TRUE(shows("Picture2") && !shows("Picture3"));
    const QSize opened = w->size();
    button("Command2")->click();
    button("Command2")->click();
    EXPECT_TRUE(!shows("Picture2") && shows("Picture3"));
    EXPECT_EQ(w->size(), opened) << "the window keeps its size across pages";
    EXPECT_EQ(open(name), w) << "opened again: the same window comes forward, on the page it shows";
    EXPECT_TRUE(shows("Picture3"));
    button("Command1")->click();
    EXPECT_TRUE(shows("Picture2") && !shows("Picture3"));
    button("Command2")->click();
    ToolRegistry::global().existingInstance(name)->close();
    w = open(name);
    EXPECT_TRUE(shows("Picture2") && !shows("Picture3"));
}

} // namespace
