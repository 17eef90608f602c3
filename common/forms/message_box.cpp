#include "common/forms/message_box.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <cstdio>
#include <utility>

namespace corvalen {
namespace {

MessageSink &sink()
{
    static MessageSink s;
    return s;
}

// A message may name an address or a path the user wants to copy: its text
// is selectable by the mouse and, once Tab has reached it, by Shift with the
// arrows; Ctrl+C copies the selection, or the whole message when nothing is
// selected.
class MessageBox : public QMessageBox
{
public:
    explicit MessageBox(const QString &text)
        : QMessageBox(QMessageBox::NoIcon, QStringLiteral("Corvalen"), text, QMessageBox::Ok)
    {
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        if (QLabel *shown = label()) {
            // Tab reaches the text, so that the keyboard can select it.
            shown->setFocusPolicy(Qt::StrongFocus);
            // It would take Ctrl+C and copy nothing without a selection.
            shown->installEventFilter(this);
        }
        // 确定 keeps the focus the box opens with; Tab goes on to the text.
        button(QMessageBox::Ok)->setFocus();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
            copy();
            return true;
        }
        return QMessageBox::eventFilter(watched, event);
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->matches(QKeySequence::Copy))
            copy();
        else
            QMessageBox::keyPressEvent(event);
    }

private:
    QLabel *label() const { return findChild<QLabel *>(QStringLiteral("qt_msgbox_label")); }

    void copy() const
    {
        const QString selected = label() ? label()->selectedText() : QString();
        QGuiApplication::clipboard()->setText(selected.isEmpty() ? text() : selected);
    }
};

} // namespace

MessageSink setMessageSink(MessageSink newSink)
{
    return std::exchange(sink(), std::move(newSink));
}

void showMessage(const QString &text)
{
    if (sink()) {
        sink()(text);
        return;
    }
    // Used by the process-level tests, which start the real program and
    // cannot press OK: the text goes to stderr and counts as dismissed.
    if (qEnvironmentVariableIsSet("CORVALEN_MESSAGES_TO_STDERR")) {
        std::fprintf(stderr, "message: %s\n", text.toUtf8().constData());
        return;
    }
    MessageBox box(text);
    box.exec();
}

} // namespace corvalen
