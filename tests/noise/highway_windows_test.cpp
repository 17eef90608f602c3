// The two highway traffic noise windows driven as a user would: the worked
// examples compared line by line, the options, the warning, the buttons.
#include "message_recorder.h"
#include "qstring_print.h"
#include "window_driver.h"

#include "common/forms/tool_registry.h"

#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTextEdit>
#include <algorithm>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

const QString k2006 = QStringLiteral("公路交通噪声预测1");
const QString k1996 = QStringLiteral("公路交通噪声预测3");

QStringList reportLines(const WindowDriver &w)
{
    return w.text("RichTextBox1").split(u'\n');
}

const QString kDistanceRow2006 =
    QStringLiteral("预测点距公路的距离(米)：    0     20     40     60     80    100    120    140    160    180    200  ");

TEST(Highway2006Window, DefaultsGiveTheWorkedExample)
{
    MessageRecorder messages;
    WindowDriver w(k2006);
    EXPECT_EQ(w.text("RichTextBox1"), QString()) << "nothing before 刷新结果";
    w.press("Command2");
    const QStringList expected = {
        QStringLiteral("XXX高等级公路的参数输入情况：单车道流量为：800辆/h；大、中、小型车的比例为：0.3：0.4：0.3；"
                       "大、中、小型车的流量分别为为：300辆/h、400辆/h、500辆/h。车道宽度为：15米；"
                       "以上参与计算的各参数正确吗?如果不正确，请重新修改对应的参数后，重新计算！"),
        QString(),
        QStringLiteral("XXX高等级公路交通噪声预测结果："),
        QString(),
        kDistanceRow2006,
        QStringLiteral("预测点的预测结果值(dB)：72.14   67.2  64.84  63.21  61.93  60.89  59.99  59.21  58.51  57.89  57.32  "),
        QString(),
        QStringLiteral("其它相关的参数预测情况："),
        QString(),
        QStringLiteral("各种车型在参照点处平均辐射声级：大型车：92.12dB；中型车：88.91dB；小型车：83.5dB；"),
        QString(),
        QStringLiteral("公路交通噪声预测模式适用范围："),
        QString(),
        QStringLiteral("1 公路交通噪声预测模式适用于双向六车道及以下的高速公路、一级公路和二级公路，其他公路可做参考；"),
        QStringLiteral("2 预测点在距噪声等效行车线7.5m 以远处；"),
        QStringLiteral("3 车辆平均行驶速度在48～140km/h 之间。"),
    };
    EXPECT_EQ(reportLines(w), expected);
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST(Highway2006Window, OptionsChangeTheLevels)
{
    struct Case { const char *name; const char *option; const char *at0; const char *at200; };
    const Case cases[] = {
        {"four lanes", "Option7", "73.62", "57.69"},
        {"cement", "Option5", "72.38", "57.56"},
        {"formula speeds", "Option2", "73.25", "58.42"},
    };
    for (const Case &c : cases) {
        MessageRecorder messages;
        WindowDriver w(k2006);
        w.press(QLatin1String(c.option));
        w.press("Command2");
        const QString prefix = QStringLiteral("预测点的预测结果值(dB)：");
        const QStringList row = reportLines(w).value(5).mid(prefix.size()).split(u' ', Qt::SkipEmptyParts);
        ASSERT_EQ(row.size(), 11) << c.name;
        EXPECT_EQ(row.first(), QLatin1String(c.at0)) << c.name;
        EXPECT_EQ(row.last(), QLatin1String(c.at200)) << c.name;
        EXPECT_TRUE(messages.messages.isEmpty()) << c.name;
    }
}

TEST(Highway2006Window, ZeroManualSpeedWarnsThenReports)
{
    const QString warning = QStringLiteral("你选择了手工输入各型车行驶速度，但是各型车的行驶速度中有为0的选项，会导致预测结果不准确！"
                                           "请检查你的车速输入框，重新计算！");
    MessageRecorder messages;
    WindowDriver w(k2006);
    w.press("Option2");
    for (const char *box : {"Text15", "Text17", "Text18"})
        EXPECT_EQ(w.text(box), QStringLiteral("0")) << box;
    w.press("Command2");
    EXPECT_TRUE(messages.messages.isEmpty()) << "formula speeds: the zeros are not read";
    EXPECT_EQ(reportLines(w).value(9), QStringLiteral("各种车型在参照点处平均辐射声级：大型车：94.96dB；中型车：88.83dB；小型车：78.08dB；"));

    w.press("Option1");
    w.press("Command2");
    EXPECT_EQ(messages.messages, QStringList{warning});
    EXPECT_EQ(reportLines(w).value(4), kDistanceRow2006) << "the report is written all the same";

    // A zero in the medium speed alone puts the focus on the large one.
    WindowDriver again(k2006);
    messages.messages.clear();
    again.set("Text17", QStringLiteral("0"));
    again.press("Command2");
    EXPECT_EQ(messages.messages, QStringList{warning});
    EXPECT_EQ(again.window()->focusWidget(), again.find("Text15"));
}

TEST(Highway2006Window, ExplanationsAndClose)
{
    MessageRecorder messages;
    WindowDriver w(k2006);
    w.press("Command5");
    w.press("Command16");
    ASSERT_EQ(messages.messages.size(), 2);
    EXPECT_EQ(messages.messages[0], QStringLiteral("车道宽度为单条行车道的宽度！"));
    EXPECT_TRUE(messages.messages[1].endsWith(QStringLiteral("可根据项目直接影响区相似的公路车辆运行状况分析确定车速！")));
    w.set("Text9", QString());  // the prediction time is not read
    w.press("Command3");
    EXPECT_EQ(w.window(), nullptr);
}

const QStringList kDefaultReport1996 = {
    QString(37, u' ') + QStringLiteral("XXX高速公路有限长路段 2003年预测结果"),
    QStringLiteral("  预测点距公路位置：20.00  30.00  40.00  50.00  60.00  70.00  80.00  100.00  140.00  160.00  250.00  "),
    QStringLiteral("  预测点昼间预测值：81.55  73.44  70.63  68.42  67.01  65.63  64.74   63.11   60.39   59.40   57.19  "),
    QStringLiteral("  预测点夜间预测值：75.74  67.64  64.82  62.62  61.21  59.82  58.94   57.30   54.59   52.98   50.39  "),
};

TEST(Highway1996Window, DefaultsGiveTheWorkedExample)
{
    WindowDriver w(k1996);
    EXPECT_EQ(w.text("RichTextBox1"), QString());
    w.press("Command2");
    EXPECT_EQ(reportLines(w), kDefaultReport1996);
    w.set("Text9", QStringLiteral("abc"));  // the prediction time is not read
    w.press("Command2");
    EXPECT_EQ(reportLines(w), kDefaultReport1996);
}

TEST(Highway1996Window, GroundAndPavementOptions)
{
    auto dayAt20 = [](const char *option) {
        WindowDriver w(k1996);
        if (*option)
            w.press(QLatin1String(option));
        w.press("Command2");
        return reportLines(w).value(2).mid(11, 5);
    };
    EXPECT_EQ(dayAt20(""), QStringLiteral("81.55"));
    EXPECT_EQ(dayAt20("Option5"), QStringLiteral("83.55"));
    EXPECT_GT(dayAt20("Option1"), QStringLiteral("81.55"));
    EXPECT_LT(dayAt20("Option3"), QStringLiteral("81.55"));
    EXPECT_EQ(dayAt20("Option2"), QStringLiteral("81.55"));
}

TEST(Highway1996Window, AFailingInputClearsTheReport)
{
    WindowDriver w(k1996);
    w.press("Command2");
    w.set("Text11", QStringLiteral("0"));
    w.press("Command2");
    EXPECT_EQ(w.text("RichTextBox1"), QString());
    w.set("Text11", QStringLiteral("150"));
    w.press("Command2");
    EXPECT_EQ(reportLines(w), kDefaultReport1996);
}

// 帮    助 opens the model's text, once: a second press brings the same
// window forward.
TEST(Highway1996Window, HelpOpensTheModelText)
{
    const QString help = QStringLiteral("公路噪声预测帮助文档3");
    WindowDriver w(k1996);
    w.press("Command1");
    ToolWindow *opened = ToolRegistry::global().existingInstance(help);
    ASSERT_NE(opened, nullptr);
    ASSERT_TRUE(opened->isOpen());
    EXPECT_EQ(opened->widget()->windowTitle(), QStringLiteral("公路噪声预测帮助文档 JTJ 005-96"));
    auto *box = opened->widget()->findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
    ASSERT_NE(box, nullptr);
    // The title stands over the text, outside it, so that it never scrolls away.
    auto *title = opened->widget()->findChild<QLabel *>(QStringLiteral("Label1"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), QStringLiteral("公路噪声预测帮助文档"));
    EXPECT_LE(title->geometry().bottom(), box->geometry().top());
    const QString text = box->toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("1.1.1\t交通部公路模型\n"))) << "the text begins with its first heading";
    const char *headings[] = {"1.1.1\t交通部公路模型", "1.1.1.1\t模型概述", "1.1.1.2\t预测模型",
                              "1.1.1.3\t平均行驶速度的计算", "1.1.1.4\t其它参数的计算"};
    qsizetype from = 0;
    for (const char *heading : headings) {
        const qsizetype at = text.indexOf(QString::fromUtf8(heading), from);
        EXPECT_GT(at, from - 1) << heading << " in order";
        from = std::max(at, from);
    }
    for (const char *formula : {"(5.3.1-1)", "(B4-2)", "(E1-7)"})
        EXPECT_TRUE(text.contains(QStringLiteral("............") + QLatin1String(formula))) << formula;
    w.press("Command1");
    EXPECT_EQ(ToolRegistry::global().existingInstance(help), opened);
}

} // namespace
