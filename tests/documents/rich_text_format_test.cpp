// The rich-text file format of the text and document windows, and every
// stored file.
#include "common/files/rich_text.h"
#include "common/forms/tool_registry.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

RichTextFileResult parse(const char *body)
{
    return parseRichTextFile(QStringLiteral("window: w\ncaption: c\n") + QString::fromUtf8(body), QStringLiteral("t.text"));
}

TEST(RichTextFormat, AFaultNamesTheFileLineAndReason)
{
    struct Case
    {
        const char *name, *body, *error;
    } cases[] = {
        {"no key", "para: a\nplain\n", "t.text:4: expected \"key: value\""},
        {"unknown key", "bold: a\n", "t.text:3: unknown key \"bold\""},
        {"row outside a table", "row: a | b\n", "t.text:3: row outside a table: align starts one"},
        {"row after a paragraph ends the table", "align: ll\nrow: a | b\npara: x\nrow: c | d\n",
         "t.text:6: row outside a table: align starts one"},
        {"cell count", "align: ll\nrow: a\n", "t.text:4: 1 cells where align gives 2 columns"},
        {"bad align", "align: lx\n", "t.text:3: align takes only l, c and r"},
        {"header after body", "align: l\nrow: a\nheader: b\n", "t.text:5: header after a body row"},
        {"merge not a rectangle", "align: ll\nrow: a | b\nrow: ^^ | <<\n", "t.text:4: merged cells do not form a rectangle"},
        {"merge up in the first row", "align: l\nrow: ^^\n", "t.text:4: ^^ in the first body row"},
        {"open markup", "para: K_{c\n", "t.text:3: sub- or superscript not closed with }"},
        {"caption after text", "para: a\nframe: f\n", "t.text:4: frame after the text has begun"},
        {"one button", "buttons: 激活\n", "t.text:3: buttons takes the two captions, activate | close, once"},
        {"bad size", "size: big\n", "t.text:3: size takes a width and height such as 560 x 320, once"},
        {"no text", "", "t.text:3: no text"},
        {"fraction without denominator", "para: E = @frac{V}\n", "t.text:3: @frac needs {numerator}{denominator}, each closed with }"},
        {"sum not closed", "para: @sum{i=1}{n\n", "t.text:3: @sum needs {below}{above}, each closed with }"},
        {"open markup inside a figure", "para: @frac{K_{c}{2}\n", "t.text:3: @frac needs {numerator}{denominator}, each closed with }"},
        {"box other than a label", "box: list\n", "t.text:3: box takes \"label\", once, before the text"},
        {"box after the text", "para: a\nbox: label\n", "t.text:4: box takes \"label\", once, before the text"},
        {"table in a label", "box: label\nalign: l\nrow: a\n", "t.text:6: a text in a label holds plain paragraphs only"},
        {"markup in a label", "box: label\npara: M^{3}\n", "t.text:5: a text in a label holds plain paragraphs only"},
        {"source label beside a label", "box: label\nlabel: 来源\npara: a\n",
         "t.text:6: a text in a label has no frame, source label or buttons"},
        {"text after a rule", "rule: ——\n", "t.text:3: rule takes no text"},
        {"a notice on a whole text", "notice: 注意\npara: a\n", "t.text:5: a notice is for a text that is not complete"},
        {"an incomplete text without its notice", "complete: no\npara: a\n",
         "t.text:5: complete: no needs a notice for the reader"},
        {"complete neither yes nor no", "complete: partly\n", "t.text:3: complete takes yes or no"},
        {"complete after the text", "para: a\ncomplete: no\n", "t.text:4: complete takes yes or no, once, before the text"},
        {"heading beside a source label", "heading: 标题\nlabel: 来源\npara: a\n",
         "t.text:6: heading, label and box: label each make Label1: give one"},
        {"fraction in a cell checked too", "align: l\nrow: @frac{1}\n", "t.text:4: @frac needs {numerator}{denominator}, each closed with }"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(parse(c.body).error, QString::fromUtf8(c.error)) << c.name;
    EXPECT_EQ(parseRichTextFile(QStringLiteral("caption: c\npara: a\n"), QStringLiteral("t.text")).error,
              QStringLiteral("t.text:3: no window name"));
    EXPECT_EQ(loadRichTextFile(QStringLiteral(":/data/none.text")).error, QStringLiteral(":/data/none.text: cannot be read"));
}

TEST(RichTextFormat, ParagraphsKeepTheirBlanksAndTablesTheirMerges)
{
    const RichTextFileResult r = parse("size: 560 x 320\n"
                                       "buttons: 激活（复原）文档 | 关闭文档\n"
                                       "title: 表 1\n"
                                       "para:     1、K_{c} \n"
                                       "para:\n"
                                       "align: lc\n"
                                       "header: 项目 | <<\n"
                                       "row: a\\nb | 1.0\n"
                                       "row: ^^ | -\n");
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    EXPECT_EQ(r.file.size, QSize(560, 320));
    EXPECT_EQ(r.file.buttons, QStringList({QStringLiteral("激活（复原）文档"), QStringLiteral("关闭文档")}));
    ASSERT_EQ(r.file.blocks.size(), 4);
    EXPECT_EQ(r.file.blocks[1].text, QStringLiteral("    1、K_{c}"));
    EXPECT_EQ(r.file.blocks[2].text, QString());
    const RichTextBlock &table = r.file.blocks[3];
    EXPECT_EQ(table.header[0][0].colSpan, 2);
    EXPECT_EQ(table.body[0][0].rowSpan, 2);
    EXPECT_EQ(r.file.plainText(), QStringLiteral("表 1\n    1、Kc\n\n项目\t\na\nb\t1.0\n\t-"));
}

TEST(RichTextFormat, FormulaFiguresSplitFromTheText)
{
    const QList<RichTextPiece> pieces = richTextPieces(QStringLiteral("E = @frac{365 − w}{365} × @sum{i=1}{n}Q_{i}"));
    ASSERT_EQ(pieces.size(), 5);
    EXPECT_EQ(pieces[0].text, QStringLiteral("E = "));
    EXPECT_EQ(pieces[1].kind, RichTextPiece::Fraction);
    EXPECT_EQ(pieces[1].text, QStringLiteral("365 − w"));
    EXPECT_EQ(pieces[1].second, QStringLiteral("365"));
    EXPECT_EQ(pieces[2].kind, RichTextPiece::Text);
    EXPECT_EQ(pieces[3].kind, RichTextPiece::Sum);
    EXPECT_EQ(pieces[3].second, QStringLiteral("n"));
    EXPECT_EQ(pieces[4].text, QStringLiteral("Q_{i}"));
    EXPECT_EQ(richTextPlainText(QStringLiteral("E = @frac{V}{30}·@sum{i=1}{n}Q_{i}")), QStringLiteral("E = V/30·ΣQi"));
    // A text that only resembles a figure stays text.
    EXPECT_EQ(richTextPlainText(QStringLiteral("mail@frac.example")), QStringLiteral("mail@frac.example"));
}

// Every text and document file reads and is registered under its name.
TEST(StoredTexts, EveryFileLoadsAndIsRegistered)
{
    int count = 0;
    for (const QString &box : QDir(QStringLiteral(":/data")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        for (const auto &[folder, kind] : {std::pair{"texts", ToolKind::RichTextReference},
                                           std::pair{"docs", ToolKind::EmbeddedDocument}}) {
            const QString path = QStringLiteral(":/data/%1/%2").arg(box, QLatin1String(folder));
            for (const QString &f : QDir(path).entryList({QStringLiteral("*.text")}, QDir::Files)) {
                const RichTextFileResult r = loadRichTextFile(path + QLatin1Char('/') + f);
                ASSERT_TRUE(r.ok()) << r.error.toStdString();
                const ToolInfo *info = ToolRegistry::global().info(r.file.window);
                ASSERT_TRUE(info) << f.toStdString();
                EXPECT_EQ(info->kind, kind) << f.toStdString();
                ++count;
            }
        }
    }
    EXPECT_GE(count, 4);
}

} // namespace
