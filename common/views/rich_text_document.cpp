#include "common/views/rich_text_document.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <QTextTable>
#include <algorithm>

namespace corvalen {

namespace {

constexpr int kFigureObject = QTextFormat::UserObject + 1;
constexpr int kFigureKind = QTextFormat::UserProperty + 1;
constexpr int kFigureFirst = QTextFormat::UserProperty + 2;
constexpr int kFigureSecond = QTextFormat::UserProperty + 3;
constexpr qreal kScriptScale = 0.7;

QFont scriptFont(const QFont &font, int script)
{
    QFont f = font;
    if (script != 0)
        f.setPointSizeF(font.pointSizeF() * kScriptScale);
    return f;
}

qreal runsWidth(const QString &markup, const QFont &font)
{
    qreal width = 0;
    for (const MarkupRun &run : referenceMarkupRuns(markup))
        width += QFontMetricsF(scriptFont(font, run.script)).horizontalAdvance(run.text);
    return width;
}

// Draws markup runs from x on the baseline, raised and lowered runs smaller.
void drawRuns(QPainter *painter, qreal x, qreal baseline, const QString &markup, const QFont &font)
{
    const QFontMetricsF metrics(font);
    for (const MarkupRun &run : referenceMarkupRuns(markup)) {
        const QFont f = scriptFont(font, run.script);
        const qreal y = run.script > 0 ? baseline - metrics.ascent() * 0.4
                        : run.script < 0 ? baseline + metrics.descent() : baseline;
        painter->setFont(f);
        painter->drawText(QPointF(x, y), run.text);
        x += QFontMetricsF(f).horizontalAdvance(run.text);
    }
}

// Draws the formula figures of a document in its lines: a fraction with its
// rule, a summation sign with its limits.
class FormulaFigures : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    QSizeF intrinsicSize(QTextDocument *document, int, const QTextFormat &format) override
    {
        const QFont font = format.toCharFormat().font().resolve(document->defaultFont());
        const QString first = format.stringProperty(kFigureFirst);
        const QString second = format.stringProperty(kFigureSecond);
        const QFontMetricsF metrics(font);
        if (format.intProperty(kFigureKind) == RichTextPiece::Fraction)
            return QSizeF(qMax(runsWidth(first, font), runsWidth(second, font)) + 6, 2 * metrics.height() + 3);
        const QFont limits = scriptFont(font, 1);
        const QFontMetricsF sign(signFont(font));
        const qreal width = std::max({sign.horizontalAdvance(QStringLiteral("Σ")), runsWidth(first, limits), runsWidth(second, limits)});
        return QSizeF(width + 4, sign.height() + 2 * QFontMetricsF(limits).height());
    }

