#pragma once

#include <QAbstractScrollArea>
#include <QString>
#include <algorithm>
#include <vector>

class QMenu;

namespace corvalen {

// A report box for reports that run to many lines (a river profile has up
// to 100,000): the report is kept as lines and only the lines in view are
// laid out and drawn, so showing it costs the same for 20 lines as for
// 100,000. The report is read-only; a user selects with the mouse, Ctrl+A
// selects everything and Ctrl+C or the context menu copies, lines joined by
// LF as a text box gives them. Tab moves the focus on. Screen readers read
// the whole text through the accessible text interface.
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

    // Character positions in shownText().
    int selectionStart() const { return std::min(m_anchor, m_cursor); }
    int selectionEnd() const { return std::max(m_anchor, m_cursor); }
    QString selectedText() const;
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
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QStringView lineText(int line) const;
    int lineHeight() const;
    int lineWidth(int line) const;
    void updateScrollBars();
    void setSelection(int anchor, int cursor);

    QString m_report;
    QString m_text;
    std::vector<int> m_starts;  // where each line starts in m_text
    int m_widest = 0;           // px, the widest line measured so far
    int m_anchor = 0;
    int m_cursor = 0;
    bool m_dragging = false;
};

} // namespace corvalen
