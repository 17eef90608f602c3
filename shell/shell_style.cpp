#include "shell/shell_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QStyleOption>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
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

} // namespace corvalen
