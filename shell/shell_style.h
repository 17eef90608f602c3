#pragma once

#include <QProxyStyle>

namespace corvalen {

// The program's style: the desktop's own, except that the arrows of a menu
// or tool bar too narrow for its items are read from their image files only
// when first drawn. Every menu bar makes its arrow button at once, and
// reading its image loads every image reader Qt has; the main window's menu
// bar would pay that before its first paint, though it rarely shows the
// arrow at all.
class ShellStyle : public QProxyStyle
{
public:
    ShellStyle();
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

} // namespace corvalen
