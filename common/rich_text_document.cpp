#include "common/rich_text_document.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace corvalen {

namespace {

void insertMarkup(QTextCursor &cursor, const QString &markup, const QTextCharFormat &base)
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
    document->clear();
    QTextCursor cursor(document);
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
}

} // namespace corvalen
