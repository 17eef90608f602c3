// The keystroke filter and select-all, driven by real key, input-method and
// mouse events on real line edits.
#include "common/forms/input_helpers.h"
#include "message_recorder.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

using namespace corvalen;

namespace {

const QString kPoint = kSecondPointMessage.toString();
const QString kOther = kNotNumericMessage.toString();

class FilteredBoxes : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_window = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(m_window.get());
        for (QLineEdit **box : {&m_first, &m_second}) {
            *box = new QLineEdit(m_window.get());
            attachNumericFilter(*box);
            attachSelectAllOnFocus(*box);
            layout->addWidget(*box);
        }
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        m_first->setFocus();
    }

    void commit(QLineEdit *box, const QString &text)
    {
        QInputMethodEvent preedit(text, {});
        QCoreApplication::sendEvent(box, &preedit);
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(box, &event);
    }

    std::unique_ptr<QWidget> m_window;
    QLineEdit *m_first = nullptr;
    QLineEdit *m_second = nullptr;
    MessageRecorder m_messages;
};

TEST_F(FilteredBoxes, TypedKeysPassOrAreDroppedWithTheirMessage)
{
    struct Case
    {
        const char *name;
        QString start;
        int caret;
        std::function<void(QLineEdit *)> type;
        QString after;
        QStringList messages;
    };
    const Case cases[] = {
        {"digits and one point", "", 0, [](QLineEdit *b) { QTest::keyClicks(b, "12.5"); }, "12.5", {}},
        {"a second point", "12.5", 4, [](QLineEdit *b) { QTest::keyClick(b, '.'); }, "12.5", {kPoint}},
        {"a first minus", "", 0, [](QLineEdit *b) { QTest::keyClick(b, '-'); }, "-", {}},
        {"a second minus", "-", 1, [](QLineEdit *b) { QTest::keyClick(b, '-'); }, "-", {kOther}},
        {"a minus after a digit", "5", 1, [](QLineEdit *b) { QTest::keyClick(b, '-'); }, "5", {kOther}},
        {"a minus before digits", "5", 0, [](QLineEdit *b) { QTest::keyClick(b, '-'); }, "-5", {}},
        {"a minus into a box holding one", "-5", 0, [](QLineEdit *b) { QTest::keyClick(b, '-'); }, "-5", {kOther}},
        {"a letter", "7", 1, [](QLineEdit *b) { QTest::keyClick(b, 'a'); }, "7", {kOther}},
        {"a blank", "7", 1, [](QLineEdit *b) { QTest::keyClick(b, Qt::Key_Space); }, "7", {kOther}},
        {"backspace", "7", 1, [](QLineEdit *b) { QTest::keyClick(b, Qt::Key_Backspace); }, "7", {kOther}},
        {"enter", "7", 1, [](QLineEdit *b) { QTest::keyClick(b, Qt::Key_Return); }, "7", {kOther}},
        {"keypad enter", "7", 1, [](QLineEdit *b) { QTest::keyClick(b, Qt::Key_Enter, Qt::KeypadModifier); }, "7", {kOther}},
        {"escape", "7", 1, [](QLineEdit *b) { QTest::keyClick(b, Qt::Key_Escape); }, "7", {kOther}},
        {"ctrl+a", "78", 2, [](QLineEdit *b) { QTest::keyClick(b, Qt::Key_A, Qt::ControlModifier); }, "78", {kOther}},
        {"ctrl+v", "7", 1, [](QLineEdit *b) { QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier); }, "7", {kOther}},
        {"keypad digit", "7", 1, [](QLineEdit *b) { QTest::keyClick(b, Qt::Key_3, Qt::KeypadModifier); }, "73", {}},
        {"delete still deletes", "123", 0, [](QLineEdit *b) { QTest::keyClick(b, Qt::Key_Delete); }, "23", {}},
        {"arrows move", "12", 2, [](QLineEdit *b) { QTest::keyClick(b, Qt::Key_Left); QTest::keyClick(b, '0'); }, "102", {}},
        {"commit of Chinese text", "7", 1, [this](QLineEdit *b) { commit(b, QStringLiteral("二氧化硫")); }, "7", {kOther}},
        {"commit of a digit", "7", 1, [this](QLineEdit *b) { commit(b, QStringLiteral("5")); }, "75", {}},
        {"commit of a second point", "7.", 2, [this](QLineEdit *b) { commit(b, QStringLiteral(".")); }, "7.", {kPoint}},
        {"commit of digits then a letter", "7", 1, [this](QLineEdit *b) { commit(b, QStringLiteral("5x")); }, "7", {kOther}},
    };
    for (const Case &c : cases) {
        m_first->setText(c.start);
        m_first->setCursorPosition(c.caret);
        m_messages.messages.clear();
        c.type(m_first);
        EXPECT_EQ(m_first->text(), c.after) << c.name;
        EXPECT_EQ(m_messages.messages, c.messages) << c.name;
    }
}

