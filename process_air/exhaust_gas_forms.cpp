#include "process_air/exhaust_gas_forms.h"

#include "process_air/exhaust_gas.h"

namespace corvalen {

const std::vector<ExhaustGasForm> &exhaustGasForms()
{
    static const std::vector<ExhaustGasForm> forms = {
        {
            QStringLiteral("石灰窑废气产生量"),
            QStringLiteral("石灰窑废气量的计算"),
            {
                {QStringLiteral("Text1"), QStringLiteral("石灰窑年产量(t)：")},
                {QStringLiteral("Text2"), QStringLiteral("生产1吨石灰耗燃料量(kg)：")},
                {QStringLiteral("Text3"), QStringLiteral("燃料炭含量（%）：")},
                {QStringLiteral("Text4"), QStringLiteral("废气回收利用率（%）：")},
                {QStringLiteral("Text5"), QStringLiteral("窑气中CO2所占体积百分数（%）：")},
            },
            QStringLiteral("石灰窑废气量的计算，其中，石灰窑气中CO2所占的体积百分比浓度一般在25%-30%之间波动！"),
            QStringLiteral("石灰窑全年排放废气量="),
            QStringLiteral("标立方米"),
            [] {
                return [kiln = LimeKiln()](const QStringList &t) mutable {
                    kiln.press(t[0], t[1], t[2], t[3], t[4]);
                    return kiln.annualVolume;
                };
            },
        },
        {
            QStringLiteral("白云石窑废气量计算"),
            QStringLiteral("白云石窑废气量的计算"),
            {
                {QStringLiteral("Text1"), QStringLiteral("白云石窑年产熟白云石量(t)：")},
                {QStringLiteral("Text2"), QStringLiteral("生产1吨白云石耗燃料量(kg)：")},
                {QStringLiteral("Text3"), QStringLiteral("燃料炭含量（%）：")},
                {QStringLiteral("Text4"), QStringLiteral("白云石中氧化镁含量（%）：")},
                {QStringLiteral("Text5"), QStringLiteral("窑气中CO2所占体积百分数（%）：")},
                {QStringLiteral("Text8"), QStringLiteral("白云石中氧化钙的含量（%）：")},
            },
            QStringLiteral("白云石窑废气量的计算，白云石主要含碳酸钙和碳酸镁。煅烧后的白云石主要用做耐火材料。"
                           "炼钢厂一般都有白云石窑。"),
            QStringLiteral("白云石窑全年排放废气量="),
            QStringLiteral("标立方米"),
            [] {
                return [kiln = DolomiteKiln()](const QStringList &t) mutable {
                    kiln.press(t[0], t[1], t[2], t[3], t[4], t[5]);
                    return kiln.annualVolume;
                };
            },
        },
        {
            QStringLiteral("干燥废气计算"),
            QStringLiteral("干燥废气的计算"),
            {
                {QStringLiteral("Text1"), QStringLiteral("湿物料的初始重量（Kg）：")},
                {QStringLiteral("Text2"), QStringLiteral("物料干燥前的湿度（%）：")},
                {QStringLiteral("Text3"), QStringLiteral("物料干燥后的湿度（%）：")},
            },
            QStringLiteral("干燥废气的计算。凡从固体物料中借热能使水分汽化而被惰性气体带走可以除去物料水分的方法，"
                           "称为干燥。但是并不是所有的固体干燥的废气都要求统计，而只统计含有素有害物质干燥过程的蒸汽！"),
            QStringLiteral("干燥工艺废气产生量（Kg）："),
            QString(),
            [] {
                return [drying = Drying()](const QStringList &t) mutable {
                    drying.press(t[0], t[1], t[2]);
                    return drying.removedMass;
                };
            },
        },
        {
            QStringLiteral("蒸发废气排放量"),
            QStringLiteral("蒸发废气的计算"),
            {
                {QStringLiteral("Text1"), QStringLiteral("溶液的初始重量（Kg/h）：")},
                {QStringLiteral("Text2"), QStringLiteral("溶液蒸发前的重量百分比浓度：")},
                {QStringLiteral("Text3"), QStringLiteral("溶液蒸后前的重量百分比浓度：")},
            },
            QStringLiteral("蒸发废量的计算；蒸发是借加热作用使溶液的溶剂气化，以提高溶液中的溶质浓度，"
                           "或者使溶质检出的物理操作过程，在石油化工、轻工等行业中大量采用蒸发工艺。"),
            QStringLiteral("溶液的蒸发量（Kg/h）："),
            QString(),
            [] {
                return [evaporation = Evaporation()](const QStringList &t) mutable {
                    evaporation.press(t[0], t[1], t[2]);
                    return evaporation.evaporatedAmount;
                };
            },
        },
    };
    return forms;
}

QString exhaustGasBasisNote(const ExhaustGasForm &form)
{
    // The handbook's title breaks across two lines in the note.
    return QStringLiteral("计算依据：编《环境保护计\n算手册》") + form.basisSentence + QLatin1Char('\n');
}

} // namespace corvalen
