// The tank coefficient documents, the document window's activate/close pair
// and the rich-text reference windows, opened offscreen.
#include "common/files/addresses.h"
#include "common/views/embedded_document_window.h"
#include "common/views/rich_text_reference_window.h"
#include "common/views/rich_text_document.h"
#include "common/views/rich_text_reference_window.h"
#include "common/forms/tool_registry.h"
#include "message_recorder.h"
#include "window_driver.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextTable>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

QTextTable *firstTable(QTextDocument *document)
{
    for (QTextFrame *frame : document->rootFrame()->childFrames())
        if (auto *table = qobject_cast<QTextTable *>(frame))
            return table;
    return nullptr;
}

// The table as a reader sees it: one line per row, cells joined by "|",
// a cell covered by a merge left empty.
QStringList tableRows(QTextTable *table)
{
    QStringList rows;
    for (int r = 0; r < table->rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columns(); ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (cell.row() != r || cell.column() != c) {
                cells.append(QString());
                continue;
            }
            QTextCursor cursor = cell.firstCursorPosition();
            cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
            cells.append(cursor.selectedText().replace(QChar::LineSeparator, QLatin1Char('/')));
        }
        rows.append(cells.join(QLatin1Char('|')));
    }
    return rows;
}

QTextDocument *documentOf(const WindowDriver &driver)
{
    return driver.find<QTextBrowser>(QStringLiteral("OLE1"))->document();
}

struct DocumentCase
{
    const char *window, *caption, *firstLine, *lastLine;
    int rowCount;
    std::vector<const char *> rows;  // the first rows, and the last one
};

TEST(TankDocuments, EachShowsItsHeadingTableAndNoteCellByCell)
{
    const DocumentCase cases[] = {
        {"边圈密封损耗系数", "边圈密封损耗系数 Ke", "边圈密封损耗系数Kc", nullptr, 5,
         {"密封装置类型|Kc", "油气空间安装的弹性充填式密封|22.0", "液面安装的弹性充填式密封（没有汽体空间）|9.8",
          "油气空间安装的弹性充填式密封加二次密封|8.2", "液面安装的弹性充填式密封加二次密封|5.2"}},
        {"mfxs", "密封相关系数Kt和与密封有关的风速指数", nullptr, nullptr, 18,
         {"罐的结构|边缘密封结构|一般密封||间隙≤3mm密封|", "||Kt|n|Kt|n",
          "焊/接/罐|机械密封||||", "|只有一次密封|1.2|1.5|0.8|1.6", "|边缘处有二次密封|0.2|1.6|-|-"}},
        {"tlxs", "表A.0.3-1 涂料系数 Fp", nullptr, "注:(1)有金属光泽 (2)无金属光泽", 11,
         {"涂料颜色||涂料系数 Fp|", "罐顶|罐壁|状况良好|状况较差", "白|白|1.00|1.15", "中灰|中灰|1.46|-"}},
    };
    for (const DocumentCase &c : cases) {
        SCOPED_TRACE(c.window);
        WindowDriver driver(QString::fromUtf8(c.window));
        EXPECT_EQ(driver.window()->windowTitle(), QString::fromUtf8(c.caption));
        auto *box = driver.find<QTextBrowser>(QStringLiteral("OLE1"));
        ASSERT_TRUE(box);
        EXPECT_TRUE(box->isReadOnly());
        EXPECT_TRUE(box->textInteractionFlags() & Qt::TextSelectableByMouse);
        EXPECT_EQ(driver.find<QAbstractButton>(QStringLiteral("Command5")), nullptr);
        QTextTable *table = firstTable(box->document());
        ASSERT_TRUE(table);
        const QStringList rows = tableRows(table);
        ASSERT_EQ(rows.size(), c.rowCount);
        for (size_t i = 0; i + 1 < c.rows.size(); ++i)
            EXPECT_EQ(rows[i], QString::fromUtf8(c.rows[i]));
        EXPECT_EQ(rows.last(), QString::fromUtf8(c.rows.back()));
        const QString text = box->toPlainText().trimmed();
        if (c.firstLine) {
            EXPECT_TRUE(text.startsWith(QString::fromUtf8(c.firstLine))) << text.toStdString();
        }
        if (c.lastLine) {
            EXPECT_TRUE(text.endsWith(QString::fromUtf8(c.lastLine))) << text.toStdString();
        }
    }
}

