#include "risk/leak_legends.h"

#include <QStringList>

namespace corvalen {
namespace {

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

} // namespace

QString liquidLeakLegend()
{
    // Each line ends with a break, the last one too.
    const QStringList lines{
        QStringLiteral("式中："),
        QStringLiteral("     QL--液体泄漏速度，kg/s；"),
        QStringLiteral("     Cd--液体泄漏系数，此值常用0.6-0.64。"),
        QStringLiteral("     A--裂口面积，m2；"),
        QStringLiteral("     P--容器内介质压力，Pa；"),
        QStringLiteral("     P0--环境压力，Pa；") + blanks(3),
        QStringLiteral("     g --重力加速度。") + blanks(21) + QStringLiteral("ρ--液体密度（Kg/m3）") + blanks(16)
            + QStringLiteral("h --裂口之上液位高度，m。"),
        QStringLiteral("     本法的限制条件：液体在喷口内不应有急剧蒸发。"),
    };
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString gasLeakLegend()
{
    const QStringList lines{
        QStringLiteral("式中："),
        QStringLiteral("    QG--气体泄漏速度，kg/s；"),
        QStringLiteral("        P--容器压力，Pa；"),
        QStringLiteral("        Cd--气体泄漏系数；"),
        QStringLiteral("当裂口形状位圆形时取1.00，三角形时取0.95，长方形时取0.90；"),
        QStringLiteral("        A--裂口面积，m2；"),
        QStringLiteral("        M--分子量；"),
        QStringLiteral("        R--气体常数，J/(mol·k)；"),
        QStringLiteral("        TG--气体温度，K；"),
        QStringLiteral("        Y --流出系数，") + blanks(25)
            + QStringLiteral("κ--气体的绝热指数（热容比），即定压热容Cp与定容热容CV之比，用来计算临界流；"),
    };
    return lines.join(QLatin1Char('\n'));
}

QString twoPhaseLeakLegend()
{
    const QStringList lines{
        QStringLiteral("式中："),
        QStringLiteral("    QLG--两相流泄漏速度，kg/s；"),
        QStringLiteral("        Cd--两相流泄漏系数，可取0.8；"),
        QStringLiteral("        A --裂口面积，m2；"),
        QStringLiteral("        P --操作压力或容器压力，Pa；"),
        QStringLiteral("        PC --临界压力，Pa，可取PC=0.55P；"),
        QStringLiteral("       ρm--两相混合物的平均密度，kg/m3；") + blanks(36)
            + QStringLiteral("注意：当FV＞1时，表明液体将全部蒸发成气体，这时应按气体泄漏计算；"
                             "如果FV很小，则可近似地按液体泄漏公式计算。"),
    };
    return lines.join(QLatin1Char('\n'));
}

} // namespace corvalen
