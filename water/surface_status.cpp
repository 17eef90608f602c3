#include "water/surface_status.h"

#include "common/numbers/number_text.h"

#include <cmath>
#include <optional>

namespace corvalen {
namespace {

const QStringView kTwoDecimals = u"0.00";

QString echo(const QStringList &items)
{
    QString text = QStringLiteral("|");
    for (const QString &item : items)
        text += item + u'|';
    return text;
}

// A quotient that the display pattern shows; none when an operand is no
// number or the divisor is zero.
std::optional<double> quotient(std::optional<double> dividend, std::optional<double> divisor)
{
    if (!dividend || !divisor || *divisor == 0)
        return std::nullopt;
    return *dividend / *divisor;
}

QString patternText(std::optional<double> value)
{
    return ApplyDisplayPattern(value.value_or(0), kTwoDecimals);
}

} // namespace

QStringList valueListItems(QStringView text)
{
    QStringList items;
    qsizetype from = 0;
    for (;;) {
        const qsizetype bar = text.indexOf(u'|', from);
        if (bar < 0)
            break;
        items << text.mid(from, bar - from).toString();
        from = bar + 1;
    }
    return items;
}

double itemValue(QStringView item)
{
    return LeadingNumber(item);
}

QString nemerowReport(const QString &list)
{
    const QStringList items = valueListItems(list);
    std::optional<double> maximum;
    double sum = 0;
    for (const QString &item : items) {
        const double u = itemValue(item);
        if (!maximum || u > *maximum)
            maximum = u;
        sum += u;
    }
    std::optional<double> mean;
    if (!items.isEmpty()) {
        mean = sum / double(items.size());
        // A sum beyond the double range: the mean of the shares instead.
        if (!std::isfinite(*mean)) {
            double shares = 0;
            for (const QString &item : items)
                shares += itemValue(item) / double(items.size());
            mean = shares;
        }
    }
    const double m = maximum.value_or(0);
    const double a = mean.value_or(0);
    double nemerow = std::sqrt((m * m + a * a) / 2);
    // Squares beyond the double range: the same root without squaring.
    if (std::isinf(nemerow) && std::isfinite(m) && std::isfinite(a))
        nemerow = std::hypot(m, a) / std::sqrt(2.0);

    QStringList lines;
    lines << QStringLiteral("你输入的数据个数为:") + (items.isEmpty() ? QString() : DoubleText(double(items.size())))
          << QStringLiteral("    输入的数据为：") + echo(items)
          << QStringLiteral("    最大值为：") + patternText(maximum)
          << QStringLiteral("    算术平均值为：") + patternText(mean)
          << QStringLiteral("    内梅罗平均值：") + patternText(nemerow);
    return lines.join(u'\n');
}

QString shortIndexText(double rounded)
{
    return SignedNumberText(rounded);
}

QString singleFactorReport(const SingleFactorInput &input)
{
    const QStringList items = valueListItems(input.list);
    const std::optional<double> standard = ToDouble(input.standard);
    QString indexes = QStringLiteral("|");
    for (const QString &item : items) {
        const QString rounded = patternText(quotient(itemValue(item), standard));
        // The rounded text holds a number unless the quotient is infinite;
        // that is shown by its own text.
        const std::optional<double> back = ToDouble(rounded);
        indexes += (back ? shortIndexText(*back) : rounded) + u'|';
    }
    QStringList lines;
    lines << QStringLiteral("你输入的数据为：") + echo(items) << QStringLiteral("计算结果如下：")
          << QStringLiteral("单项评价指数为：") + indexes;
    return lines.join(u'\n');
}

QString purificationText(const PurificationInput &input)
{
    const std::optional<double> ch = ToDouble(input.background);
    const std::optional<double> c = ToDouble(input.mixed);
    const std::optional<double> lambda = ToDouble(input.utilisation);
    const std::optional<double> cs = ToDouble(input.standard);
    std::optional<double> p;
    if (ch && c && lambda && cs)
        p = quotient(*c - *ch, *lambda * (*cs - *ch));
    return QStringLiteral("此物质的自净利用指数:") + patternText(p);
}

QString rankingText(const RankingInput &input)
{
    const std::optional<double> qp = ToDouble(input.sewageFlow);
    const std::optional<double> qh = ToDouble(input.riverFlow);
    const std::optional<double> cp = ToDouble(input.sewageConcentration);
    const std::optional<double> ch = ToDouble(input.background);
    const std::optional<double> cs = ToDouble(input.standard);
    std::optional<double> ise;
    if (qp && qh && cp && ch && cs)
        ise = quotient(*cp * *qp, (*cs - *ch) * *qh);
    return QStringLiteral("该物质污染排序指数ISE=") + patternText(ise);
}

} // namespace corvalen
