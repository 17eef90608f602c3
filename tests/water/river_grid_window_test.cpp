// The four grid river windows with their result windows, offscreen: point
// results through the boxes, the label that follows X and Y, the grid file
// and its result window, refused grids, the progress bar.
#include "common/files/handoff_file.h"
#include "common/forms/tool_registry.h"
#include "message_recorder.h"
#include "window_driver.h"

#include <QCoreApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

const QString kModel2 = QStringLiteral("二维稳态混合模式_河2");
const QString kModel6 = QStringLiteral("二维稳态混合衰减模式_河6");
const QString kModel4 = QStringLiteral("稳态累积流量模式_河4");
const QString kModel8 = QStringLiteral("稳态混合衰减累积流量模式_河8");

// A model window, its hand-off file and its result window.
struct Model
{
    QString window;
    QString fileName;
    QString resultWindow;
};

const Model kModels[] = {
    {kModel2, QStringLiteral("河二模式计算结果.txt"), QStringLiteral("河二模式计算结果")},
    {kModel6, QStringLiteral("河六模式计算结果.txt"), QStringLiteral("河6模式计算结果")},
    {kModel4, QStringLiteral("河四模式计算结果.txt"), QStringLiteral("河四模式计算结果")},
    {kModel8, QStringLiteral("河八模式计算结果.txt"), QStringLiteral("河八模式计算结果")},
};

