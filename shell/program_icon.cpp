#include "shell/program_icon.h"

#include <QtGlobal>

namespace corvalen {

QIcon programIcon()
{
    QIcon icon;
    for (const char *path : {":/data/shell/spanner-16.png", ":/data/shell/spanner-32.png"}) {
        const QPixmap pixmap(QString::fromLatin1(path));
        if (pixmap.isNull())
            qFatal("program icon missing: %s", path);
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace corvalen
