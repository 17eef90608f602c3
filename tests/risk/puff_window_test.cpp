// The puff model window with its result and help windows, offscreen.
#include "common/handoff_file.h"
#include "common/result_window.h"
#include "common/tool_registry.h"
#include "message_recorder.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

const QString kModel = QStringLiteral("风险评价之烟团模式");

class PuffWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setHandOffDirectoryOverride(m_dir.path());
        ShowToolWindow(kModel);
        m_window = ToolRegistry::global().existingInstance(kModel)->widget();
    }
    void TearDown() override
    {
        ToolRegistry::global().resetInstances();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        setHandOffDirectoryOverride(QString());
    }
    QLineEdit *box(const char *name) { return m_window->findChild<QLineEdit *>(name); }
    void press(const char *name) { m_window->findChild<QPushButton *>(name)->click(); }
    void type(const char *name, const QString &text)
    {
        box(name)->selectAll();
        QTest::keyClicks(box(name), text);
    }
    ToolWindow *resultWindow()
    {
        return ToolRegistry::global().existingInstance(handOffTarget(HandOffWriter::PuffModel).resultWindow);
    }
    QString resultText()
    {
        ToolWindow *w = resultWindow();
        if (!w || !w->isOpen())
            return QStringLiteral("<closed>");
        return w->widget()->findChild<QPlainTextEdit *>(QStringLiteral("RichTextBox1"))->toPlainText();
    }
    QString filePath() const { return m_dir.filePath(handOffTarget(HandOffWriter::PuffModel).fileName); }

    QTemporaryDir m_dir;
    QWidget *m_window = nullptr;
};

TEST_F(PuffWindow, DesignTimeResults)
{
    press("Command1");
    EXPECT_EQ(box("Text7")->text(), QStringLiteral("0.203904"));
    press("Command4");
    EXPECT_EQ(box("Text16")->text(), QStringLiteral("450.47"));
    auto *bar = m_window->findChild<QProgressBar *>(QStringLiteral("ProgressBar1"));
    EXPECT_TRUE(bar->isVisibleTo(m_window));
    EXPECT_EQ(bar->value(), bar->maximum()) << "the search ends the bar at 100";

    press("Command2");
    const QStringList lines = resultText().split(u'\n');
    ASSERT_EQ(lines.size(), 14) << "header, 11 rows, the closing CR and CR LF";
    EXPECT_EQ(lines[0], QStringLiteral("X=\\c/Y=;y=0;y=100;y=200;y=300;y=400;y=500;y=600;y=700;y=800;y=900;y=1000;"));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("x=0;0.380943;"))) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(";1E-06;")));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("x=1000;1E-06;")));
    EXPECT_TRUE(lines[3].endsWith(QStringLiteral(";1E-08;1E-08;")));
    QFile file(filePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.endsWith("\r\r\n"));
    EXPECT_EQ(bytes.count('\r'), 13);
    EXPECT_EQ(bytes.count('\n'), 1);
}

TEST_F(PuffWindow, SigmaMirrorAndPointLabel)
{
    type("Text2", QStringLiteral("150"));
    EXPECT_EQ(box("Text3")->text(), QStringLiteral("150"));
    type("Text3", QStringLiteral("75"));
    EXPECT_EQ(box("Text2")->text(), QStringLiteral("75"));
    type("Text17", QStringLiteral("50"));
    auto *label = m_window->findChild<QLabel *>(QStringLiteral("Label12"));
    EXPECT_EQ(label->text(), QStringLiteral("200,50,0"));
    box("Text18")->setText(QStringLiteral("abc"));
    EXPECT_EQ(label->text(), QStringLiteral("abc,50,0"));
}

TEST_F(PuffWindow, GridInputChangeResetsTheProgress)
{
    press("Command2");
    auto *bar = m_window->findChild<QProgressBar *>(QStringLiteral("ProgressBar1"));
    EXPECT_EQ(bar->value(), bar->maximum()) << "the last row is the range's end";
    type("Text13", QStringLiteral("3000"));
    EXPECT_EQ(bar->value(), bar->minimum());
    EXPECT_TRUE(bar->isVisibleTo(m_window));
}

