#include "shell/shell_style.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QIconEngine>
#include <QStyleOption>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <qdrawutil.h>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace corvalen {
namespace {

// An icon whose images are made the first time anything asks for them.
class DeferredIconEngine : public QIconEngine
{
public:
    explicit DeferredIconEngine(std::function<QIcon()> make)
        : m_state(std::make_shared<State>(State{std::move(make), {}, false}))
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    // Asked before any drawing (whether to leave room for an icon): the
    // images are not read for it; the base style's arrows always exist.
    bool isNull() override { return m_state->made && m_state->icon.isNull(); }
    QString key() const override { return QStringLiteral("corvalen-deferred"); }
    QIconEngine *clone() const override { return new DeferredIconEngine(*this); }

private:
    struct State
    {
        std::function<QIcon()> make;
        QIcon icon;
        bool made;
    };

    const QIcon &icon()
    {
        if (!m_state->made) {
            m_state->icon = std::exchange(m_state->make, nullptr)();
            m_state->made = true;
        }
        return m_state->icon;
    }

    // Shared by the copies, so that the images are read once.
    std::shared_ptr<State> m_state;
};

// The colour of a picture inside its edges, when it is one colour there and
// filling with that colour draws the same pixels.
std::optional<QRgb> uniformCenter(const QPixmap &picture, int edge)
{
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.width() <= 2 * edge || image.height() <= 2 * edge)
        return std::nullopt;
    const QRgb colour = image.pixel(edge, edge);
    for (int y = edge; y < image.height() - edge; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = edge; x < image.width() - edge; ++x) {
            if (line[x] != colour)
                return std::nullopt;
        }
    }
    if (qPremultiply(qUnpremultiply(colour)) != colour)
        return std::nullopt;
    return qUnpremultiply(colour);
}

} // namespace

ShellStyle::ShellStyle() = default;

QIcon ShellStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    // The base style reads the images when the icon is first used; by then
    // the option (a short-lived object) is gone, and the widget may be. So
    // may this style and its base, replaced by another: the icon is then
    // the style's that the widget (or the application) has by then.
    QPointer<QWidget> owner(const_cast<QWidget *>(widget));
    QPointer<const QStyle> base(baseStyle());
    return QIcon(new DeferredIconEngine([base, icon, owner] {
        const QStyle *style = base ? base.data() : owner ? owner->style() : QApplication::style();
        return style->standardIcon(icon, nullptr, owner.data());
    }));
}

// The desktop style's group box frame: a picture of a rounded frame
// stretched over the box, below its title. The desktop style reads the
// picture at every frame it draws, and a read asks the file's time, which
// makes the C library look at the time zone file again.
bool ShellStyle::drawGroupBoxFrame(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    if (!m_groupBoxFrame)
        m_groupBoxFrame = readFramePicture();
    const QPixmap &picture = m_groupBoxFrame->picture;
    const std::optional<QRgb> &insideColour = m_groupBoxFrame->inside;
    if (picture.isNull())
        return false;
    // Below the title, or only a few rows down when the box has neither a
    // title nor a check box.
    constexpr int kTopMargin = 3;
    const auto *box = qobject_cast<const QGroupBox *>(widget);
    const int top = box && !box->isCheckable() && box->title().isEmpty()
                        ? kTopMargin
                        : qMax(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) + kTopMargin;
    const QRect frame = option->rect.adjusted(0, top, 0, 0);
    const QMargins edges(kFrameEdge, kFrameEdge, kFrameEdge, kFrameEdge);
    // The inside of the frame is one faint colour stretched over the box:
    // filled as a colour, it costs a small part of stretching the picture.
    const QRect inside = frame.marginsRemoved(edges);
    const bool fillInside = insideColour.has_value() && !inside.isEmpty()
                            && painter->worldTransform().type() <= QTransform::TxTranslate;
    const auto draw = [&](const QRect &band) {
        painter->save();
        if (fillInside) {
            QRegion rim(band);
            rim -= inside;
            painter->setClipRegion(rim, Qt::IntersectClip);
        } else if (band != frame) {
            painter->setClipRect(band, Qt::IntersectClip);
        }
        qDrawBorderPixmap(painter, frame, edges, picture);
        painter->restore();
        if (fillInside)
            painter->fillRect(band & inside, QColor::fromRgba(*insideColour));
    };
    // Few enough rows that Qt keeps the drawing on this thread: it shares
    // out 96 spans or more, and a row of a box with controls in it is
    // several spans.
    constexpr int kBandRows = 40;
    if (frame.height() <= kBandRows || painter->worldTransform().type() > QTransform::TxTranslate) {
        draw(frame);
        return true;
    }
    for (int y = frame.top(); y <= frame.bottom(); y += kBandRows)
        draw(QRect(frame.left(), y, frame.width(), kBandRows) & frame);
    return true;
}

// The picture is the desktop style's own resource, which a release of Qt
// may change or drop, as it may change how the frame is placed: the picture
// is used only while a sample frame drawn from it, with a title and
// without, is the desktop style's to the pixel.
ShellStyle::FramePicture ShellStyle::readFramePicture() const
{
    FramePicture none;
    if (baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        return none;
    const QPixmap picture(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"));
    if (picture.isNull())
        return none;
    m_groupBoxFrame = FramePicture{picture, uniformCenter(picture, kFrameEdge)};
    QGroupBox untitled;
    for (const QWidget *widget : {static_cast<const QWidget *>(nullptr), static_cast<const QWidget *>(&untitled)}) {
        QStyleOptionFrame option;
        option.rect = QRect(0, 0, 90, 130);
        option.fontMetrics = QFontMetrics(QApplication::font());
        option.palette = QApplication::palette();
        const auto drawn = [&](bool own) {
            QImage sample(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
            sample.fill(Qt::transparent);
            QPainter painter(&sample);
            if (own)
                drawGroupBoxFrame(&option, &painter, widget);
            else
                baseStyle()->drawPrimitive(PE_FrameGroupBox, &option, &painter, widget);
            return sample;
        };
        if (drawn(true) != drawn(false))
            return none;
    }
    return *m_groupBoxFrame;
}

void ShellStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const
{
    if (element == PE_FrameGroupBox && option && drawGroupBoxFrame(option, painter, widget))
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

} // namespace corvalen
