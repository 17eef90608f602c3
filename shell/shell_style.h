#pragma once

#include <QPixmap>
#include <QProxyStyle>
#include <optional>

namespace corvalen {

// The program's style: the desktop's own, except that the arrows of a menu
// or tool bar too narrow for its items are read from their image files only
// when first drawn. Every menu bar makes its arrow button at once, and
// reading its image loads every image reader Qt has; the main window's menu
// bar would pay that before its first paint, though it rarely shows the
// arrow at all.
// The frame of a group box is a picture stretched over the whole box; the
// picture is read once, its one-coloured inside is filled as a colour, and
// the frame is drawn in bands of a few rows at a time. Qt hands a
// translucent drawing of more rows to its worker threads, and waking them
// cost more than the drawing itself. Where the desktop style's picture or
// its placing differ from what this knows, the desktop style draws.
class ShellStyle : public QProxyStyle
{
public:
    ShellStyle();
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;

private:
    // Draws the frame of a group box as the desktop style does; false when
    // the desktop style is not the one whose picture and placing this knows
    // (it then draws the frame itself).
    bool drawGroupBoxFrame(const QStyleOption *option, QPainter *painter, const QWidget *widget) const;

    struct FramePicture
    {
        QPixmap picture;              // null: the base style draws
        std::optional<QRgb> inside;   // its inside, when of one colour
    };
    FramePicture readFramePicture() const;
    static constexpr int kFrameEdge = 6;  // the picture's corners and edges, px
    // Read at the first frame drawn.
    mutable std::optional<FramePicture> m_groupBoxFrame;
};

} // namespace corvalen