TEST(TankDocuments, MarksAreRaisedAndTheFaceIsSongWithASerifLatinFace)
{
    WindowDriver driver(QStringLiteral("tlxs"));
    QTextTable *table = firstTable(documentOf(driver));
    QTextCursor cursor = table->cellAt(3, 0).lastCursorPosition();  // after 铝粉(1)
    EXPECT_EQ(cursor.charFormat().verticalAlignment(), QTextCharFormat::AlignSuperScript);
    cursor = table->cellAt(2, 0).lastCursorPosition();              // after 白
    EXPECT_EQ(cursor.charFormat().verticalAlignment(), QTextCharFormat::AlignNormal);
    const QStringList families = documentOf(driver)->defaultFont().families();
    EXPECT_EQ(families.value(0), QStringLiteral("Times New Roman"));
    EXPECT_TRUE(families.contains(QStringLiteral("SimSun")));
}

TEST(DocumentWindow, ActivatedTheTextTakesEditsClosedItKeepsThemReopenedItIsTheStoredOne)
{
    RichTextFileResult r = parseRichTextFile(QStringLiteral("window: d\ncaption: 资料\n"
                                                            "buttons: 激活（复原）文档 | 关闭文档\npara: 起尘量计算方法\n"),
                                             QStringLiteral("d.text"));
    ASSERT_TRUE(r.ok());
    EmbeddedDocumentWindow window(std::make_shared<const RichTextFile>(r.file));
    window.show();
    auto button = [&](const char *name) { return window.widget()->findChild<QAbstractButton *>(QLatin1String(name)); };
    auto box = [&] { return window.widget()->findChild<QTextBrowser *>(QStringLiteral("OLE1")); };
    EXPECT_EQ(button("Command5")->text(), QStringLiteral("激活（复原）文档"));
    EXPECT_EQ(button("CommandClose")->text(), QStringLiteral("关闭文档"));
    button("CommandClose")->click();  // nothing to close
    EXPECT_TRUE(box()->isReadOnly());

    button("Command5")->click();
    EXPECT_FALSE(box()->isReadOnly());
    box()->moveCursor(QTextCursor::End);
    box()->insertPlainText(QStringLiteral("（注）"));
    button("CommandClose")->click();
    EXPECT_TRUE(box()->isReadOnly());
    EXPECT_EQ(box()->toPlainText(), QStringLiteral("起尘量计算方法（注）"));

    window.close();
    window.show();
    EXPECT_EQ(box()->toPlainText(), QStringLiteral("起尘量计算方法"));
    EXPECT_TRUE(box()->isReadOnly());
    window.close();
}

TEST(DocumentWindow, ADocumentThatCannotBeOpenedSaysSoAtEveryPress)
{
    EmbeddedDocumentWindow window(nullptr);
    window.show();
    MessageRecorder messages;
    auto *activate = window.widget()->findChild<QAbstractButton *>(QStringLiteral("Command5"));
    activate->click();
    activate->click();
    EXPECT_EQ(messages.messages, QStringList(2, QStringLiteral("文档无法打开，请检查程序的安装！")));
    EXPECT_TRUE(window.widget()->findChild<QTextBrowser *>(QStringLiteral("OLE1"))->isReadOnly());
    window.close();
}

// A fraction stands two lines high in its line; a summation sign with its
// limits too. Without the figures' drawing they would take no room.
TEST(DocumentWindow, FormulaFiguresTakeTheirRoomInTheLine)
{
    const RichTextFileResult r = parseRichTextFile(QStringLiteral("window: d\ncaption: c\npara: E = P\n"
                                                                  "para: E = @frac{V}{30}\npara: Q = @sum{i=1}{n}Q_{i}\n"),
                                                   QStringLiteral("d.text"));
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    QTextDocument document;
    document.setDefaultFont(documentFont());
    fillTextDocument(&document, r.file);
    auto height = [&](int block) {
        return document.documentLayout()->blockBoundingRect(document.findBlockByNumber(block)).height();
    };
    EXPECT_GT(height(1), 1.6 * height(0));
    EXPECT_GT(height(2), 1.6 * height(0));
    EXPECT_EQ(document.findBlockByNumber(1).text(), QStringLiteral("E = ") + QChar(QChar::ObjectReplacementCharacter));
}

