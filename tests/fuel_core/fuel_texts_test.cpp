// The stored basis notes and method texts: line counts, and a few lines whose
// blanks and punctuation a transcription easily loses.
#include "common/files/note_file.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

struct Line
{
    int number;  // from 1
    QString text;
};

struct Case
{
    const char *file;
    int lines;
    std::vector<Line> samples;
};

TEST(FuelTexts, StoredTextsKeepTheirLines)
{
    const QString method1 = QStringLiteral("    按照国家环保总局《关于排污费征收核定有关工作的通知》（环发[2003]64号）中有关排放污染物物料");
    const QString method2 = QStringLiteral("衡算的规定，制定本办法。");
    const Case cases[] = {
        {"flue_gas_basis.txt", 27,
         {{1, "计算依据：编写组编《环境保护"}, {10, "α0 炉膛空气过剩系数参考值："}, {27, "砖烟道(每10米):0.05"}}},
        {"small_furnace_basis.txt", 10,
         {{3, ""}, {4, "如果结果为0的,请检查你的输入!"}, {10, "注：要求煤的灰分小于２５％，含硫率小于１％！"}}},
        {"coal_method.txt", 35,
         {{1, method1}, {2, method2}, {5, "    １、烟尘排放量"}, {8, "    Gsd--烟尘排放量，kg;"},
          {35, "    η3 --燃煤中氮的转化率，%。"}}},
        {"oil_method.txt", 26, {{1, method1}, {2, method2}, {22, "    GNOX=1630×B×（N×η2+0.000938）"}}},
        {"gas_method.txt", 20, {{2, method2}, {3, "    "}, {5, ""}, {14, "    GCO=1.25×V×Q×(VCO+VCH4+13VCmHn)"}}},
    };
    for (const Case &c : cases) {
        const QString text = noteText(QStringLiteral("fuel"), QString::fromLatin1(c.file));
        ASSERT_TRUE(text.endsWith(QLatin1Char('\n'))) << c.file;
        const QStringList lines = text.chopped(1).split(QLatin1Char('\n'));
        EXPECT_EQ(lines.size(), c.lines) << c.file;
        for (const Line &line : c.samples)
            EXPECT_EQ(lines.value(line.number - 1), line.text) << c.file << ", line " << line.number;
    }
}

} // namespace
