// The document box shows the picture it keeps of its beginning: that
// picture must be what the box itself paints, and a change of the text must
// never leave the old picture on screen.
#include "common/views/document_view.h"

#include <QTest>
#include <QScrollBar>
#include <QTextBrowser>
#include <functional>
#include <gtest/gtest.h>

using namespace corvalen;

namespace {

const QString kRuledTable = QStringLiteral(
    "<p>危险废物</p><table border=\"1\" cellspacing=\"0\" style=\"border-collapse: collapse\">"
    "<tr><td>废物类别</td><td>行业来源</td></tr><tr><td>HW01</td><td>医疗废物</td></tr></table>");

QImage shown(QTextBrowser &box)
{
    // Twice: the second paint is the one the kept picture serves.
    QTest::qWait(20);
    box.viewport()->grab();
    QTest::qWait(20);
    return box.viewport()->grab().toImage();
}

} // namespace

TEST(DocumentView, ShowsWhatItsOwnPaintingShowsAndNeverAStaleText)
{
    DocumentView kept;
    QTextBrowser plain;
    struct Row { const char *name; std::function<void(QTextBrowser &)> change; };
    const Row rows[] = {
        {"as built", [](QTextBrowser &box) { box.setHtml(kRuledTable); }},
        {"text added", [](QTextBrowser &box) { box.textCursor().insertText(QStringLiteral("新增一行\n")); }},
        {"resized", [](QTextBrowser &box) { box.resize(300, 180); }},
        {"scrolled", [](QTextBrowser &box) { box.verticalScrollBar()->setValue(box.verticalScrollBar()->maximum()); }},
        {"selected", [](QTextBrowser &box) { box.selectAll(); }},
    };
    for (QTextBrowser *box : {static_cast<QTextBrowser *>(&kept), &plain}) {
        box->resize(400, 240);
        box->show();
    }
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&kept));
    for (const Row &row : rows) {
        row.change(kept);
        row.change(plain);
        EXPECT_EQ(shown(kept), shown(plain)) << row.name;
    }
}
