#include "common/files/rich_text.h"

#include "common/files/data_file.h"

#include <QRegularExpression>

namespace corvalen {

namespace {

using Failure = DataFileFailure;

struct TableLines
{
    QList<int> header;
    QList<int> body;
};

// Reads the brace group that opens at `pos`; answers the position after it,
// or -1 when it is not closed.
int braceGroup(const QString &markup, int pos, QString *content)
{
    if (pos >= markup.size() || markup.at(pos) != QLatin1Char('{'))
        return -1;
    int depth = 0;
    for (int i = pos; i < markup.size(); ++i) {
        if (markup.at(i) == QLatin1Char('{'))
            ++depth;
        else if (markup.at(i) == QLatin1Char('}') && --depth == 0) {
            *content = markup.mid(pos + 1, i - pos - 1);
            return i + 1;
        }
    }
    return -1;
}

// Checks a text's markup, figures included.
void checkRichTextMarkup(const QString &markup, int line)
{
    QString error;
    const QList<RichTextPiece> pieces = richTextPieces(markup, &error);
    if (!error.isEmpty())
        throw Failure{line, error};
    for (const RichTextPiece &piece : pieces) {
        checkDataMarkup(piece.text, line);
        checkDataMarkup(piece.second, line);
    }
}

RichTextFile parse(const QString &text)
{
    RichTextFile file;
    QList<TableLines> tableLines;  // one per block
    bool completeGiven = false;
    for (const DataFileLine &l : dataFileLines(text)) {
        auto fail = [&](const QString &why) { throw Failure{l.number, why}; };
        auto once = [&](QString &field) {
            if (!file.blocks.isEmpty())
                fail(l.key + QStringLiteral(" after the text has begun"));
            if (!field.isEmpty())
                fail(l.key + QStringLiteral(" given twice"));
            if (l.value.isEmpty())
                fail(l.key + QStringLiteral(" is empty"));
            field = l.value;
        };
        RichTextBlock *last = file.blocks.isEmpty() ? nullptr : &file.blocks.last();
        if (l.key == QLatin1String("window")) {
            once(file.window);
        } else if (l.key == QLatin1String("caption")) {
            once(file.caption);
        } else if (l.key == QLatin1String("frame")) {
            once(file.frame);
        } else if (l.key == QLatin1String("label")) {
            once(file.label);
        } else if (l.key == QLatin1String("heading")) {
            once(file.heading);
        } else if (l.key == QLatin1String("notice")) {
            once(file.notice);
        } else if (l.key == QLatin1String("complete")) {
            if (completeGiven || !file.blocks.isEmpty())
                fail(QStringLiteral("complete takes yes or no, once, before the text"));
            file.complete = completeFlag(l);
            completeGiven = true;
        } else if (l.key == QLatin1String("size")) {
            static const QRegularExpression form(QStringLiteral("^([0-9]{2,4}) *x *([0-9]{2,4})$"));
            const QRegularExpressionMatch m = form.match(l.value);
            if (!m.hasMatch() || file.size.isValid())
                fail(QStringLiteral("size takes a width and height such as 560 x 320, once"));
            file.size = QSize(m.captured(1).toInt(), m.captured(2).toInt());
        } else if (l.key == QLatin1String("box")) {
            if (l.value != QLatin1String("label") || file.inLabel || !file.blocks.isEmpty())
                fail(QStringLiteral("box takes \"label\", once, before the text"));
            file.inLabel = true;
        } else if (l.key == QLatin1String("buttons")) {
            const QStringList captions = splitDataCells(l.value, l.number);
            if (!file.buttons.isEmpty() || captions.size() != 2 || captions[0].isEmpty() || captions[1].isEmpty())
                fail(QStringLiteral("buttons takes the two captions, activate | close, once"));
            file.buttons = captions;
        } else if (l.key == QLatin1String("para") || l.key == QLatin1String("title")) {
            const bool title = l.key == QLatin1String("title");
            const QString value = title ? l.value : l.raw;
            checkRichTextMarkup(value, l.number);
            RichTextBlock paragraph;
            paragraph.kind = title ? RichTextBlock::Title : RichTextBlock::Paragraph;
            paragraph.text = value;
            file.blocks.append(paragraph);
            tableLines.append(TableLines());
        } else if (l.key == QLatin1String("rule")) {
            if (!l.value.isEmpty())
                fail(QStringLiteral("rule takes no text"));
            RichTextBlock rule;
            rule.kind = RichTextBlock::Rule;
            file.blocks.append(rule);
            tableLines.append(TableLines());
        } else if (l.key == QLatin1String("align")) {
            if (l.value.isEmpty())
                fail(QStringLiteral("align is empty"));
            for (QChar ch : l.value)
                if (ch != QLatin1Char('l') && ch != QLatin1Char('c') && ch != QLatin1Char('r'))
                    fail(QStringLiteral("align takes only l, c and r"));
            RichTextBlock table;
            table.kind = RichTextBlock::Table;
            table.align = l.value;
            file.blocks.append(table);
            tableLines.append(TableLines());
        } else if (l.key == QLatin1String("header") || l.key == QLatin1String("row")) {
            const bool isHeader = l.key == QLatin1String("header");
            if (!last || last->kind != RichTextBlock::Table)
                fail(l.key + QStringLiteral(" outside a table: align starts one"));
            if (isHeader && !last->body.isEmpty())
                fail(QStringLiteral("header after a body row"));
            const QStringList texts = splitDataCells(l.value, l.number);
            if (texts.size() != last->align.size())
                fail(QStringLiteral("%1 cells where align gives %2 columns").arg(texts.size()).arg(last->align.size()));
            ReferenceRow row;
            for (const QString &t : texts) {
                checkRichTextMarkup(t, l.number);
                row.append(ReferenceCell{t});
            }
            (isHeader ? last->header : last->body).append(row);
            (isHeader ? tableLines.last().header : tableLines.last().body).append(l.number);
        } else {
            fail(QStringLiteral("unknown key \"%1\"").arg(l.key));
        }
    }

    const int end = text.count(QLatin1Char('\n')) + 1;
    requireWindowAndCaption(file.window, file.caption, end);
    if (file.blocks.isEmpty())
        throw Failure{end, QStringLiteral("no text")};
    if (!file.heading.isEmpty() && (!file.label.isEmpty() || file.inLabel))
        throw Failure{end, QStringLiteral("heading, label and box: label each make Label1: give one")};
    // The notice says the text is incomplete: it goes with complete: no.
    if (file.complete != file.notice.isEmpty())
        throw Failure{end, file.complete ? QStringLiteral("a notice is for a text that is not complete")
                                         : QStringLiteral("complete: no needs a notice for the reader")};
    if (file.inLabel) {
        if (!file.frame.isEmpty() || !file.label.isEmpty() || !file.buttons.isEmpty())
            throw Failure{end, QStringLiteral("a text in a label has no frame, source label or buttons")};
        for (const RichTextBlock &block : file.blocks)
            if (block.kind != RichTextBlock::Paragraph || richTextPlainText(block.text) != block.text)
                throw Failure{end, QStringLiteral("a text in a label holds plain paragraphs only")};
    }
    for (int b = 0; b < file.blocks.size(); ++b) {
        RichTextBlock &block = file.blocks[b];
        if (block.kind != RichTextBlock::Table)
            continue;
        if (block.body.isEmpty() && block.header.isEmpty())
            throw Failure{end, QStringLiteral("a table has no rows")};
        resolveDataMerges(block.header, tableLines[b].header, "header");
        resolveDataMerges(block.body, tableLines[b].body, "body");
    }
    return file;
}

} // namespace

QList<RichTextPiece> richTextPieces(const QString &markup, QString *error)
{
    static const QString kFraction = QStringLiteral("@frac{");
    static const QString kSum = QStringLiteral("@sum{");
    QList<RichTextPiece> pieces;
    QString text;
    int i = 0;
    while (i < markup.size()) {
        const bool fraction = QStringView(markup).mid(i).startsWith(kFraction);
        const bool sum = !fraction && QStringView(markup).mid(i).startsWith(kSum);
        if (!fraction && !sum) {
            text += markup.at(i++);
            continue;
        }
        RichTextPiece figure;
        figure.kind = fraction ? RichTextPiece::Fraction : RichTextPiece::Sum;
        const int first = braceGroup(markup, i + (fraction ? 5 : 4), &figure.text);
        const int end = first < 0 ? -1 : braceGroup(markup, first, &figure.second);
        if (end < 0) {
            if (error)
                *error = fraction ? QStringLiteral("@frac needs {numerator}{denominator}, each closed with }")
                                  : QStringLiteral("@sum needs {below}{above}, each closed with }");
            text += markup.mid(i);
            break;
        }
        if (!text.isEmpty())
            pieces.append(RichTextPiece{RichTextPiece::Text, text, QString()});
        text.clear();
        pieces.append(figure);
        i = end;
    }
    if (!text.isEmpty())
        pieces.append(RichTextPiece{RichTextPiece::Text, text, QString()});
    return pieces;
}

QString richTextPlainText(const QString &markup)
{
    QString plain;
    for (const RichTextPiece &piece : richTextPieces(markup)) {
        if (piece.kind == RichTextPiece::Fraction)
            plain += referencePlainText(piece.text) + QLatin1Char('/') + referencePlainText(piece.second);
        else if (piece.kind == RichTextPiece::Sum)
            plain += QStringLiteral("Σ");
        else
            plain += referencePlainText(piece.text);
    }
    return plain;
}

QString RichTextFile::plainText() const
{
    QStringList lines;
    for (const RichTextBlock &block : blocks) {
        if (block.kind != RichTextBlock::Table) {
            lines.append(richTextPlainText(block.text));
            continue;
        }
        for (const auto &rows : {block.header, block.body})
            for (const ReferenceRow &row : rows) {
                QStringList cells;
                for (const ReferenceCell &cell : row)
                    cells.append(cell.covered ? QString() : richTextPlainText(cell.text));
                lines.append(cells.join(QLatin1Char('\t')));
            }
    }
    return lines.join(QLatin1Char('\n'));
}

RichTextFileResult parseRichTextFile(const QString &text, const QString &fileName)
{
    return parseDataFileWith<RichTextFileResult>(text, fileName, parse);
}

RichTextFileResult loadRichTextFile(const QString &path)
{
    return loadDataFileWith<RichTextFileResult>(path, parse);
}

RichTextFile loadBuiltInRichTextFile(const QString &path)
{
    return loadBuiltInDataFile(path, parse);
}

} // namespace corvalen
