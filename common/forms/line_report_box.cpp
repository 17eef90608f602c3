#include "common/forms/line_report_box.h"

#include "common/forms/line_report_accessible.h"

#include <QAccessible>
#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

namespace corvalen {
namespace {

// The room around the text, as a text box leaves it (px).
constexpr int kMargin = 4;

} // namespace

LineReportBox::LineReportBox(QWidget *parent) : QAbstractScrollArea(parent)
{
    installLineReportAccessible();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    m_starts.push_back(0);
}

void LineReportBox::showReport(const QString &text)
{
    const QString old = QAccessible::isActive() ? m_text : QString();
    m_report = text;
    m_text = text;
    if (m_text.contains(u'\r')) {
        m_text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        m_text.replace(u'\r', u'\n');
    }
    m_starts.clear();
    m_starts.reserve(size_t(m_text.count(u'\n')) + 1);
    m_starts.push_back(0);
    int longest = 0, longestLength = -1;
    const QChar *data = m_text.constData();
    const int n = int(m_text.size());
    for (int i = 0; i <= n; ++i) {
        if (i == n || data[i] == u'\n') {
            if (i - m_starts.back() > longestLength) {
                longestLength = i - m_starts.back();
                longest = lineCount() - 1;
            }
            if (i < n)
                m_starts.push_back(i + 1);
        }
    }
    // The most characters is a fair guess at the widest line; a wider one
    // widens the range when it comes into view.
    m_widest = lineWidth(longest);
    m_anchor = m_cursor = 0;
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    updateScrollBars();
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent event(this, 0, old, m_text);
        QAccessible::updateAccessibility(&event);
    }
}

QStringView LineReportBox::lineText(int line) const
{
    return QStringView(m_text).mid(lineStart(line), lineEnd(line) - lineStart(line));
}

int LineReportBox::lineEnd(int line) const
{
    return line + 1 < lineCount() ? m_starts[size_t(line) + 1] - 1 : int(m_text.size());
}

int LineReportBox::lineOf(int position) const
{
    const auto next = std::upper_bound(m_starts.begin(), m_starts.end(), position);
    return int(next - m_starts.begin()) - 1;
}

int LineReportBox::lineHeight() const
{
    return fontMetrics().lineSpacing();
}

int LineReportBox::lineWidth(int line) const
{
    return fontMetrics().horizontalAdvance(lineText(line).toString());
}

void LineReportBox::updateScrollBars()
{
    const QSize view = viewport()->size();
    const int height = lineCount() * lineHeight() + 2 * kMargin;
    verticalScrollBar()->setRange(0, std::max(0, height - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setSingleStep(lineHeight());
    horizontalScrollBar()->setRange(0, std::max(0, m_widest + 2 * kMargin - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    horizontalScrollBar()->setSingleStep(fontMetrics().averageCharWidth() * 2);
}

void LineReportBox::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void LineReportBox::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        int widest = 0;
        for (int line = 0; line < lineCount() && line < 1000; ++line)
            widest = std::max(widest, lineWidth(line));
        m_widest = widest;
        updateScrollBars();
    }
}

void LineReportBox::scrollContentsBy(int, int)
{
    viewport()->update();
}

void LineReportBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    const QFontMetrics metrics = fontMetrics();
    const int height = lineHeight();
    const int top = verticalScrollBar()->value() - kMargin;
    const int left = kMargin - horizontalScrollBar()->value();
    const QRect area = event->rect();
    const int first = std::max(0, (top + area.top()) / height);
    const int last = std::min(lineCount() - 1, (top + area.bottom()) / height);
    const int selStart = selectionStart(), selEnd = selectionEnd();
    const QPalette &colours = palette();
    int widest = m_widest;
    for (int line = first; line <= last; ++line) {
        const QString text = lineText(line).toString();
        const int y = line * height - top;
        const int width = metrics.horizontalAdvance(text);
        widest = std::max(widest, width);
        painter.setPen(colours.color(QPalette::Text));
        painter.drawText(left, y + metrics.ascent(), text);
        const int from = std::max(selStart, lineStart(line)), to = std::min(selEnd, lineEnd(line));
        const bool newlineSelected = selEnd > lineEnd(line) && selStart <= lineEnd(line) && line + 1 < lineCount();
        if (from > to || (from == to && !newlineSelected))
            continue;
        const int x0 = left + metrics.horizontalAdvance(text.left(from - lineStart(line)));
        int x1 = left + metrics.horizontalAdvance(text.left(to - lineStart(line)));
        if (newlineSelected)
            x1 += metrics.averageCharWidth();
        const QRect band(x0, y, x1 - x0, height);
        painter.fillRect(band, colours.brush(QPalette::Highlight));
        painter.save();
        painter.setClipRect(band);
        painter.setPen(colours.color(QPalette::HighlightedText));
        painter.drawText(left, y + metrics.ascent(), text);
        painter.restore();
    }
    if (m_caretShown && hasFocus() && caretRect().intersects(area))
        painter.fillRect(caretRect(), colours.color(QPalette::Text));
    if (widest > m_widest) {
        m_widest = widest;
        updateScrollBars();
    }
}

QRect LineReportBox::caretRect() const
{
    const QRect box = characterRect(m_cursor);
    return QRect(box.left(), box.top(), style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this), box.height());
}

