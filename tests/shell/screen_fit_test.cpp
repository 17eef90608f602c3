// No window opens larger than the screen (the offscreen screen is 800 px
// wide, narrower than the paint table); what does not fit scrolls inside
// the window.
#include "common/forms/screen_fit.h"
#include "shell/main_window.h"
#include "shell_test.h"

namespace {

bool fits(const QSize &size, const QSize &room)
{
    return size.width() <= room.width() && size.height() <= room.height();
}

TEST(ScreenFit, EveryWindowOpensWithinTheScreenWithAllItsContentsReachable)
{
    auto &registry = corvalen::ToolRegistry::global();
    for (const QString &name : registry.names()) {
        SCOPED_TRACE(name.toStdString());
        QWidget *w = openToolWindow(name)->widget();
        const QSize room = corvalen::roomOnScreen(w);
        EXPECT_TRUE(fits(w->size(), room)) << w->width() << "x" << w->height();
        // Contents that were moved into a scroll area keep at least their
        // smallest size: they scroll, they are not squeezed.
        if (auto *area = w->findChild<corvalen::ContentScrollArea *>()) {
            QWidget *contents = area->widget();
            EXPECT_GE(contents->width(), contents->minimumSizeHint().width());
            EXPECT_GE(contents->height(), contents->minimumSizeHint().height());
        }
        registry.existingInstance(name)->close();
    }
    corvalen::MainWindow main;
    EXPECT_TRUE(fits(main.size(), corvalen::roomOnScreen(&main))) << main.width() << "x" << main.height();
}

TEST(ScreenFit, AWideTableScrollsToItsLastColumnStaysUsableAndTakesTabWhileCut)
{
    const QString name = QStringLiteral("各种油漆有机溶剂挥发量表");
    QWidget *w = openToolWindow(name)->widget();
    auto *area = w->findChild<corvalen::ContentScrollArea *>();
    ASSERT_TRUE(area);
    QCoreApplication::processEvents();
    QWidget *page = w->findChild<QWidget *>(QStringLiteral("Picture2"));
    // The whole sheet stays drawn at its size; the bar reaches its right edge.
    EXPECT_EQ(page->size(), page->sizeHint());
    auto rightEdge = [&] { return page->mapTo(area->viewport(), QPoint(page->width(), 0)).x(); };
    QScrollBar *bar = area->horizontalScrollBar();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_GT(rightEdge(), area->viewport()->width());
    bar->setValue(bar->maximum());
    EXPECT_LE(rightEdge(), area->viewport()->width());
    // Cut at the screen's edge, the table takes Tab while the window scrolls
    // it, and only then: a window made large enough gives the stop back.
    EXPECT_EQ(area->keyboardStop(), page);
    EXPECT_TRUE(page->focusPolicy() & Qt::TabFocus);
    w->resize(area->widget()->sizeHint() + QSize(100, 100));
    QCoreApplication::processEvents();
    EXPECT_EQ(area->keyboardStop(), nullptr);
    EXPECT_FALSE(page->focusPolicy() & Qt::TabFocus);
    corvalen::ToolRegistry::global().existingInstance(name)->close();
}

} // namespace