    void drawObject(QPainter *painter, const QRectF &rect, QTextDocument *document, int, const QTextFormat &format) override
    {
        const QFont font = format.toCharFormat().font().resolve(document->defaultFont());
        const QString first = format.stringProperty(kFigureFirst);
        const QString second = format.stringProperty(kFigureSecond);
        const QFontMetricsF metrics(font);
        painter->save();
        painter->setPen(format.foreground().style() == Qt::NoBrush ? QPen(Qt::black) : QPen(format.foreground().color()));
        auto centred = [&](const QString &markup, const QFont &f) { return rect.left() + (rect.width() - runsWidth(markup, f)) / 2; };
        if (format.intProperty(kFigureKind) == RichTextPiece::Fraction) {
            drawRuns(painter, centred(first, font), rect.top() + metrics.ascent(), first, font);
            const qreal rule = rect.top() + metrics.height() + 1.5;
            painter->drawLine(QPointF(rect.left() + 1, rule), QPointF(rect.right() - 1, rule));
            drawRuns(painter, centred(second, font), rule + 1.5 + metrics.ascent(), second, font);
        } else {
            const QFont limits = scriptFont(font, 1);
            const QFontMetricsF small(limits);
            const QFont big = signFont(font);
            const QFontMetricsF sign(big);
            drawRuns(painter, centred(second, limits), rect.top() + small.ascent(), second, limits);
            painter->setFont(big);
            painter->drawText(QPointF(rect.left() + (rect.width() - sign.horizontalAdvance(QStringLiteral("Σ"))) / 2,
                                      rect.top() + small.height() + sign.ascent()),
                              QStringLiteral("Σ"));
            drawRuns(painter, centred(first, limits), rect.top() + small.height() + sign.height() + small.ascent(), first, limits);
        }
        painter->restore();
    }

private:
    static QFont signFont(const QFont &font)
    {
        QFont f = font;
        f.setPointSizeF(font.pointSizeF() * 1.6);
        return f;
    }
};

void insertRuns(QTextCursor &cursor, const QString &markup, const QTextCharFormat &base)
{
    for (const MarkupRun &run : referenceMarkupRuns(markup)) {
        QTextCharFormat format = base;
        if (run.script > 0)
            format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        else if (run.script < 0)
            format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        QString text = run.text;
        text.replace(QLatin1Char('\n'), QChar::LineSeparator);
        cursor.insertText(text, format);
    }
}

void insertMarkup(QTextCursor &cursor, const QString &markup, const QTextCharFormat &base)
{
    for (const RichTextPiece &piece : richTextPieces(markup)) {
        if (piece.kind == RichTextPiece::Text) {
            insertRuns(cursor, piece.text, base);
            continue;
        }
        QTextCharFormat figure = base;
        figure.setObjectType(kFigureObject);
        figure.setVerticalAlignment(QTextCharFormat::AlignMiddle);
        figure.setProperty(kFigureKind, int(piece.kind));
        figure.setProperty(kFigureFirst, piece.text);
        figure.setProperty(kFigureSecond, piece.second);
        cursor.insertText(QString(QChar::ObjectReplacementCharacter), figure);
    }
}

Qt::Alignment columnAlignment(QChar letter)
{
    if (letter == QLatin1Char('c'))
        return Qt::AlignHCenter;
    if (letter == QLatin1Char('r'))
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

void insertTable(QTextCursor &cursor, const RichTextBlock &block)
{
    const QList<ReferenceRow> rows = block.header + block.body;
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderBrush(Qt::black);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(4);
    format.setHeaderRowCount(int(block.header.size()));
    QTextTable *table = cursor.insertTable(int(rows.size()), int(block.align.size()), format);
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            const ReferenceCell &cell = rows[r][c];
            if (cell.covered)
                continue;
            QTextTableCell tableCell = table->cellAt(r, c);
            QTextCharFormat middle = tableCell.format();
            middle.setVerticalAlignment(QTextCharFormat::AlignMiddle);
            tableCell.setFormat(middle);
            QTextCursor at = tableCell.firstCursorPosition();
            QTextBlockFormat alignment;
            alignment.setAlignment(r < block.header.size() ? Qt::AlignHCenter : columnAlignment(block.align.at(c)));
            at.setBlockFormat(alignment);
            insertMarkup(at, cell.text, QTextCharFormat());
        }
    }
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            if (!rows[r][c].covered && (rows[r][c].rowSpan > 1 || rows[r][c].colSpan > 1))
                table->mergeCells(r, c, rows[r][c].rowSpan, rows[r][c].colSpan);
    cursor = table->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
}

} // namespace

QFont documentFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("DejaVu Serif"), QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC")});
    font.setPointSizeF(10.5);
    return font;
}

void fillTextDocument(QTextDocument *document, const RichTextFile &file)
{
    static FormulaFigures figures;
    document->documentLayout()->registerHandler(kFigureObject, &figures);
    document->clear();
    QTextCursor cursor(document);
    // One edit block: the layout follows once at its end, not after every
    // cell of a long table.
    cursor.beginEditBlock();
    // The block under the cursor is still empty: at the start and after a table.
    bool reuseBlock = true;
    for (const RichTextBlock &block : file.blocks) {
        if (block.kind == RichTextBlock::Table) {
            if (!reuseBlock) {
                cursor.insertBlock(QTextBlockFormat());
            } else if (cursor.position() == 0) {
                // A table cannot open the document: the empty block before
                // it is kept as thin as a line can be.
                QTextBlockFormat thin;
                thin.setLineHeight(1, QTextBlockFormat::FixedHeight);
                cursor.setBlockFormat(thin);
            }
            insertTable(cursor, block);
            reuseBlock = true;
            continue;
        }
        QTextBlockFormat paragraph;
        paragraph.setAlignment(block.kind == RichTextBlock::Title ? Qt::AlignHCenter : Qt::AlignLeft);
        if (block.kind == RichTextBlock::Rule)
            paragraph.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                                  QTextLength(QTextLength::PercentageLength, 100));
        if (reuseBlock)
            cursor.setBlockFormat(paragraph);
        else
            cursor.insertBlock(paragraph);
        reuseBlock = false;
        QTextCharFormat base;
        if (block.kind == RichTextBlock::Title)
            base.setFontWeight(QFont::Bold);
        insertMarkup(cursor, block.text, base);
    }
    cursor.endEditBlock();
}

} // namespace corvalen

#include "rich_text_document.moc"
