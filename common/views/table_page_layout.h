#pragma once

#include "common/files/reference_table.h"

#include <QFont>
#include <QList>
#include <QRect>
#include <QSize>

class QPainter;

namespace corvalen {

// A handbook table page placed on paper: every text line and every cell
// rectangle at its pixel position, worked out once from the page and the
// handbook faces, then drawn as often as the window needs.
class TablePageLayout
{
public:
    // `columnWidths`: fixed text widths of the columns, from
    // columnTextWidths() (a continued page passes its first page's widths).
    TablePageLayout(const ReferencePage &page, const QList<int> &columnWidths);

    // Each column as wide as its widest line; a merged cell wider than its
    // columns widens them evenly.
    static QList<int> columnTextWidths(const ReferencePage &page);

    QSize size() const { return m_size; }
    void paint(QPainter &painter) const;
    // Every line the page shows, top to bottom, without markup.
    QString plainText() const;

private:
    enum class Face { Body, Title, Heading, Small };
    struct Line
    {
        QString markup;
        QPoint origin;   // left end of the baseline
        Face face;
    };

    void addLine(const QString &markup, Face face, int left, int width, Qt::Alignment align, int &y);
    void placeCells(const QList<ReferenceRow> &rows, const QString &align, bool header,
                    const QList<int> &columnWidths, int left, int &y);

    QList<Line> m_lines;
    QList<QRect> m_cells;  // ruled rectangles
    QSize m_size;
};

} // namespace corvalen