// The caret blinks as a text box's does, and is shown at once after a move.
void LineReportBox::restartBlink()
{
    m_caretShown = true;
    const int flash = QApplication::cursorFlashTime();
    if (hasFocus() && flash > 0)
        m_blink.start(flash / 2, this);
    else
        m_blink.stop();
    viewport()->update(caretRect());
}

void LineReportBox::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_blink.timerId()) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    m_caretShown = !m_caretShown;
    viewport()->update(caretRect());
}

void LineReportBox::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    restartBlink();
}

void LineReportBox::focusOutEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusOutEvent(event);
    m_blink.stop();
    viewport()->update(caretRect());
}

int LineReportBox::positionAt(const QPoint &point) const
{
    const int y = point.y() + verticalScrollBar()->value() - kMargin;
    if (y < 0)
        return 0;
    const int line = std::min(y / lineHeight(), lineCount() - 1);
    return positionInLine(line, point.x() + horizontalScrollBar()->value() - kMargin);
}

int LineReportBox::positionInLine(int line, int offset) const
{
    const QString text = lineText(line).toString();
    const QFontMetrics metrics = fontMetrics();
    // The boundary nearest to the offset.
    int before = 0;
    for (int i = 1; i <= text.size(); ++i) {
        const int after = metrics.horizontalAdvance(text.left(i));
        if (offset < (before + after) / 2)
            return lineStart(line) + i - 1;
        before = after;
    }
    return lineEnd(line);
}

int LineReportBox::offsetOf(int position) const
{
    const int line = lineOf(position);
    return fontMetrics().horizontalAdvance(lineText(line).left(position - lineStart(line)).toString());
}

QRect LineReportBox::characterRect(int position) const
{
    position = std::clamp(position, 0, int(m_text.size()));
    const int line = lineOf(position);
    const int column = position - lineStart(line);
    const QFontMetrics metrics = fontMetrics();
    const int x = kMargin - horizontalScrollBar()->value() + offsetOf(position);
    const int width = column < lineEnd(line) - lineStart(line) ? metrics.horizontalAdvance(m_text.at(position))
                                                               : metrics.averageCharWidth();
    return QRect(x, line * lineHeight() + kMargin - verticalScrollBar()->value(), width, lineHeight());
}

void LineReportBox::ensureVisible(int position)
{
    position = std::clamp(position, 0, int(m_text.size()));
    QRect box = characterRect(position);
    // At an edge of the report the room around the text comes into view too.
    const int line = lineOf(position);
    if (line == 0)
        box.setTop(box.top() - kMargin);
    if (line == lineCount() - 1)
        box.setBottom(box.bottom() + kMargin);
    if (position == lineStart(line))
        box.setLeft(box.left() - kMargin);
    const QRect view = viewport()->rect();
    if (box.top() < 0)
        verticalScrollBar()->setValue(verticalScrollBar()->value() + box.top());
    else if (box.bottom() > view.bottom())
        verticalScrollBar()->setValue(verticalScrollBar()->value() + box.bottom() - view.bottom());
    if (box.left() < 0)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + box.left());
    else if (box.right() > view.right())
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + box.right() - view.right());
}

QString LineReportBox::selectedText() const
{
    return m_text.mid(selectionStart(), selectionEnd() - selectionStart());
}

void LineReportBox::setSelection(int anchor, int cursor)
{
    anchor = std::clamp(anchor, 0, int(m_text.size()));
    cursor = std::clamp(cursor, 0, int(m_text.size()));
    m_goal = -1;
    restartBlink();
    if (anchor == m_anchor && cursor == m_cursor)
        return;
    const int oldStart = selectionStart(), oldEnd = selectionEnd(), oldCursor = m_cursor;
    m_anchor = anchor;
    m_cursor = cursor;
    viewport()->update();
    // A caret that moves with nothing selected changes no selection.
    const bool selectionMoved = (oldStart != oldEnd || selectionStart() != selectionEnd())
                                && (oldStart != selectionStart() || oldEnd != selectionEnd());
    if (selectionMoved)
        Q_EMIT selectionChanged();
    if (!QAccessible::isActive())
        return;
    // A screen reader reads the selection from the one event and follows
    // the caret by the other, as a text box sends them.
    if (selectionMoved) {
        QAccessibleTextSelectionEvent event(this, selectionStart(), selectionEnd());
        event.setCursorPosition(m_cursor);
        QAccessible::updateAccessibility(&event);
    }
    if (oldCursor != m_cursor) {
        QAccessibleTextCursorEvent event(this, m_cursor);
        QAccessible::updateAccessibility(&event);
    }
}

void LineReportBox::select(int anchor, int cursor)
{
    setSelection(anchor, cursor);
    ensureVisible(m_cursor);
}

void LineReportBox::selectAll()
{
    setSelection(0, int(m_text.size()));
}

} // namespace corvalen
