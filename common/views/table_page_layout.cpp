#include "common/views/table_page_layout.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

namespace corvalen {

namespace {

// Cell padding across and down, and the page's white margin, in pixels.
constexpr int kPadding = 9;
constexpr int kPaddingDown = 5;
constexpr int kMargin = 16;
// No column is narrower than three characters of the body face.
constexpr int kMinColumnEms = 3;
// Sub- and superscripts are set at this share of their line's size.
constexpr qreal kScriptScale = 0.7;

// Handbook pages are set in a Song (serif) face; Debian's fonts-noto-cjk
// ships one. Elsewhere the platform's serif face stands in.
QString handbookFamily()
{
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        for (const char *name : {"Noto Serif CJK SC", "Source Han Serif SC", "SimSun", "AR PL UMing CN"})
            if (families.contains(QLatin1String(name)))
                return QString::fromLatin1(name);
        return QString();
    }();
    return family;
}

// One face of the page with its metrics and those of its scripts.
struct FaceSet
{
    QFont font;
    QFont script;
    QFontMetrics metrics;
    QFontMetrics scriptMetrics;

    FaceSet(qreal points, bool bold)
        : font(make(points, bold)), script(make(points * kScriptScale, bold)), metrics(font), scriptMetrics(script)
    {
    }
    static QFont make(qreal points, bool bold)
    {
        QFont f(handbookFamily());
        f.setStyleHint(QFont::Serif);
        f.setPointSizeF(points);
        f.setBold(bold);
        return f;
    }
};

// 五号 (10.5 pt) is the body size of handbook tables, 小四 (12 pt) their
// titles, 小五 (9 pt) notes and sources.
const FaceSet &faceSet(int face)
{
    static const FaceSet sets[] = {FaceSet(10.5, false), FaceSet(12, true), FaceSet(10.5, true), FaceSet(9, false)};
    return sets[face];
}

int lineWidth(const QString &markup, int face)
{
    const FaceSet &set = faceSet(face);
    int width = 0;
    for (const MarkupRun &run : referenceMarkupRuns(markup))
        width += (run.script ? set.scriptMetrics : set.metrics).horizontalAdvance(run.text);
    return width;
}

int cellWidth(const QString &markup)
{
    int widest = 0;
    for (const QString &line : markup.split(QLatin1Char('\n')))
        widest = qMax(widest, lineWidth(line, 0));
    return widest;
}

int cellHeight(const QString &markup)
{
    return (markup.count(QLatin1Char('\n')) + 1) * faceSet(0).metrics.lineSpacing() + 2 * kPaddingDown;
}

} // namespace

QList<int> TablePageLayout::columnTextWidths(const ReferencePage &page)
{
    QList<int> widths(page.columnCount(), kMinColumnEms * faceSet(0).metrics.horizontalAdvance(QChar(0x4E00)));
    const QList<ReferenceRow> rows = page.header + page.body;
    for (const ReferenceRow &row : rows)
        for (int c = 0; c < row.size(); ++c)
            if (!row[c].covered && row[c].colSpan == 1)
                widths[c] = qMax(widths[c], cellWidth(row[c].text));
    for (const ReferenceRow &row : rows) {
        for (int c = 0; c < row.size(); ++c) {
            const ReferenceCell &cell = row[c];
            if (cell.covered || cell.colSpan == 1)
                continue;
            int have = (cell.colSpan - 1) * 2 * kPadding;
            for (int k = c; k < c + cell.colSpan; ++k)
                have += widths[k];
            const int missing = cellWidth(cell.text) - have;
            for (int k = 0; missing > 0 && k < cell.colSpan; ++k)
                widths[c + k] += (missing + cell.colSpan - 1) / cell.colSpan;
        }
    }
    return widths;
}

TablePageLayout::TablePageLayout(const ReferencePage &page, const QList<int> &columnWidths)
{
    int tableWidth = 1;
    for (int w : columnWidths)
        tableWidth += w + 2 * kPadding;
    int contentWidth = tableWidth;
    for (const QString &line : page.headings)
        contentWidth = qMax(contentWidth, lineWidth(line, int(Face::Heading)));
    for (const QString &line : page.titles)
        contentWidth = qMax(contentWidth, lineWidth(line, int(Face::Title)));
    for (const QString &line : page.units)
        contentWidth = qMax(contentWidth, lineWidth(line, int(Face::Body)));
    for (const QString &line : page.notes + page.sources)
        contentWidth = qMax(contentWidth, lineWidth(line, int(Face::Small)));
    const int tableLeft = kMargin + (contentWidth - tableWidth) / 2;

    int y = kMargin;
    for (const QString &line : page.headings) {
        addLine(line, Face::Heading, kMargin, contentWidth, Qt::AlignLeft, y);
        y += 6;
    }
    for (const QString &line : page.titles)
        addLine(line, Face::Title, kMargin, contentWidth, Qt::AlignHCenter, y);
    y += 6;
    for (const QString &line : page.units)
        addLine(line, Face::Body, tableLeft, tableWidth, Qt::AlignRight, y);
    y += 2;
    placeCells(page.header, page.align, true, columnWidths, tableLeft, y);
    placeCells(page.body, page.align, false, columnWidths, tableLeft, y);
    y += 6;
    for (const QString &line : page.notes)
        addLine(line, Face::Small, tableLeft, tableWidth, Qt::AlignLeft, y);
    if (!page.sources.isEmpty())
        y += 4;
    for (const QString &line : page.sources)
        addLine(line, Face::Small, kMargin, contentWidth, Qt::AlignRight, y);
    m_size = QSize(contentWidth + 2 * kMargin, y + kMargin);
}

