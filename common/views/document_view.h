#pragma once

#include <QPixmap>
#include <QPointer>
#include <QTextBrowser>
#include <QTimer>

class QTextDocument;

namespace corvalen {

// A read-only document box that keeps the picture of its first screenful.
// A long document of ruled tables takes a good part of a window's opening to
// paint (every ruled cell looks up its neighbours); the box shows its
// beginning at every opening, so that picture is painted once, when the
// program is idle, and shown again until the document, its layout, the
// box's size or its palette changes. Anywhere else, with a selection, while
// the text takes edits or before the picture is ready, it paints as usual.
class DocumentView : public QTextBrowser
{
public:
    explicit DocumentView(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool atItsBeginning() const;
    bool pictureFits() const;
    void forgetPicture();
    void renderPicture();
    void watch(QTextDocument *document);

    QPixmap m_picture;
    QPointer<QTextDocument> m_watched;
    qint64 m_paletteKey = 0;
    bool m_rendering = false;
    // Paints the picture when the event loop is idle.
    QTimer m_renderLater;
};

} // namespace corvalen
