#include "water/cod_bod.h"

#include "common/numbers/number_text.h"
#include "common/numbers/steps.h"

#include <cmath>

namespace corvalen {

// Empirical BOD5–CODcr lines of eight kinds of wastewater (a, b in mg/L).
const std::vector<CodBodLine> &codBodLines()
{
    static const std::vector<CodBodLine> lines = {
        {u"机械废水：", u"Text1", u"Text9", 0.2732, 1.8},
        {u"冷却废水：", u"Text2", u"Text10", 0.1285, 0.11},
        {u"制药废水：", u"Text3", u"Text11", 0.3922, 131.21},
        {u"纺织印染废水：", u"Text4", u"Text12", 0.4208, -2.49},
        {u"食品加工废水：", u"Text5", u"Text13", 0.6126, 13.7},
        {u"饮食废水：", u"Text6", u"Text14", 0.5992, 17.51},
        {u"医院废水：", u"Text7", u"Text15", 0.3439, -0.41},
        {u"生活污水：", u"Text8", u"Text16", 0.486, 17.02},
    };
    return lines;
}

std::optional<double> bod5FromCod(QStringView cod, const CodBodLine &line)
{
    const std::optional<double> value = ToDouble(cod);
    if (!value)
        return std::nullopt;
    return Finite(line.slope * *value + line.intercept);
}

} // namespace corvalen
