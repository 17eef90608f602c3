// Opens every registered window offscreen and plays a fixed-seed series of
// hostile inputs at it: typed, set by code and pasted; presses every button,
// chooses every list item, clicks every option and check box. No crash, no
// round over two seconds, and no box may ever show the C++ library's own
// texts of infinite or undefined values. Every step of every form window
// also runs once on its design texts.
#include "common/forms/desktop.h"
#include "common/forms/form_window.h"
#include "common/forms/tool_registry.h"
#include "every_window.h"
#include "message_recorder.h"
#include "window_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>
#include <random>

using namespace corvalen;

namespace {

const QStringList &hostileInputs()
{
    static const QStringList inputs = {
        QString(), QStringLiteral("   "), QStringLiteral("-"), QStringLiteral("."),
        QStringLiteral("1e39"), QStringLiteral("1e309"), QStringLiteral("-0"),
        QString(5000, QLatin1Char('9')), QStringLiteral("二氧化硫"),
        QStringLiteral("\x01\t\n\x7f\r"), QStringLiteral("0"), QStringLiteral("-1e-45"),
        QStringLiteral("1,000.5"), QStringLiteral("&H7FFF"), QStringLiteral("99999999"),
    };
    return inputs;
}

const QRegularExpression &libraryTexts()
{
    static const QRegularExpression re(QStringLiteral("(?<![A-Za-z])(inf|infinity|nan)(?![A-Za-z])"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

// Every text a user can read in the program's windows.
QString findLibraryText()
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        QStringList texts;
        for (auto *w : top->findChildren<QLineEdit *>())
            texts << w->text();
        for (auto *w : top->findChildren<QLabel *>())
            texts << w->text();
        for (auto *w : top->findChildren<QTextEdit *>())
            texts << w->toPlainText();
        for (auto *w : top->findChildren<QPlainTextEdit *>())
            texts << w->toPlainText();
        for (const QString &t : texts) {
            if (libraryTexts().match(t).hasMatch())
                return top->objectName() + QStringLiteral(": ") + t.left(200);
        }
    }
    return QString();
}

// A round takes at most two seconds; the sanitizers' instrumentation slows
// every step several times over, so their builds allow five times as long.
#ifdef CORVALEN_SANITIZED
constexpr qint64 kRoundLimitMs = 10000;
#else
constexpr qint64 kRoundLimitMs = 2000;
#endif

class Robustness : public EveryWindowTest
{
protected:
    QWidget *open()
    {
        ShowToolWindow(m_name);
        ToolWindow *w = ToolRegistry::global().existingInstance(m_name);
        return w ? w->widget() : nullptr;
    }

    void enter(QLineEdit *edit, const QString &text, std::mt19937 &rng)
    {
        if (!edit->isEnabled() || edit->isReadOnly())
            return;
        switch (rng() % 3) {
        case 0:
            edit->setText(text);
            break;
        case 1:
            edit->selectAll();
            typeText(edit, text.left(40));
            break;
        default:
            QGuiApplication::clipboard()->setText(text);
            edit->selectAll();
            edit->paste();
            break;
        }
    }

    // One round: the text into every box, then every list item and every
    // button; it ends early when a button closed the window.
    void round(const QString &text, std::mt19937 &rng)
    {
        QPointer<QWidget> window = open();
        ASSERT_TRUE(window) << "window did not open";
        for (QLineEdit *edit : window->findChildren<QLineEdit *>()) {
            QPointer<QLineEdit> guard(edit);
            enter(edit, text, rng);
            if (!window)
                return;
        }
        for (QPlainTextEdit *edit : window->findChildren<QPlainTextEdit *>())
            if (!edit->isReadOnly())
                edit->setPlainText(text);
        for (QComboBox *combo : window->findChildren<QComboBox *>()) {
            QPointer<QComboBox> guard(combo);
            for (int i = 0; guard && i < combo->count(); ++i) {
                combo->setCurrentIndex(i);
                Q_EMIT combo->activated(i);
            }
            if (guard && combo->isEditable())
                combo->setEditText(text);
            if (!window)
                return;
        }
        QList<QPointer<QAbstractButton>> buttons;
        for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
            buttons << b;
        std::shuffle(buttons.begin(), buttons.end(), rng);
        for (const QPointer<QAbstractButton> &b : buttons) {
            if (!window)
                return;
            if (b && b->isVisible() && b->isEnabled())
                b->click();
        }
    }

    QString m_name;
};

TEST_P(Robustness, HostileInputs)
{
    m_name = QString::fromStdString(GetParam());
    MessageRecorder messages;
    std::mt19937 rng(20261209u);
    // What is typed never widens a window beyond the screen (or beyond the
    // width it opened with, on a screen smaller than its design).
    QWidget *first = open();
    ASSERT_TRUE(first);
    const int widest = std::max(first->width(), first->screen()->availableGeometry().width());
    for (const QString &text : hostileInputs()) {
        QElapsedTimer timer;
        timer.start();
        round(text, rng);
        if (HasFatalFailure())
            return;
        const qint64 ms = timer.elapsed();
        EXPECT_LT(ms, kRoundLimitMs) << GetParam() << ": round with input of " << text.size() << " characters";
        const QString shown = findLibraryText();
        EXPECT_TRUE(shown.isEmpty()) << GetParam() << " shows " << shown.toStdString();
        if (!shown.isEmpty())
            return;
        if (ToolWindow *w = ToolRegistry::global().existingInstance(m_name); w && w->isOpen()) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            EXPECT_LE(w->widget()->width(), widest) << GetParam() << ": after input of " << text.size() << " characters";
        }
    }
}

// Every step of a form window runs once on the window's design texts, from a
// fresh opening: a step that names a control the window lacks stops the
// program here, whatever event would run it.
TEST_P(Robustness, EveryStepRunsOnTheDesignTexts)
{
    m_name = QString::fromStdString(GetParam());
    MessageRecorder messages;
    ToolRegistry &registry = ToolRegistry::global();
    auto *form = dynamic_cast<FormWindow *>(registry.instance(m_name));
    if (!form)
        GTEST_SKIP() << "not a form window";
    QStringList steps;
    for (const auto &entry : form->spec().steps)
        steps << entry.first;
    for (const QString &step : steps) {
        registry.resetInstances();
        form = dynamic_cast<FormWindow *>(registry.instance(m_name));
        ASSERT_TRUE(open()) << GetParam();
        form->run({step});
        const QString shown = findLibraryText();
        EXPECT_TRUE(shown.isEmpty()) << GetParam() << ", step " << step.toStdString() << " shows "
                                     << shown.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, Robustness, ::testing::ValuesIn(registeredWindowNames()),
                         [](const ::testing::TestParamInfo<std::string> &info) {
                             return "window" + std::to_string(info.index);
                         });

} // namespace
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(Robustness);
