#pragma once

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QString>
#include <algorithm>
#include <vector>

class QMenu;

namespace corvalen {

// A report box for reports that run to many lines (a river profile has up
// to 100,000): the report is kept as lines and only the lines in view are
// laid out and drawn, so showing it costs the same for 20 lines as for
// 100,000. The report is read-only and has a caret, as a read-only text box
// has: the arrows, Home/End (Ctrl+Home/End to the ends of the report) and
// PgUp/PgDn move it, Shift with them selects, and so does the mouse; Ctrl+A
// selects everything and Ctrl+C or the context menu copies the selection,
// lines joined by LF as a text box gives them. Tab moves the focus on.
// Screen readers read the text and follow the caret through the accessible
// text interface.
class LineReportBox : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit LineReportBox(QWidget *parent = nullptr);

    // Replaces the whole report. Lines break at LF, CR and CR LF alike.
    void showReport(const QString &text);
    // The report exactly as given.
    const QString &report() const { return m_report; }
    // What the box shows and copies: the lines joined by LF.
    const QString &shownText() const { return m_text; }
    int lineCount() const { return int(m_starts.size()); }

    // Character positions in shownText(). The caret is the moving end of
    // the selection; the selection is empty when both ends meet.
    int cursorPosition() const { return m_cursor; }
    int selectionStart() const { return std::min(m_anchor, m_cursor); }
    int selectionEnd() const { return std::max(m_anchor, m_cursor); }
    QString selectedText() const;
    // Selects from the anchor to the caret and brings the caret into view.
    void select(int anchor, int cursor);
    void selectAll();
    void copy() const;
    // The position under a point of the viewport, and the box of a
    // character in viewport coordinates.
    int positionAt(const QPoint &point) const;
    QRect characterRect(int position) const;
    void ensureVisible(int position);
    // The line that holds a position, and where that line starts and ends
    // (without its LF).
    int lineOf(int position) const;
    int lineStart(int line) const { return m_starts[size_t(line)]; }
    int lineEnd(int line) const;

    QMenu *createContextMenu();

Q_SIGNALS:
    void selectionChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    enum class Motion;

    QStringView lineText(int line) const;
    int lineHeight() const;
    int lineWidth(int line) const;
    // Distances from the left of the text (px): of a position, and the
    // position of a line nearest to one.
    int offsetOf(int position) const;
    int positionInLine(int line, int offset) const;
    void updateScrollBars();
    void setSelection(int anchor, int cursor);
    void moveCaret(Motion motion, bool extend);
    QRect caretRect() const;
    void restartBlink();

    QString m_report;
    QString m_text;
    std::vector<int> m_starts;  // where each line starts in m_text
    int m_widest = 0;           // px, the widest line measured so far
    int m_anchor = 0;
    int m_cursor = 0;
    // px from the left of the text, where moves up and down aim; -1 when
    // the caret was last put there by anything else.
    int m_goal = -1;
    bool m_dragging = false;
    bool m_caretShown = true;   // the blink's phase
    QBasicTimer m_blink;
};

} // namespace corvalen
