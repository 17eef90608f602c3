#include "process_air/emission_factor_notes.h"

#include "common/files/note_file.h"

#include <QHash>

namespace corvalen {

QString emissionFactorBasisNote(const QString &window)
{
    // Each window's note is a note file of data/process_air/notes.
    static const QHash<QString, QString> files = {
        {QStringLiteral("焚烧垃圾烟尘排放量"), QStringLiteral("refuse_incineration_basis.txt")},
        {QStringLiteral("饲料及粮食加工"), QStringLiteral("feed_mill_basis.txt")},
        {QStringLiteral("棉花轧花机粉尘排放量"), QStringLiteral("cotton_gin_basis.txt")},
        {QStringLiteral("玻璃原料制造设备颗粒物排放量"), QStringLiteral("glass_raw_material_basis.txt")},
        {QStringLiteral("玻璃制造颗粒物排放量"), QStringLiteral("glass_making_basis.txt")},
        {QStringLiteral("石灰窑粉尘量计算"), QStringLiteral("lime_kiln_dust_basis.txt")},
    };
    const auto file = files.constFind(window);
    return file == files.constEnd() ? QString() : noteText(QStringLiteral("process_air"), *file);
}

} // namespace corvalen
