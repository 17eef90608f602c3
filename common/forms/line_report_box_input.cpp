#include "common/forms/line_report_box.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextBoundaryFinder>

namespace corvalen {

// Where a key takes the caret.
enum class LineReportBox::Motion {
    PreviousCharacter, NextCharacter, PreviousLine, NextLine, StartOfLine, EndOfLine,
    PreviousPage, NextPage, StartOfReport, EndOfReport
};

void LineReportBox::keyPressEvent(QKeyEvent *event)
{
    // The keys that move the caret, as the desktop binds them for a text
    // box, without Shift and with it (which selects).
    struct CaretKey
    {
        QKeySequence::StandardKey move, select;
        Motion motion;
    };
    using K = QKeySequence;
    static const CaretKey keys[] = {
        {K::MoveToPreviousChar, K::SelectPreviousChar, Motion::PreviousCharacter},
        {K::MoveToNextChar, K::SelectNextChar, Motion::NextCharacter},
        {K::MoveToPreviousLine, K::SelectPreviousLine, Motion::PreviousLine},
        {K::MoveToNextLine, K::SelectNextLine, Motion::NextLine},
        {K::MoveToStartOfLine, K::SelectStartOfLine, Motion::StartOfLine},
        {K::MoveToEndOfLine, K::SelectEndOfLine, Motion::EndOfLine},
        {K::MoveToPreviousPage, K::SelectPreviousPage, Motion::PreviousPage},
        {K::MoveToNextPage, K::SelectNextPage, Motion::NextPage},
        {K::MoveToStartOfDocument, K::SelectStartOfDocument, Motion::StartOfReport},
        {K::MoveToEndOfDocument, K::SelectEndOfDocument, Motion::EndOfReport},
    };
    if (event == QKeySequence::Copy) {
        copy();
        event->accept();
        return;
    }
    if (event == QKeySequence::SelectAll) {
        selectAll();
        event->accept();
        return;
    }
    for (const CaretKey &key : keys) {
        const bool extend = event->matches(key.select);
        if (extend || event->matches(key.move)) {
            moveCaret(key.motion, extend);
            event->accept();
            return;
        }
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void LineReportBox::moveCaret(Motion motion, bool extend)
{
    const int size = int(m_text.size());
    const int line = lineOf(m_cursor);
    // Left and Right without Shift first close a selection at its own end.
    const bool collapse = !extend && selectionStart() != selectionEnd();
    int position = m_cursor;
    int goal = -1;
    switch (motion) {
    case Motion::PreviousCharacter:
        position = collapse ? selectionStart() : std::max(0, m_cursor - 1);
        break;
    case Motion::NextCharacter:
        position = collapse ? selectionEnd() : std::min(size, m_cursor + 1);
        break;
    case Motion::StartOfLine:
        position = lineStart(line);
        break;
    case Motion::EndOfLine:
        position = lineEnd(line);
        break;
    case Motion::StartOfReport:
        position = 0;
        break;
    case Motion::EndOfReport:
        position = size;
        break;
    case Motion::PreviousLine:
    case Motion::NextLine:
    case Motion::PreviousPage:
    case Motion::NextPage: {
        // Up and down keep to the column where the moves began; a page
        // moves the caret and the view together by the lines in view.
        const bool page = motion == Motion::PreviousPage || motion == Motion::NextPage;
        const int rows = page ? std::max(1, viewport()->height() / lineHeight()) : 1;
        const bool back = motion == Motion::PreviousLine || motion == Motion::PreviousPage;
        const int target = std::clamp(line + (back ? -rows : rows), 0, lineCount() - 1);
        goal = m_goal >= 0 ? m_goal : offsetOf(m_cursor);
        position = positionInLine(target, goal);
        if (page)
            verticalScrollBar()->setValue(verticalScrollBar()->value() + (target - line) * lineHeight());
        break;
    }
    }
    setSelection(extend ? m_anchor : position, position);
    m_goal = goal;
    ensureVisible(m_cursor);
}

void LineReportBox::copy() const
{
    if (selectionStart() != selectionEnd())
        QApplication::clipboard()->setText(selectedText());
}

void LineReportBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const int position = positionAt(event->position().toPoint());
    setSelection(event->modifiers() & Qt::ShiftModifier ? m_anchor : position, position);
    m_dragging = true;
}

void LineReportBox::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    const QPoint point = event->position().toPoint();
    setSelection(m_anchor, positionAt(point));
    if (!viewport()->rect().contains(point))
        ensureVisible(m_cursor);
}

void LineReportBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_dragging)
        return;
    m_dragging = false;
    // The desktop's primary selection, as a text box fills it.
    QClipboard *clipboard = QApplication::clipboard();
    if (clipboard->supportsSelection() && selectionStart() != selectionEnd())
        clipboard->setText(selectedText(), QClipboard::Selection);
}

void LineReportBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // The word under the pointer.
    const int position = positionAt(event->position().toPoint());
    const int line = lineOf(position);
    const QString text = lineText(line).toString();
    QTextBoundaryFinder words(QTextBoundaryFinder::Word, text);
    words.setPosition(position - lineStart(line));
    int start = words.isAtBoundary() && words.boundaryReasons() & QTextBoundaryFinder::StartOfItem
                    ? int(words.position()) : int(words.toPreviousBoundary());
    words.setPosition(position - lineStart(line));
    int end = int(words.toNextBoundary());
    if (start < 0)
        start = 0;
    if (end < 0)
        end = int(text.size());
    setSelection(lineStart(line) + start, lineStart(line) + end);
    m_dragging = true;
}

QMenu *LineReportBox::createContextMenu()
{
    // Qt's own captions, so the menu reads as every text box's does.
    auto *menu = new QMenu(this);
    QAction *copyAction = menu->addAction(QCoreApplication::translate("QWidgetTextControl", "&Copy")
                                              + QLatin1Char('\t') + QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText));
    copyAction->setObjectName(QStringLiteral("edit-copy"));
    copyAction->setEnabled(selectionStart() != selectionEnd());
    connect(copyAction, &QAction::triggered, this, &LineReportBox::copy);
    menu->addSeparator();
    QAction *allAction = menu->addAction(QCoreApplication::translate("QWidgetTextControl", "Select All")
                                             + QLatin1Char('\t') + QKeySequence(QKeySequence::SelectAll).toString(QKeySequence::NativeText));
    allAction->setObjectName(QStringLiteral("select-all"));
    allAction->setEnabled(!m_text.isEmpty());
    connect(allAction, &QAction::triggered, this, &LineReportBox::selectAll);
    return menu;
}

void LineReportBox::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

} // namespace corvalen
