#include "common/picture_reference_window.h"
#include "common/tool_registry.h"
#include "qstring_print.h"

#include <QAbstractButton>
#include <QLabel>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

QStringList tableWindows()
{
    QStringList names;
    for (const QString &name : ToolRegistry::global().names())
        if (ToolRegistry::global().info(name)->kind == ToolKind::PictureReference)
            names.append(name);
    return names;
}

// What a reader of the picture sees.
QString shownText(const QWidget *picture)
{
    auto *table = dynamic_cast<const TablePicture *>(picture);
    return table ? table->text() : QString();
}

class PictureWindowTest : public ::testing::Test
{
protected:
    void TearDown() override { ToolRegistry::global().resetInstances(); }
};

TEST_F(PictureWindowTest, EveryTableOpensByNameWithTitleHeaderAndRows)
{
    const QStringList names = tableWindows();
    EXPECT_EQ(names.size(), 25);
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        ShowToolWindow(name);
        auto *window = dynamic_cast<PictureReferenceWindow *>(ToolRegistry::global().existingInstance(name));
        ASSERT_TRUE(window && window->widget());
        EXPECT_EQ(window->widget()->windowTitle(), window->table().caption);
        for (const ReferencePage &page : window->table().pages) {
            const QString text = shownText(window->widget()->findChild<QWidget *>(page.picture));
            for (const QString &title : page.titles)
                EXPECT_TRUE(text.contains(referencePlainText(title))) << title.toStdString();
            for (const auto &rows : {page.header, page.body})
                for (const ReferenceRow &row : rows)
                    for (const ReferenceCell &cell : row)
                        EXPECT_TRUE(text.contains(cell.plainText())) << cell.text.toStdString();
        }
        window->close();
    }
}

TEST_F(PictureWindowTest, MenuItemsOfTheTablesAreServed)
{
    const QStringList expected = {
        "全国主要能源折算标准表1", "常用锅炉耗煤或油量", "锅炉用燃料含氮量1", "锅炉所需烟气量和排气量",
        "平均浓度值最高值综合表", "不同燃烧方式", "固液体燃料", "最低理论空气量", "烟气量系数1", "焦炭质量统计表1",
        "机动车辆大气污染物排放表1", "机动车排放污染物表1", "各种油漆有机溶剂挥发量表"};
    for (const QString &name : expected)
        EXPECT_TRUE(ToolRegistry::global().contains(name)) << name.toStdString();
}

TEST_F(PictureWindowTest, OpeningTwiceBringsTheSameWindowForward)
{
    ShowToolWindow(QStringLiteral("燃煤燃烧不完全值和含碳量QC"));
    QWidget *first = ToolRegistry::global().existingInstance(QStringLiteral("燃煤燃烧不完全值和含碳量QC"))->widget();
    ShowToolWindow(QStringLiteral("燃煤燃烧不完全值和含碳量QC"));
    EXPECT_EQ(ToolRegistry::global().existingInstance(QStringLiteral("燃煤燃烧不完全值和含碳量QC"))->widget(), first);
}

TEST_F(PictureWindowTest, SourceLabelsStandUnderTheirPictures)
{
    ShowToolWindow(QStringLiteral("烟气量系数1"));
    QWidget *w = ToolRegistry::global().existingInstance(QStringLiteral("烟气量系数1"))->widget();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("锅炉烟气量产生系数"));
    ASSERT_TRUE(w->findChild<QLabel *>(QStringLiteral("Label1")));
    EXPECT_EQ(w->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("来源：《环境统计报表填报指南》P114表5-2-6"));
    ShowToolWindow(QStringLiteral("机动车排放污染物表1"));
    w = ToolRegistry::global().existingInstance(QStringLiteral("机动车排放污染物表1"))->widget();
    EXPECT_EQ(w->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("数据来源：《八五环境统计手册》P298"));
    ShowToolWindow(QStringLiteral("机动车辆大气污染物排放表1"));
    w = ToolRegistry::global().existingInstance(QStringLiteral("机动车辆大气污染物排放表1"))->widget();
    EXPECT_FALSE(w->findChild<QLabel *>(QStringLiteral("Label1")));
    EXPECT_TRUE(shownText(w->findChild<QWidget *>(QStringLiteral("Image1"))).contains(QStringLiteral("出自《环境保护实用数据手册》P103")));
}

TEST_F(PictureWindowTest, PaintWindowSwitchesPagesAndReopensOnTheFirst)
{
    const QString name = QStringLiteral("各种油漆有机溶剂挥发量表");
    auto page = [&](const char *picture) {
        return ToolRegistry::global().existingInstance(name)->widget()->findChild<QWidget *>(QLatin1String(picture));
    };
    auto press = [&](const char *button) {
        ToolRegistry::global().existingInstance(name)->widget()->findChild<QAbstractButton *>(QLatin1String(button))->click();
    };
    ShowToolWindow(name);
    QWidget *w = ToolRegistry::global().existingInstance(name)->widget();
    EXPECT_EQ(w->findChild<QAbstractButton *>(QStringLiteral("Command1"))->text(), QStringLiteral("表一"));
    EXPECT_EQ(w->findChild<QAbstractButton *>(QStringLiteral("Command2"))->text(), QStringLiteral("续表"));
    EXPECT_TRUE(page("Picture2")->isVisible());
    EXPECT_FALSE(page("Picture3")->isVisible());
    press("Command2");
    press("Command2");
    EXPECT_FALSE(page("Picture2")->isVisible());
    EXPECT_TRUE(page("Picture3")->isVisible());
    EXPECT_EQ(w->size(), w->sizeHint());  // the window keeps its size across pages
    ShowToolWindow(name);  // brought forward on the page it shows
    EXPECT_TRUE(page("Picture3")->isVisible());
    press("Command1");
    EXPECT_TRUE(page("Picture2")->isVisible());
    EXPECT_FALSE(page("Picture3")->isVisible());
    press("Command2");
    ToolRegistry::global().existingInstance(name)->close();
    ShowToolWindow(name);
    EXPECT_TRUE(page("Picture2")->isVisible());
    EXPECT_FALSE(page("Picture3")->isVisible());
}

} // namespace
