#include "process_air/emission_factor_notes.h"

#include <QStringList>

namespace corvalen {
namespace {

QString joinedLines(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QLatin1Char('\n');
    return text;
}

// 饲料及粮食加工's table of factors, in the note's own ASCII ruling.
QStringList feedMillLines()
{
    const QString rule(26, QLatin1Char('-'));
    return {
        QStringLiteral("计算依据：编《环境保护"),
        QStringLiteral("计算手册》饲料及粮食制粉备的"),
        QStringLiteral("颗粒物排放量的计算，为经验系"),
        QStringLiteral("数计算法！"),
        QStringLiteral("饲料及粮加工颗粒物排放系"),
        QStringLiteral("数(kg/t)"),
        rule,
        QStringLiteral("|小麦风选器 |分尘器| 0.091|"),
        rule,
        QStringLiteral("|草饮料机磨粉|分尘器|1.81 |"),
        rule,
        QStringLiteral("|大麦磨粉机| 分尘器|1.41  |"),
        rule,
        QStringLiteral("|秸杆干燥器| 分尘器|5.13  |"),
        rule,
    };
}

} // namespace

QString emissionFactorBasisNote(const QString &window)
{
    const QString first = QStringLiteral("计算依据：编《环境保护计");
    if (window == QStringLiteral("焚烧垃圾烟尘排放量")) {
        return joinedLines({first,
                            QStringLiteral("算手册》焚烧垃圾烟尘排放量的计"),
                            QStringLiteral("算,在计算过程中，焚烧方式选择有"),
                            QStringLiteral("两种，一种焚烧方式为焚烧炉焚烧"),
                            QStringLiteral("，一种为露天焚烧；当选择焚烧炉"),
                            QStringLiteral("焚烧时可以选择焚烧炉的种类，焚"),
                            QStringLiteral("烧的垃圾类型选择不可用，污染的"),
                            QStringLiteral("的种类为烟尘；选择露天焚烧时，"),
                            QStringLiteral("焚烧炉的类型选项不可用，而焚烧"),
                            QStringLiteral("垃圾种类、污染物的类型可选！当计算结果为0时，请核对你的选择及输入数据！")});
    }
    if (window == QStringLiteral("饲料及粮食加工"))
        return joinedLines(feedMillLines());
    if (window == QStringLiteral("棉花轧花机粉尘排放量")) {
        return joinedLines({first,
                            QStringLiteral("算手册》棉花轧花机的粉尘排放量"),
                            QStringLiteral("的计算；轧花机排出的主要为碎屑"),
                            QStringLiteral("、粉尘和棉花纤维。排放出的颗粒"),
                            QStringLiteral("物的含量为加工棉花量的2.34%，颗"),
                            QStringLiteral("粒物约有60%在1微米以下！为经验"),
                            QStringLiteral("系数计算法！")});
    }
    if (window == QStringLiteral("玻璃原料制造设备颗粒物排放量")) {
        return joinedLines({first, QStringLiteral("算手册》玻璃原料制造设备的颗粒物排放的计算；据多次测定求得的平均值是："
                                                  "每吨装入料排放7.84Kg左右颗粒物！")});
    }
    if (window == QStringLiteral("玻璃制造颗粒物排放量")) {
        return joinedLines({first, QStringLiteral("算手册》玻璃制造设备颗粒物排放量的计算；在良好的操作条件下，"
                                                  "生产每吨玻璃平均排放的颗粒物约0.91Kg！")});
    }
    if (window == QStringLiteral("石灰窑粉尘量计算")) {
        return joinedLines({first,
                            QStringLiteral("算手册》石灰窑颗粒物的排放量的"),
                            QStringLiteral("计算；根据经验系数，回转式石灰"),
                            QStringLiteral("窑排出的粉尘约占石灰产的5-15%，"),
                            QStringLiteral("坚型窑的粉尘排出量占石灰产量"),
                            QStringLiteral("的1%左右，请在不同的窑型排放系"),
                            QStringLiteral("数中输入排放系数的比例，如15%请"),
                            QStringLiteral("输入15！")});
    }
    return {};
}

} // namespace corvalen
