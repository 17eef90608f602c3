// Every table file loads, and each table stands as the handbook prints it.
#include "common/views/picture_reference_window.h"
#include "common/forms/tool_registry.h"
#include "qstring_print.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

TEST(TableFiles, EveryEmbeddedFileLoadsUnderItsOwnWindowName)
{
    QStringList windows;
    for (const QString &box : QDir(QStringLiteral(":/data")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDir tables(QStringLiteral(":/data/%1/tables").arg(box));
        for (const QString &file : tables.entryList({QStringLiteral("*.table")}, QDir::Files)) {
            const auto result = loadReferenceTable(tables.filePath(file));
            EXPECT_TRUE(result.ok()) << result.error.toStdString();
            EXPECT_FALSE(windows.contains(result.table.window)) << file.toStdString();
            windows.append(result.table.window);
        }
    }
    EXPECT_EQ(windows.size(), 34);
}

// The table of a window as registered under its name.
ReferenceTable tableOf(const QString &window)
{
    auto *w = dynamic_cast<PictureReferenceWindow *>(ToolRegistry::global().instance(window));
    return w ? w->table() : ReferenceTable{};
}

struct Cell { int row; int column; const char *text; };
struct Expected
{
    const char *window;
    const char *caption;
    const char *title;      // first title line of the first page, plain
    const char *picture;
    const char *source;     // the label under the picture, else the source line in it; "" for none
    int headerRows;
    int columns;
    int bodyRows;           // over all pages
    std::vector<Cell> cells;  // body cells, rows counted over all pages
};

// Checked against the handbook tables: counts, the first and last rows, and
// the cells easily lost (merged and therefore empty, signs, ranges).
const std::vector<Expected> kTables = {
    {"煤中灰分含量", "煤中灰分含量", "表 1 煤中灰分含量(A)", "Picture1", "", 1, 2, 4, {{0, 1, "35.61"}, {3, 0, "七台河"}}},
    {"灰分中烟尘的含量", "灰分中烟尘的含量", "表 2 灰分中烟尘含量（dfh）", "Picture1", "", 1, 2, 7,
     {{0, 0, "手烧炉"}, {6, 1, "85"}}},
    {"各种除尘器的效率", "各种除尘器的效率", "表 3 各类除尘器除尘效率（η）", "Picture1", "", 1, 4, 9,
     {{0, 3, "75.6"}, {8, 0, "C 型 CLP(XLP)"}}},
    {"烟尘中可燃物含量", "烟尘中可燃物含量", "表 4 烟尘中可燃物含量（Cfh）", "Picture1", "", 1, 2, 3,
     {{0, 0, "一般炉型"}, {2, 1, "25"}}},
    {"煤的全硫分含量", "煤的全硫分含量", "表 5 燃煤全硫分含量（S）", "Picture1", "", 1, 3, 8,
     {{0, 1, "1/3 焦煤"}, {7, 2, "0.36"}}},
    {"燃煤燃烧不完全值和含碳量QC", "燃煤燃烧不完全值和含碳量QC", "表 6 燃煤燃烧不完全值和含碳量（Q、C）", "Picture1", "",
     1, 3, 5, {{0, 0, "混煤"}, {4, 2, "85"}}},
    {"燃煤中氮NOX转化率", "燃煤中氮NOX转化率", "表 7 燃煤中氮NOX转化率（ß）", "Picture1", "", 1, 2, 2,
     {{0, 0, "层燃炉"}, {1, 1, "25"}}},
    {"燃油全硫分含量", "燃油全硫分含量", "表 8 燃油全硫分含量（S）", "Picture1", "", 1, 2, 3, {{0, 1, "0.3"}, {2, 0, "重油"}}},
    {"燃油中含氮量", "燃油中含氮量", "表 10 燃油中氮含量（N）", "Picture1", "", 1, 2, 3,
     {{0, 0, "劣质重油"}, {2, 1, "0.02"}}},
    {"燃气中H2S的含量", "燃气中H2S的含量", "表 12 燃气中H2S体积含量（CH2S）", "Picture1", "", 1, 2, 2,
     {{0, 0, "哈依煤气"}, {1, 1, "0.05"}}},
    {"燃气燃烧不完全值表", "燃气燃烧不完全值表", "表 13 燃气燃烧不完全值表（Q）", "Picture1", "", 1, 2, 2,
     {{0, 1, "2"}, {1, 0, "天然气"}}},
    {"燃气中主要物质体积含量", "燃气中主要物质体积含量", "表 14 燃气中主要物质体积含量（V）", "Picture1", "", 1, 2, 2,
     {{0, 1, "CO:10;CH4:25;CmHn:1"}, {1, 1, "CO:5;CH4:95"}}},
    {"全国主要能源折算标准表1", "全国主要能源折算标准表", "表 2-78 全国主要能源折算标准表", "Image1",
     "出自《环境保护实用数据手册》P77", 3, 6, 17,
     {{0, 3, "0.714"}, {2, 4, ""}, {9, 1, "M³"}, {13, 1, "℃"}, {16, 0, "洗煤"}, {16, 5, ""}}},
    {"常用锅炉耗煤或油量", "常用锅炉耗煤（油）量", "表 2-52 常用锅炉耗煤（油）量", "Image1", "出自《环境保护实用数据手册》P65",
     1, 9, 7, {{0, 0, "蒸发量 t/h"}, {6, 6, ""}, {6, 8, "540"}}},
    {"锅炉用燃料含氮量1", "锅炉用燃料含氮量", "表 2-46 锅炉用燃料含氮量", "Image1", "出自《环境保护实用数据手册》P66", 2, 3, 4,
     {{0, 1, "0.5～2.5"}, {3, 1, "0.005～0.08"}}},
    {"锅炉所需烟气量和排气量", "各种锅炉产生1t/h蒸汽所需要的空气和排烟量", "表 2-46 各种锅炉产生 1t/h 蒸汽所需要的空气和排烟量",
     "Image1", "出自《环境保护实用数据手册》P64", 2, 8, 4, {{0, 1, "1.30～1.40"}, {3, 7, "3120"}}},
    {"平均浓度值最高值综合表", "各种燃烧方式锅炉烟尘平均浓度值、最高值综合表", "表 2-43 各种燃烧方式锅炉烟尘平均浓度值、最高值综合表",
     "Image1", "出自《环境保护实用数据手册》P63", 1, 4, 15, {{0, 2, "2753"}, {0, 3, ""}, {14, 2, "1263"}}},
    {"不同燃烧方式", "不同燃烧方式烟气含尘浓度", "表 2-45 不同燃烧方式烟气含尘浓度", "Image1", "出自《环境保护实用数据手册》P63",
     1, 3, 7, {{0, 1, "<1.5"}, {6, 2, "15～50"}}},
    {"固液体燃料", "固液体燃料的燃烧计算数据", "表 2-40 固液体燃料的燃烧计算数据", "Image1", "出自《环境保护实用数据手册》P61",
     2, 7, 7, {{0, 0, "扎赉诺尔褐煤"}, {6, 6, "15"}}},
    {"最低理论空气量", "各种燃料燃烧时所需的最低理论空气量", "表 2-37 各种燃料燃烧时所需的最低理论空气量", "Image1",
     "出自《环境保护实用数据手册》P60", 1, 2, 10, {{0, 1, "3.6～6.0"}, {9, 1, "～0.7"}}},
    {"烟气量系数1", "锅炉烟气量产生系数", "表 5-2-6 锅炉每吨蒸汽所产生的烟气量", "Picture1",
     "来源：《环境统计报表填报指南》P114表5-2-6", 1, 5, 1, {{0, 1, "1483"}, {0, 4, "1362"}}},
    {"焦炭质量统计表1", "焦炭质量统计表", "2001 年中国炼焦协会理事单位焦炭质量统计表", "Picture1", "", 1, 8, 5,
     {{0, 0, "82 家理事单位平均"}, {1, 1, ""}, {4, 7, "6.5"}}},
    {"机动车辆大气污染物排放表1", "机动车辆大气污染物排放表", "表 2-146 机动车辆大气污染物排放表", "Image1",
     "出自《环境保护实用数据手册》P103", 2, 4, 5, {{0, 0, "铅化合物"}, {4, 3, "6.0"}}},
    {"机动车排放污染物表1", "机动车排放污染物表", "六、机动车辆污染物排放表", "Picture1", "数据来源：《八五环境统计手册》P298",
     2, 4, 5, {{0, 1, "2.1"}, {4, 0, "烃类"}}},
    {"各种油漆有机溶剂挥发量表", "各种油漆有机溶剂挥发量表", "（四）各种油漆有机溶剂挥发量表", "Picture2", "", 2, 7, 19,
     {{0, 0, "Y"}, {10, 0, "Z"}, {15, 6, ""}, {18, 6, "200号汽油、纯苯、二甲苯、乙醇、丁醇、丙酮、醋酸丁酯"}}},
    {"常见工业设备噪声范围", "常见工业设备噪声范围", "表 1.1 常见工业设备噪声范围", "Picture1",
     "数据来源：《噪声控制工程》 出版日期:2003年07月第1版", 1, 4, 16, {{0, 0, "飞机发动机"}, {15, 3, "91～95"}}},
    {"建筑施工机械噪声声级1", "建筑施工机械噪声声级", "表 1.2 建筑施工机械噪声声级(dB(A))", "Picture1",
     "数据来源：《噪声控制工程》 出版日期:2003年07月第1版", 2, 5, 5, {{0, 3, "84～103"}, {4, 0, "破路机"}}},
    {"施工现场边界上的噪声级1", "施工现场边界上的噪声级", "表 1.3 施工现场边界上的噪声级(dB(A))", "Picture1",
     "数据来源：《噪声控制工程》 出版日期:2003年07月第1版", 1, 4, 5, {{0, 0, "场地清理"}, {4, 3, "84"}}},
    {"各类工业企业噪声的声级范围1", "各类工业企业噪声的声级范围", "表 1-2 各类工业企业噪声的声级范围", "Picture1",
     "数据来源：《环境噪声控制》 出版日期:2002年10月第1版", 1, 3, 9,
     {{0, 2, "达到 140"}, {3, 2, ""}, {8, 0, "食品、造纸及其他轻工业"}}},
    {"噪声控制措施的降噪效果1", "噪声控制措施的降噪效果", "表 5.3 噪声声学控制措施应用举例", "Picture1",
     "数据来源：《环境噪声控制》 出版日期:2002年10月第1版", 1, 3, 6, {{0, 0, "车间噪声设备多且分散"}, {5, 2, "5～15"}}},
    {"空气污染指数及范围", "空气污染指数范围及相应的空气质量类别", "表 2 空气污染指数范围及相应的空气质量类别", "Image1", "",
     1, 4, 7, {{0, 0, "0～50"}, {0, 3, ""}, {6, 0, ">300"}, {6, 2, "健康人运动耐受力降低，有明显强烈症状，提前出现某些疾病"}}},
    {"燃煤DTH", "燃煤烟气中烟尘占灰分含量的百分数查询", "表4—19 各种炉型 dfh 值表", "Picture1", "", 1, 4, 5,
     {{0, 2, "沸腾炉"}, {2, 3, "0"}, {3, 2, "油炉"}, {4, 1, "25～40"}, {4, 2, ""}}},
    {"秦皇岛码头煤堆起尘量计算公式1", "秦皇岛码头煤堆起尘量计算公式", "秦皇岛码头煤堆起尘量计算公式", "Image1", "", 2, 6,
     4, {{0, 0, "堆煤量(t/a)"}, {2, 3, "196555.95"}, {3, 5, "合计 4.22"}}},
    {"医院耗水量1", "医院耗水量", "", "Picture1", "数据来源：《医院污水处理设计规范》CECS 07：2004", 1, 3, 3,
     {{0, 0, "1  设备比较齐全的大型医院"}, {2, 2, "2.5"}}},
};

TEST(TableTranscription, MatchesTheHandbook)
{
    for (const Expected &e : kTables) {
        SCOPED_TRACE(e.window);
        const ReferenceTable table = tableOf(QString::fromUtf8(e.window));
        ASSERT_FALSE(table.pages.isEmpty());
        EXPECT_EQ(table.caption, QString::fromUtf8(e.caption));
        const auto &first = table.pages.first();
        EXPECT_EQ(referencePlainText(first.titles.value(0)), QString::fromUtf8(e.title));
        EXPECT_EQ(first.picture, QString::fromUtf8(e.picture));
        EXPECT_EQ(table.label.isEmpty() ? table.pages.last().sources.value(0) : table.label, QString::fromUtf8(e.source));
        QList<ReferenceRow> rows;
        for (const auto &page : table.pages) {
            EXPECT_EQ(page.header.size(), e.headerRows);
            EXPECT_EQ(page.columnCount(), e.columns);
            rows += page.body;
        }
        ASSERT_EQ(rows.size(), e.bodyRows);
        for (const Cell &c : e.cells)
            EXPECT_EQ(rows.at(c.row).at(c.column).plainText(), QString::fromUtf8(c.text))
                << "row " << c.row << " column " << c.column;
    }
    ToolRegistry::global().resetInstances();
}

// Its page buttons are checked in the window.
TEST(TableTranscription, PaintTableSplitsAfterItsTenthClass)
{
    const ReferenceTable paint = tableOf(QStringLiteral("各种油漆有机溶剂挥发量表"));
    ASSERT_EQ(paint.pages.size(), 2);
    EXPECT_EQ(paint.pages[0].body.size(), 10);
    EXPECT_EQ(paint.pages[1].titles.value(0), QStringLiteral("（四）各种油漆有机溶剂挥发量表（续表）"));
    for (const auto &page : paint.pages)
        EXPECT_EQ(referencePlainText(page.units.value(0)), QStringLiteral("计量单位：公斤或标米³/吨油漆"));
    ToolRegistry::global().resetInstances();
}

} // namespace
