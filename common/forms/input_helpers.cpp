#include "common/forms/input_helpers.h"

#include "common/forms/message_box.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace corvalen {
namespace {

// The character a key types as the box's key-press sees it, or a null QChar
// for a key that types nothing (arrows, Delete, Home, function keys, Tab,
// which moves the focus). Backspace, Enter, Escape and Ctrl with a letter or
// bracket type their control characters.
QChar typedCharacter(const QKeyEvent *event, bool *several)
{
    *several = false;
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return QChar();
    case Qt::Key_Backspace:
        return QChar(0x08);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QChar(0x0D);
    case Qt::Key_Escape:
        return QChar(0x1B);
    default:
        break;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) {
        const int key = event->key();
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return QChar(key - Qt::Key_A + 1);
        if (key == Qt::Key_BracketLeft || key == Qt::Key_Backslash || key == Qt::Key_BracketRight)
            return QChar(0x1B + (key - Qt::Key_BracketLeft));
        return QChar();
    }
    const QString text = event->text();
    if (text.size() > 1)
        *several = true;
    return text.isEmpty() ? QChar() : text[0];
}

int selectionStartOf(const QLineEdit *box)
{
    return box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
}

// Judges a text committed by an input method as if its characters were
// typed one after another at the selection's start.
QStringView judgeCommit(const QLineEdit *box, const QString &commit)
{
    QString text = box->text();
    int position = selectionStartOf(box);
    for (QChar c : commit) {
        const QStringView message = FilterNumericKey(c, text, position);
        if (!message.isEmpty())
            return message;
        text.insert(position++, c);
    }
    return {};
}

class NumericKeyFilter : public QObject
{
public:
    explicit NumericKeyFilter(QLineEdit *box) : QObject(box), m_box(box) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        QStringView message;
        if (event->type() == QEvent::KeyPress) {
            bool several = false;
            const QChar c = typedCharacter(static_cast<QKeyEvent *>(event), &several);
            if (c.isNull())
                return false;
            message = several ? kNotNumericMessage
                              : FilterNumericKey(c, m_box->text(), selectionStartOf(m_box));
        } else if (event->type() == QEvent::InputMethod) {
            // A composition is not shown in the box: its start would delete
            // the selected text before any character was judged. Only the
            // committed text counts, as typed keys do.
            const auto *input = static_cast<QInputMethodEvent *>(event);
            if (input->commitString().isEmpty())
                return !input->preeditString().isEmpty();
            message = judgeCommit(m_box, input->commitString());
        }
        if (message.isEmpty())
            return false;
        // The key is dropped first; the box shows nothing of it while the
        // message is up.
        showMessage(message.toString());
        return true;
    }

private:
    QLineEdit *m_box;
};

class SelectAllFilter : public QObject
{
public:
    explicit SelectAllFilter(QLineEdit *box) : QObject(box), m_box(box) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::FocusIn: {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            const bool returning = m_keptFocus && isWindowLevel(reason);
            m_keptFocus = false;
            // The focus that comes back when a message box, a popup menu or
            // another program lets go of the window never left the box
            // within its window: it is no new focus.
            if (returning)
                return false;
            // A click places the caret after the focus arrives, so a focus
            // by mouse is selected once that click has been handled.
            if (reason == Qt::MouseFocusReason) {
                m_selectAfterPress = true;
            } else {
                m_box->selectAll();
            }
            return false;
        }
        case QEvent::FocusOut:
            m_selectAfterPress = false;
            m_keptFocus = isWindowLevel(static_cast<QFocusEvent *>(event)->reason());
            return false;
        case QEvent::MouseButtonPress:
            if (!m_selectAfterPress)
                return false;
            m_selectAfterPress = false;
            static_cast<QObject *>(m_box)->event(event);
            m_box->selectAll();
            return true;
        default:
            return false;
        }
    }

private:
    // The focus moves to or from another window (or a popup menu), while
    // the box stays the focus of its own window.
    static bool isWindowLevel(Qt::FocusReason reason)
    {
        return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
    }

    QLineEdit *m_box;
    bool m_selectAfterPress = false;
    bool m_keptFocus = false;  // the last focus out was a window-level one
};

} // namespace

QStringView FilterNumericKey(QChar c, QStringView text, int selectionStart)
{
    if (c >= u'0' && c <= u'9')
        return {};
    if (c == u'.')
        return text.contains(u'.') ? kSecondPointMessage : QStringView();
    if (c == u'-')
        return selectionStart != 0 || text.contains(u'-') ? kNotNumericMessage : QStringView();
    return kNotNumericMessage;
}

void attachNumericFilter(QLineEdit *box)
{
    box->installEventFilter(new NumericKeyFilter(box));
}

void attachSelectAllOnFocus(QLineEdit *box)
{
    box->installEventFilter(new SelectAllFilter(box));
}

void ShowExplanation(QStringView text)
{
    showMessage(text.toString());
}

} // namespace corvalen
