#include "common/forms/message_box.h"

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
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Corvalen"), text, QMessageBox::Ok);
    // A message may name an address or a path the user wants to copy.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

} // namespace corvalen