// A text that says it is incomplete warns in red over the text, in both
// kinds of window; a whole one does not. A heading stands over the text too,
// outside it, so that it never scrolls away.
TEST(RichTextWindow, HeadingAndNoticeStandOverTheText)
{
    const struct { const char *name; const char *keys; bool document; const char *heading; const char *notice; } cases[] = {
        {"whole text", "", false, nullptr, nullptr},
        {"incomplete text", "complete: no\nnotice: 注意：文本不完整。\n", false, nullptr, "注意：文本不完整。"},
        {"text with a heading", "heading: 帮助文档\ncomplete: no\nnotice: 注意：缺。\n", false, "帮助文档", "注意：缺。"},
        {"whole document", "", true, nullptr, nullptr},
        {"incomplete document", "complete: no\nnotice: 注意：名录不完整。\n", true, nullptr, "注意：名录不完整。"},
    };
    for (const auto &c : cases) {
        const RichTextFileResult r = parseRichTextFile(QStringLiteral("window: w\ncaption: 资料\n") + QString::fromUtf8(c.keys)
                                                           + QStringLiteral("para: 正文\n"),
                                                       QStringLiteral("w.text"));
        ASSERT_TRUE(r.ok()) << c.name << ": " << r.error.toStdString();
        auto file = std::make_shared<const RichTextFile>(r.file);
        std::unique_ptr<ToolWindow> window;
        if (c.document)
            window = std::make_unique<EmbeddedDocumentWindow>(file);
        else
            window = std::make_unique<RichTextReferenceWindow>(file);
        window->show();
        QWidget *box = window->widget()->findChild<QWidget *>(QLatin1String(c.document ? "OLE1" : "RichTextBox1"));
        ASSERT_TRUE(box) << c.name;
        auto *notice = window->widget()->findChild<QLabel *>(QStringLiteral("LabelNotice"));
        auto *heading = window->widget()->findChild<QLabel *>(QStringLiteral("Label1"));
        EXPECT_EQ(notice != nullptr, c.notice != nullptr) << c.name;
        EXPECT_EQ(heading != nullptr, c.heading != nullptr) << c.name;
        if (notice) {
            EXPECT_EQ(notice->text(), QString::fromUtf8(c.notice)) << c.name;
            EXPECT_EQ(notice->palette().color(QPalette::WindowText), QColor(Qt::red)) << c.name;
            EXPECT_TRUE(notice->isVisible()) << c.name;
            EXPECT_LE(notice->geometry().bottom(), box->geometry().top()) << c.name << ": over the text";
        }
        if (heading) {
            EXPECT_EQ(heading->text(), QString::fromUtf8(c.heading)) << c.name;
            EXPECT_LE(heading->geometry().bottom(), box->geometry().top()) << c.name << ": over the text";
            if (notice) {
                EXPECT_LE(heading->geometry().bottom(), notice->geometry().top()) << c.name << ": the notice under it";
            }
        }
        window->close();
    }
}

TEST(RichTextWindow, PuffHelpShowsItsNotesAsStored)
{
    WindowDriver driver(QStringLiteral("风险评价之烟团帮助"));
    EXPECT_EQ(driver.window()->windowTitle(), QStringLiteral("风险评价之烟团计算帮助说明系统"));
    auto *box = driver.find<QTextEdit>(QStringLiteral("RichTextBox1"));
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->isReadOnly());
    // Six notes, each point indented by its four blanks.
    const QStringList lines = box->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], QStringLiteral("说明："));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("    1、风险评价导则上未给出Q的单位；")));
    EXPECT_TRUE(lines[5].endsWith(QStringLiteral("如果进度条长时间没有反应，请退出！")));
    EXPECT_EQ(driver.window()->size(), QSize(560, 320));
}

