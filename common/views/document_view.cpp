#include "common/views/document_view.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextDocument>

namespace corvalen {

namespace {
// A layout done in steps reports each step; the picture is painted by a zero
// timer restarted at each step, so at the turn of the event loop after the
// last one (ms).
constexpr int kLayoutPause = 0;
} // namespace

DocumentView::DocumentView(QWidget *parent) : QTextBrowser(parent)
{
    m_renderLater.setSingleShot(true);
    m_renderLater.setInterval(kLayoutPause);
    connect(&m_renderLater, &QTimer::timeout, this, &DocumentView::renderPicture);
    watch(document());
}

bool DocumentView::atItsBeginning() const
{
    return isReadOnly() && !textCursor().hasSelection() && horizontalScrollBar()->value() == 0
           && verticalScrollBar()->value() == 0;
}

bool DocumentView::pictureFits() const
{
    return !m_picture.isNull() && m_picture.deviceIndependentSize().toSize() == viewport()->size()
           && m_picture.devicePixelRatio() == viewport()->devicePixelRatioF() && m_paletteKey == palette().cacheKey();
}

void DocumentView::forgetPicture()
{
    m_picture = QPixmap();
    m_renderLater.start();
}

void DocumentView::watch(QTextDocument *document)
{
    if (m_watched == document)
        return;
    if (m_watched) {
        disconnect(m_watched, nullptr, this, nullptr);
        disconnect(m_watched->documentLayout(), nullptr, this, nullptr);
    }
    m_watched = document;
    // Any change of the text or of its layout makes the picture stale.
    connect(document, &QTextDocument::contentsChanged, this, &DocumentView::forgetPicture);
    connect(document->documentLayout(), &QAbstractTextDocumentLayout::update, this, &DocumentView::forgetPicture);
    forgetPicture();
}

// The box's own painting of its viewport, into the picture; out of any
// paint event, a widget being painted cannot be rendered.
void DocumentView::renderPicture()
{
    watch(document());
    if (!atItsBeginning() || pictureFits())
        return;
    QWidget *port = viewport();
    const qreal ratio = port->devicePixelRatioF();
    QPixmap picture(port->size() * ratio);
    picture.setDevicePixelRatio(ratio);
    m_rendering = true;
    port->render(&picture, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    m_rendering = false;
    m_picture = picture;
    m_paletteKey = palette().cacheKey();
    // The render's own layout steps were no change of what it shows.
    m_renderLater.stop();
}

void DocumentView::paintEvent(QPaintEvent *event)
{
    watch(document());
    if (m_rendering || !atItsBeginning() || !pictureFits()) {
        if (!m_rendering && atItsBeginning())
            m_renderLater.start();
        QTextBrowser::paintEvent(event);
        return;
    }
    QPainter painter(viewport());
    const QRect dirty = event->rect();
    const qreal ratio = m_picture.devicePixelRatio();
    painter.drawPixmap(dirty, m_picture,
                       QRectF(dirty.x() * ratio, dirty.y() * ratio, dirty.width() * ratio, dirty.height() * ratio));
}

} // namespace corvalen