class RiverGridWindows : public ::testing::Test
{
protected:
    void SetUp() override { setHandOffDirectoryOverride(m_dir.path()); }
    void TearDown() override
    {
        ToolRegistry::global().resetInstances();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        setHandOffDirectoryOverride(QString());
    }
    static QString resultText(const Model &model)
    {
        ToolWindow *w = ToolRegistry::global().existingInstance(model.resultWindow);
        return w && w->isOpen()
                   ? w->widget()->findChild<QPlainTextEdit *>(QStringLiteral("RichTextBox1"))->toPlainText()
                   : QStringLiteral("<closed>");
    }
    QString filePath(const Model &model) const { return m_dir.filePath(model.fileName); }
    QByteArray fileBytes(const Model &model) const
    {
        QFile file(filePath(model));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir m_dir;
};

// Each row opens its window afresh, sets some boxes and presses the point
// button: the boxes reach their quantities, converted as each model does.
TEST_F(RiverGridWindows, PointResults)
{
    const struct { QString window; const char *box, *text, *shown; } cases[] = {
        {kModel2, "Text8", "20", "17.7079"},
        {kModel6, "Text8", "20", "17.6977"},
        {kModel4, "Text8", "2", "30.9091"},
        {kModel8, "Text8", "2", "30.8913"},
        {kModel6, "Text5", "0", "."},       // u: no decay factor
        {kModel6, "Text16", "", "."},       // K1 no number: no decay factor
        {kModel8, "Text4", "", "32.3868"},  // K1 a single: counts 0, no decay
        {kModel2, "Text9", "", ".1"},       // X a single: counts 0
        {kModel8, "Text9", "", "."},        // X a text: the decay fails too
        {kModel4, "Text10", "abc", "35.7825"},
    };
    for (const auto &c : cases) {
        WindowDriver w(c.window);
        w.set(QLatin1String(c.box), QString::fromUtf8(c.text));
        w.press("Command1");
        EXPECT_EQ(w.text("Text11"), QString::fromUtf8(c.shown)) << c.window.toStdString() << " " << c.box;
    }
}

TEST_F(RiverGridWindows, PointLabelFollowsXAndY)
{
    for (const Model &model : kModels) {
        WindowDriver w(model.window);
        EXPECT_EQ(w.text("Label11"), QStringLiteral("C（10，10）（mg/L）："));
        w.type("Text9", QStringLiteral("25"));
        EXPECT_EQ(w.text("Label11"), QStringLiteral("C（25，10）（mg/L）：")) << model.window.toStdString();
        w.set("Text10", QString());
        EXPECT_EQ(w.text("Label11"), QStringLiteral("C（25，）（mg/L）：")) << model.window.toStdString();
        EXPECT_EQ(w.text("Text11"), QString()) << "no computation";
    }
}

// The design-time grid of each model reaches its file and its result
// window; the first row is pinned by the core tests. The bar fills; models
// 4 and 8 empty it on a change of the outfall's distance, models 2 and 6
// leave it as the last grid left it.
TEST_F(RiverGridWindows, DesignTimeGridFileResultWindowAndBar)
{
    for (const Model &model : kModels) {
        WindowDriver w(model.window);
        auto *bar = w.find<QProgressBar>(QStringLiteral("ProgressBar1"));
        EXPECT_TRUE(bar->isVisibleTo(w.window()));
        EXPECT_EQ(bar->value(), bar->minimum()) << "empty at design";
        w.press("Command2");
        const QByteArray bytes = fileBytes(model);
        EXPECT_TRUE(bytes.startsWith("X=\\c/Y=;y=0;y=10;y=20;y=30;y=40;y=50;y=60;y=70;y=80;y=90;y=100;\rx=10;"))
            << model.window.toStdString();
        EXPECT_TRUE(bytes.endsWith(";\r\r\n")) << model.window.toStdString();
        EXPECT_EQ(bytes.count('\r'), 32) << "header, 30 rows, closing CR LF";
        EXPECT_TRUE(resultText(model).startsWith(QStringLiteral("X=\\c/Y=;y=0;")));
        EXPECT_EQ(bar->value(), bar->maximum()) << "full after the last row";
        w.type("Text8", QStringLiteral("5"));
        const bool resets = model.window == kModel4 || model.window == kModel8;
        EXPECT_EQ(bar->value(), resets ? bar->minimum() : bar->maximum()) << model.window.toStdString();
    }
}

// An open result window shows each new grid; closing it deletes the file.
TEST_F(RiverGridWindows, OpenResultWindowReloads)
{
    const Model &model4 = kModels[2];
    WindowDriver w(model4.window);
    w.set("Text12", QStringLiteral("10"));
    w.press("Command2");
    EXPECT_TRUE(resultText(model4).contains(QStringLiteral("x=10;")));
    w.set("Text12", QStringLiteral("110"));
    w.set("Text13", QStringLiteral("0"));
    w.press("Command2");
    EXPECT_TRUE(resultText(model4).contains(QStringLiteral("x=110;")))
        << "the open window reads the new grid";
    EXPECT_FALSE(resultText(model4).contains(QStringLiteral("y=10;")));
    ToolRegistry::global().existingInstance(model4.resultWindow)->close();
    EXPECT_FALSE(QFile::exists(filePath(model4)));
}

// Refused grids: one message, no file, no result window. Grids the loops
// end at once still go to the file.
TEST_F(RiverGridWindows, GridBounds)
{
    const struct { const char *name; const char *box; const char *text; int messages; const char *file; } cases[] = {
        {"XL no number", "Text12", "abc", 1, nullptr},
        {"Xc of 0", "Text14", "0", 1, nullptr},
        {"Xc negative", "Text14", "-100", 1, nullptr},
        {"Yc negative", "Text15", "-10", 1, nullptr},
        {"too many points", "Text14", "0.01", 1, nullptr},
        {"XL below 10", "Text12", "9", 0, "X=\\c/Y=;y=0;y=10;y=20;y=30;y=40;y=50;y=60;y=70;y=80;y=90;y=100;\r\r\n"},
    };
    for (const Model &model : kModels) {
        for (const auto &c : cases) {
            WindowDriver w(model.window);
            QFile::remove(filePath(model));
            w.set(QLatin1String(c.box), QString::fromUtf8(c.text));
            MessageRecorder messages;
            w.press("Command2");
            const std::string name = model.window.toStdString() + " " + c.name;
            EXPECT_EQ(messages.messages.size(), c.messages) << name;
            EXPECT_EQ(fileBytes(model), c.file ? QByteArray(c.file) : QByteArray("<missing>")) << name;
            EXPECT_EQ(resultText(model) == QStringLiteral("<closed>"), c.file == nullptr) << name;
        }
    }
}

// Models 2 and 6 open their help documents; models 4 and 8 have none.
TEST_F(RiverGridWindows, HelpDocuments)
{
    const struct { QString window, help, title; } cases[] = {
        {kModel2, QStringLiteral("河二帮助"), QStringLiteral("河-2\t二维稳态混合模式")},
        {kModel6, QStringLiteral("河6帮助"), QStringLiteral("河-6\t二维稳态混合衰减模式")},
    };
    for (const auto &c : cases) {
        WindowDriver w(c.window);
        ASSERT_TRUE(w.find<QWidget>(QStringLiteral("Command3"))) << c.window.toStdString();
        w.press("Command3");
        ToolWindow *help = ToolRegistry::global().existingInstance(c.help);
        ASSERT_TRUE(help && help->isOpen()) << c.help.toStdString();
        const QString text = WindowDriver(c.help, false).text("OLE1");
        EXPECT_TRUE(text.startsWith(c.title)) << text.left(40).toStdString();
        EXPECT_TRUE(text.endsWith(QStringLiteral("本式要求河流在截面上近似矩形。a+y的范围应在[0,B]中。")));
    }
    for (const QString &window : {kModel4, kModel8}) {
        WindowDriver w(window);
        EXPECT_FALSE(w.find<QWidget>(QStringLiteral("Command3"))) << window.toStdString();
    }
}

} // namespace