TEST_F(PuffWindow, SearchEndingInItsFirstRoundOnlySetsTheBarsValue)
{
    // The axis concentration at 0.01 m is about 0.381: 0.38 is met at once,
    // before any round has set the bar's range and shown it.
    auto *bar = m_window->findChild<QProgressBar *>(QStringLiteral("ProgressBar1"));
    type("Text15", QStringLiteral("0.38"));
    press("Command4");
    EXPECT_EQ(box("Text16")->text(), QStringLiteral("0.01"));
    EXPECT_FALSE(bar->isVisibleTo(m_window)) << "the bar is still the hidden one of the design";

    // After a reset to 0..50 the value 100 does not fit: the bar stays at 0.
    type("Text13", QStringLiteral("50"));
    press("Command4");
    EXPECT_TRUE(bar->isVisibleTo(m_window));
    EXPECT_EQ(bar->value(), bar->minimum());
}

TEST_F(PuffWindow, OpenResultWindowShowsTheNewGridAndDeletesItOnClose)
{
    press("Command2");
    const QString first = resultText();
    type("Text1", QStringLiteral("24000000"));
    press("Command2");
    const QString second = resultText();
    EXPECT_NE(first, second);
    EXPECT_TRUE(second.startsWith(QStringLiteral("X=\\c/Y=;y=0;"))) ;
    EXPECT_TRUE(second.contains(QStringLiteral("x=0;0.761886;"))) << second.left(80).toStdString();
    resultWindow()->close();
    EXPECT_FALSE(QFile::exists(filePath()));
}

TEST_F(PuffWindow, BadInputsAndBounds)
{
    const struct
    {
        const char *box;
        const char *text;
        const char *button;
        const char *result;  // box and expected text, or "" for a message
        const char *resultBox;
    } cases[] = {
        {"Text1", "abc", "Command1", "0", "Text7"},
        {"Text4", "0", "Command1", "0", "Text7"},
        {"Text15", "0", "Command4", "25000M内未找到临界距离", "Text16"},
        {"Text15", "abc", "Command4", "25000M内未找到临界距离", "Text16"},
        {"Text12", "0.5", "Command2", "", ""},
        {"Text11", "-", "Command2", "", ""},
        {"Text13", "1e39", "Command2", "", ""},
    };
    for (const auto &c : cases) {
        ToolRegistry::global().resetInstances();
        QFile::remove(filePath());
        ShowToolWindow(kModel);
        m_window = ToolRegistry::global().existingInstance(kModel)->widget();
        box(c.box)->setText(QString::fromUtf8(c.text));
        MessageRecorder messages;
        press(c.button);
        if (*c.resultBox) {
            EXPECT_EQ(box(c.resultBox)->text(), QString::fromUtf8(c.result)) << c.box << "=" << c.text;
            EXPECT_TRUE(messages.messages.isEmpty());
        } else {
            EXPECT_EQ(messages.messages.size(), 1) << c.box << "=" << c.text;
            EXPECT_FALSE(QFile::exists(filePath())) << c.box << "=" << c.text;
            EXPECT_EQ(resultText(), QStringLiteral("<closed>"));
        }
    }
}

TEST_F(PuffWindow, HelpWindow)
{
    press("Command3");
    ToolWindow *help = ToolRegistry::global().existingInstance(QStringLiteral("风险评价之烟团帮助"));
    ASSERT_TRUE(help && help->isOpen());
    const QString text = help->widget()->findChild<QTextEdit *>(QStringLiteral("RichTextBox1"))->toPlainText();
    const QStringList lines = text.split(u'\n');
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], QStringLiteral("说明："));
    EXPECT_TRUE(lines[5].startsWith(QStringLiteral("    5、下风向临界距离计算时")));
}

} // namespace
