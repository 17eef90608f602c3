// The puff model window with its result and help windows, offscreen.
#include "common/files/handoff_file.h"
#include "common/views/result_window.h"
#include "risk/puff_model_window.h"
#include "common/forms/tool_registry.h"
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
        reopen();
    }
    void TearDown() override
    {
        ToolRegistry::global().resetInstances();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        setHandOffDirectoryOverride(QString());
    }
    void reopen()
    {
        ToolRegistry::global().resetInstances();
        ShowToolWindow(kModel);
        m_window = ToolRegistry::global().existingInstance(kModel)->widget();
        m_bar = m_window->findChild<QProgressBar *>(QStringLiteral("ProgressBar1"));
    }
    QLineEdit *box(const char *name) { return m_window->findChild<QLineEdit *>(name); }
    void press(const char *name) { m_window->findChild<QPushButton *>(name)->click(); }
    void type(const char *name, const QString &text)
    {
        box(name)->selectAll();
        QTest::keyClicks(box(name), text);
    }
    QString resultText()
    {
        ToolWindow *w = ToolRegistry::global().existingInstance(m_target.resultWindow);
        return w && w->isOpen() ? w->widget()->findChild<QPlainTextEdit *>(QStringLiteral("RichTextBox1"))->toPlainText()
                                : QStringLiteral("<closed>");
    }
    QString filePath() const { return m_dir.filePath(m_target.fileName); }

    const HandOffTarget &m_target = puffHandOffTarget();
    QTemporaryDir m_dir;
    QWidget *m_window = nullptr;
    QProgressBar *m_bar = nullptr;
};

TEST_F(PuffWindow, DesignTimeGrid)
{
    // Rows x = 0 and x = 1000 fall to 1E-06 and to the floor 1E-08, the
    // values under 5E-07 written unrounded; from x = 1500 on all are floor.
    press("Command2");
    QFile file(filePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\r');
    ASSERT_EQ(lines.size(), 14) << "header, 11 rows, the closing CR and CR LF";
    EXPECT_EQ(lines[0], "X=\\c/Y=;y=0;y=100;y=200;y=300;y=400;y=500;y=600;y=700;y=800;y=900;y=1000;");
    EXPECT_EQ(lines[1], "x=0;0.380943;0.336181;0.231053;0.123674;0.051555;0.016737;0.004232;0.000833;0.000128;1.5E-05;1E-06;");
    EXPECT_EQ(lines[3], "x=1000;1E-06;1E-06;1E-06;4.608901E-07;1.921276E-07;6.23747E-08;1.577079E-08;"
                        "1E-08;1E-08;1E-08;1E-08;");
    for (int row = 4; row < 12; ++row)
        EXPECT_EQ(lines[row], "x=" + QByteArray::number(500 * (row - 1)) + QByteArray(";1E-08").repeated(11) + ';');
    EXPECT_EQ(lines[12], "");
    EXPECT_EQ(lines[13], "\n");
    EXPECT_TRUE(resultText().startsWith(QStringLiteral("X=\\c/Y=;y=0;")));
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

TEST_F(PuffWindow, ProgressFollowsGridResetAndSearch)
{
    // A search met in its first round (about 0.381 at 0.01 m) sets only the
    // value: the bar stays the hidden one of the design.
    type("Text15", QStringLiteral("0.38"));
    press("Command4");
    EXPECT_EQ(box("Text16")->text(), QStringLiteral("0.01"));
    EXPECT_FALSE(m_bar->isVisibleTo(m_window));

    press("Command2");
    EXPECT_EQ(m_bar->value(), m_bar->maximum()) << "the last row is the range's end";
    type("Text13", QStringLiteral("50"));  // a grid input: back to 0, range 0..50
    EXPECT_TRUE(m_bar->isVisibleTo(m_window));
    EXPECT_EQ(m_bar->value(), m_bar->minimum());
    press("Command4");
    EXPECT_EQ(m_bar->value(), m_bar->minimum()) << "100 does not fit 0..50: the setting is skipped";
    type("Text15", QStringLiteral("0.03"));  // a longer search sets 0..100 first
    press("Command4");
    EXPECT_EQ(m_bar->value(), m_bar->maximum());
}

TEST_F(PuffWindow, OpenResultWindowShowsTheNewGridAndClosingDeletesTheFile)
{
    press("Command2");
    type("Text1", QStringLiteral("24000000"));
    press("Command2");
    EXPECT_TRUE(resultText().startsWith(QStringLiteral("X=\\c/Y=;y=0;")));
    EXPECT_TRUE(resultText().contains(QStringLiteral("x=0;0.761886;"))) << resultText().left(80).toStdString();
    ToolRegistry::global().existingInstance(m_target.resultWindow)->close();
    EXPECT_FALSE(QFile::exists(filePath()));
}

// Each case changes one box of a freshly opened window (or none) and presses
// one button.
TEST_F(PuffWindow, ButtonResultsAndBounds)
{
    const struct { const char *box, *text, *button, *resultBox, *result; } cases[] = {
        {"Text1", "12000000", "Command1", "Text7", "0.203904"},  // design time
        {"Text15", "0.03", "Command4", "Text16", "450.47"},
        {"Text1", "-12000000", "Command1", "Text7", "-0.203904"},
        {"Text1", "abc", "Command1", "Text7", "0"},  // a failed step leaves its factor 0
        {"Text4", "0", "Command1", "Text7", "0"},
        {"Text1", "1e300", "Command1", "Text7", "0"},  // beyond the single range
        {"Text17", "1000000", "Command1", "Text7", "0"},  // underflow
        {"Text15", "abc", "Command4", "Text16", "25000M内未找到临界距离"},
        {"Text12", "0.5", "Command2", nullptr, nullptr},  // one message, no file, no window
        {"Text12", "-500", "Command2", nullptr, nullptr},
        {"Text11", "-", "Command2", nullptr, nullptr},
        {"Text13", "1e39", "Command2", nullptr, nullptr},
    };
    for (const auto &c : cases) {
        reopen();
        QFile::remove(filePath());
        box(c.box)->setText(QString::fromUtf8(c.text));
        MessageRecorder messages;
        press(c.button);
        EXPECT_EQ(messages.messages.size(), c.resultBox ? 0 : 1) << c.box << "=" << c.text;
        if (c.resultBox) {
            EXPECT_EQ(box(c.resultBox)->text(), QString::fromUtf8(c.result)) << c.box << "=" << c.text;
        }
        EXPECT_FALSE(QFile::exists(filePath())) << c.box << "=" << c.text;
        EXPECT_EQ(resultText(), QStringLiteral("<closed>")) << c.box << "=" << c.text;
    }
}

TEST_F(PuffWindow, HelpWindowOpens)
{
    press("Command3");
    ToolWindow *help = ToolRegistry::global().existingInstance(QStringLiteral("风险评价之烟团帮助"));
    ASSERT_TRUE(help && help->isOpen());
    const QString text = help->widget()->findChild<QTextEdit *>(QStringLiteral("RichTextBox1"))->toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("说明：\n"))) << text.toStdString();
}

} // namespace