// The note on the industry sheets: one wrapped label filling the window;
// points 1, 2 and 4 as written, point 3 naming no outside product, point 5
// the program's placeholder contacts.
TEST(RichTextWindow, IndustrySheetNoteIsOneWrappedLabel)
{
    WindowDriver driver(QStringLiteral("note"));
    EXPECT_EQ(driver.window()->windowTitle(), QStringLiteral("note"));
    EXPECT_FALSE(driver.find<QTextEdit>(QStringLiteral("RichTextBox1")));
    auto *label = driver.find<QLabel>(QStringLiteral("Label1"));
    ASSERT_TRUE(label);
    EXPECT_TRUE(label->wordWrap());
    const QString text = label->text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("关于本菜单下所有的产排污量计算的说明：1：")));
    EXPECT_TRUE(text.contains(QStringLiteral("3、菜单下计算各行业的产排污量时，均引用了电子表格计算表的方式进行，你可以进行编辑和"
                                             "复制操作，如果表格无法打开，请检查程序的安装； 4、")));
    EXPECT_TRUE(text.contains(addresses::forum));
    EXPECT_TRUE(text.contains(addresses::authorMail));
    // The label fills the window, its text wrapped within the width.
    EXPECT_GE(label->width(), driver.window()->width() - 40);
    EXPECT_GT(label->height(), 3 * label->fontMetrics().height());
}

// A stored text or document is laid out once, at the warm-up: every opening
// shows that layout again, from the beginning and with nothing selected,
// and a close keeps no edit of an activation.
TEST(StoredTextWindows, LaidOutOnceAtTheWarmUpAndShownAgainAsStored)
{
    const RichTextFileResult r = parseRichTextFile(
        QStringLiteral("window: d\ncaption: 资料\nbuttons: 激活（复原）文档 | 关闭文档\n") + QStringLiteral("para: 起尘量\n").repeated(200),
        QStringLiteral("d.text"));
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    const auto file = std::make_shared<const RichTextFile>(r.file);
    const struct {
        const char *name;
        std::function<std::unique_ptr<ToolWindow>()> create;
        const char *box;
    } rows[] = {
        {"document", [&] { return std::make_unique<EmbeddedDocumentWindow>(file); }, "OLE1"},
        {"rich text", [&] { return std::make_unique<RichTextReferenceWindow>(file); }, "RichTextBox1"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        std::unique_ptr<ToolWindow> window = row.create();
        ASSERT_TRUE(window->keepsBuiltWindow());
        window->warmUp();
        EXPECT_FALSE(window->isOpen());
        window->show();
        auto *box = window->widget()->findChild<QTextEdit *>(QLatin1String(row.box));
        ASSERT_NE(box, nullptr);
        QTextDocument *stored = box->document();
        int layouts = 0;
        QObject::connect(stored->documentLayout(), &QAbstractTextDocumentLayout::update, box, [&layouts] { ++layouts; });
        const QSize size = window->widget()->size();
        const QString text = box->toPlainText();

        // Read, scrolled, selected, resized, edited, closed; twice, as a
        // window is opened again and again.
        for (int round = 0; round < 2; ++round) {
            box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
            box->selectAll();
            if (QAbstractButton *activate = window->widget()->findChild<QAbstractButton *>(QStringLiteral("Command5"))) {
                activate->click();
                box->insertPlainText(QStringLiteral("（注）"));
            }
            window->widget()->resize(size + QSize(40, 40));
            window->close();
            EXPECT_FALSE(window->isOpen());
            layouts = 0;  // what a close lays out again is not the opening's

            window->show();
            QApplication::processEvents();
            EXPECT_EQ(box->document(), stored);
            EXPECT_EQ(layouts, 0);
            EXPECT_EQ(window->widget()->size(), size);
            EXPECT_EQ(box->verticalScrollBar()->value(), 0);
            EXPECT_FALSE(box->textCursor().hasSelection());
            EXPECT_TRUE(box->isReadOnly());
            EXPECT_EQ(box->toPlainText(), text);
        }
        window->close();
    }
}

} // namespace