// A point is judged by the whole text, not by what would replace the
// selection; an input method's composition leaves the selected text alone.
TEST_F(FilteredBoxes, ASelectedTextIsNeitherReplacedByARefusedKeyNorByAComposition)
{
    m_first->setText(QStringLiteral("3.14"));
    m_first->selectAll();
    QTest::keyClick(m_first, '.');
    EXPECT_EQ(m_first->text(), QStringLiteral("3.14"));
    EXPECT_EQ(m_first->selectedText(), QStringLiteral("3.14"));
    EXPECT_EQ(m_messages.messages, QStringList{kPoint});

    m_messages.messages.clear();
    QInputMethodEvent preedit(QStringLiteral("er"), {});
    QCoreApplication::sendEvent(m_first, &preedit);
    EXPECT_EQ(m_first->text(), QStringLiteral("3.14"));
    EXPECT_EQ(m_first->selectedText(), QStringLiteral("3.14"));
    commit(m_first, QStringLiteral("二"));
    EXPECT_EQ(m_first->text(), QStringLiteral("3.14"));
    EXPECT_EQ(m_messages.messages, QStringList{kOther});
}

TEST_F(FilteredBoxes, EachBoxIsJudgedByItsOwnText)
{
    m_first->setText(QStringLiteral("1.5"));
    m_second->setFocus();
    QTest::keyClicks(m_second, "2.5");
    EXPECT_EQ(m_second->text(), QStringLiteral("2.5"));
    EXPECT_TRUE(m_messages.messages.isEmpty());
}

TEST_F(FilteredBoxes, APasteFromTheContextMenuPassesUnjudged)
{
    m_first->setText(QStringLiteral("1"));
    m_first->setCursorPosition(1);
    QApplication::clipboard()->setText(QStringLiteral("x.5.-"));
    std::unique_ptr<QMenu> menu(m_first->createStandardContextMenu());
    QAction *paste = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->text().startsWith(QStringLiteral("粘贴")))
            paste = action;
    }
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    EXPECT_EQ(m_first->text(), QStringLiteral("1x.5.-"));
    EXPECT_TRUE(m_messages.messages.isEmpty());
}

TEST_F(FilteredBoxes, FocusSelectsTheWholeTextOfThatBoxOnly)
{
    m_first->setText(QStringLiteral("100"));
    m_second->setText(QStringLiteral("25"));
    m_second->setFocus(Qt::TabFocusReason);
    m_first->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(m_first->selectionStart(), 0);
    EXPECT_EQ(m_first->selectedText(), QStringLiteral("100"));
    EXPECT_FALSE(m_second->hasSelectedText());

    // A click into the other box gives it the focus and selects it whole,
    // although the click itself places the caret.
    QTest::mouseClick(m_second, Qt::LeftButton, {}, QPoint(4, m_second->height() / 2));
    EXPECT_TRUE(m_second->hasFocus());
    EXPECT_EQ(m_second->selectedText(), QStringLiteral("25"));
    // A second click into the focused box only places the caret.
    QTest::mouseClick(m_second, Qt::LeftButton, {}, QPoint(4, m_second->height() / 2));
    EXPECT_FALSE(m_second->hasSelectedText());

    m_first->clear();
    m_first->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(m_first->hasSelectedText());
}

// While a real message box is up its window is the active one; when it
// closes, the desktop gives the tool window back its activation and the box
// its focus. That returning focus is no new focus: the refused key leaves
// the box's text, selection and caret as they were.
TEST_F(FilteredBoxes, ARefusedKeysMessageLeavesSelectionAndCaretAlone)
{
    setMessageSink([this](const QString &text) {
        m_messages.messages.append(text);
        QDialog box(m_window.get());
        box.show();
        QApplication::setActiveWindow(&box);
        box.hide();
        QApplication::setActiveWindow(m_window.get());
    });
    m_first->setText(QStringLiteral("12.5"));
    m_first->setCursorPosition(4);
    QTest::keyClick(m_first, '.');
    EXPECT_EQ(m_messages.messages, QStringList{kPoint});
    EXPECT_TRUE(m_first->hasFocus());
    EXPECT_EQ(m_first->text(), QStringLiteral("12.5"));
    EXPECT_FALSE(m_first->hasSelectedText());
    EXPECT_EQ(m_first->cursorPosition(), 4);

    // Nor does a context menu opened and closed again select the text.
    std::unique_ptr<QMenu> menu(m_first->createStandardContextMenu());
    QTimer::singleShot(50, menu.get(), &QMenu::close);
    menu->exec(m_first->mapToGlobal(QPoint(2, 2)));
    QApplication::setActiveWindow(m_window.get());  // as the desktop does
    EXPECT_TRUE(m_first->hasFocus());
    EXPECT_FALSE(m_first->hasSelectedText());
    EXPECT_EQ(m_first->cursorPosition(), 4);
}

TEST(ShowExplanation, ShowsTheTextAsItIs)
{
    MessageRecorder messages;
    ShowExplanation(kZeroResultNoteCoalDust);
    ShowExplanation(kZeroResultNoteFixedRoofTank);
    ASSERT_EQ(messages.messages.size(), 2);
    EXPECT_TRUE(messages.messages[0].startsWith(QStringLiteral(" 当计算结果为0或未知时,")));
    EXPECT_TRUE(messages.messages[1].endsWith(QStringLiteral("参数！")));
}

} // namespace