void TablePageLayout::addLine(const QString &markup, Face face, int left, int width, Qt::Alignment align, int &y)
{
    const FaceSet &set = faceSet(int(face));
    const int w = lineWidth(markup, int(face));
    int x = left;
    if (align & Qt::AlignHCenter)
        x = left + (width - w) / 2;
    else if (align & Qt::AlignRight)
        x = left + width - w;
    m_lines.append(Line{markup, QPoint(x, y + set.metrics.ascent()), face});
    y += set.metrics.lineSpacing();
}

void TablePageLayout::placeCells(const QList<ReferenceRow> &rows, const QString &align, bool header,
                                 const QList<int> &columnWidths, int left, int &y)
{
    // Row heights: single cells first, then a merged cell taller than its
    // rows lengthens the last of them.
    QList<int> heights(rows.size(), cellHeight(QString()));
    for (int r = 0; r < rows.size(); ++r)
        for (const ReferenceCell &cell : rows[r])
            if (!cell.covered && cell.rowSpan == 1)
                heights[r] = qMax(heights[r], cellHeight(cell.text));
    for (int r = 0; r < rows.size(); ++r) {
        for (const ReferenceCell &cell : rows[r]) {
            if (cell.covered || cell.rowSpan == 1)
                continue;
            int have = 0;
            for (int k = r; k < r + cell.rowSpan; ++k)
                have += heights[k];
            heights[r + cell.rowSpan - 1] += qMax(0, cellHeight(cell.text) - have);
        }
    }
    QList<int> xs{left};
    for (int w : columnWidths)
        xs.append(xs.last() + w + 2 * kPadding);
    QList<int> ys{y};
    for (int h : heights)
        ys.append(ys.last() + h);

    const int lineSpacing = faceSet(0).metrics.lineSpacing();
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            const ReferenceCell &cell = rows[r][c];
            if (cell.covered)
                continue;
            const QRect box(xs[c], ys[r], xs[c + cell.colSpan] - xs[c], ys[r + cell.rowSpan] - ys[r]);
            m_cells.append(box);
            if (cell.text.isEmpty())
                continue;
            const QStringList lines = cell.text.split(QLatin1Char('\n'));
            int lineY = box.top() + (box.height() - int(lines.size()) * lineSpacing) / 2;
            const QChar a = header ? QLatin1Char('c') : align.at(c);
            const Qt::Alignment alignment = a == QLatin1Char('l') ? Qt::AlignLeft
                                            : a == QLatin1Char('r') ? Qt::AlignRight : Qt::AlignHCenter;
            for (const QString &line : lines)
                addLine(line, Face::Body, box.left() + kPadding, box.width() - 2 * kPadding, alignment, lineY);
        }
    }
    y = ys.last();
}

void TablePageLayout::paint(QPainter &painter) const
{
    painter.fillRect(QRect(QPoint(0, 0), m_size), Qt::white);
    painter.setPen(QPen(Qt::black, 0));
    for (const QRect &box : m_cells)
        painter.drawRect(box);
    for (const Line &line : m_lines) {
        const FaceSet &set = faceSet(int(line.face));
        const int ascent = set.metrics.ascent();
        qreal x = line.origin.x();
        for (const MarkupRun &run : referenceMarkupRuns(line.markup)) {
            const QFontMetrics &metrics = run.script ? set.scriptMetrics : set.metrics;
            // A subscript hangs a quarter of the ascent below the baseline, a
            // superscript rises to the top of the capitals.
            const int shift = run.script < 0 ? ascent / 4 : run.script > 0 ? -(ascent * 2) / 5 : 0;
            painter.setFont(run.script ? set.script : set.font);
            painter.drawText(QPointF(x, line.origin.y() + shift), run.text);
            x += metrics.horizontalAdvance(run.text);
        }
    }
}

QString TablePageLayout::plainText() const
{
    QStringList lines;
    for (const Line &line : m_lines)
        lines.append(referencePlainText(line.markup));
    return lines.join(QLatin1Char('\n'));
}

} // namespace corvalen
