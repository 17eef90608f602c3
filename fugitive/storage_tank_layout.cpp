#include "fugitive/storage_tank_layout.h"

namespace corvalen {
namespace {

constexpr QStringView kMustEnter = u"必须输入";
constexpr QStringView kNoColumns = u"若无支柱,请填写0";
constexpr QStringView kFloatingWorking = u"大呼吸量计算结果       [Kg/a]：";
constexpr QStringView kFloatingStanding = u"小呼吸量计算结果       [Kg/a]：";

// The captions keep the blanks that line up their symbols.
const TankRow kRows[] = {
    // Working-loss frame.
    {"Text5", "Label6", u"泵送液体入罐量         V1[m^3]：",
     {u"泵送液体入罐量 V1        [m^3]：", u"油罐直径                 D [m]：", u"油罐直径                 D [m]："},
     kMustEnter},
    {"Text7", "Label8", u"油罐容积                V[m^3]：",
     {u"油罐容积 V               [m^3]：", u"油品密度          ρy [kg/m^3]：", u"油品密度          ρy [kg/m^3]："},
     u"必须输入!"},
    {"Text6", "Label7", u"油罐年周转次数               N：",
     {u"油罐年周转次数 N              ：", u"油罐壁粘附系数 C [m^3/1000m^2]：", u"油罐壁粘附系数 C [m^3/1000m^2]："}},
    {"Text8", "Label9", u"单位换算系数                 K：",
     {u"单位换算系数 K                ：", u"", u"支柱个数                    Nc："}, u"不可更改,导则规定!",
     {u"不可更改！", u"", kNoColumns}},
    {"Text9", "Label10", u"周转系数                    Kt：",
     {u"周转系数 Kt                   ：", u"", u"支柱有效直径             Fc[m]："}, u"无需输入,由油罐年周转次数求得!",
     {u"无需输入,由油罐年周转次数求得!", u"", kNoColumns}},
    {"Text10", "Label11", u"油品系数                    K1：", {u"油品系数                    K1：", u"", u""}},
    {"Text12", "Label13", u"油罐内液面最低温度的蒸汽压  Py1[Kpa]：",
     {u"油罐内液面最低温度的蒸汽压  Py1[Kpa]：", u"", u""}},
    {"Text13", "Label14", u"油罐内液面最高温度的蒸汽压  Py2[Kpa]：",
     {u"油罐内液面最高温度的蒸汽压  Py2[Kpa]：", u"", u""}},
    {"Text11", "Label12", u"油品平均温度下蒸汽压   Py[Kpa]：", {u"油品平均温度下蒸汽压   Py[Kpa]：", u"", u""},
     u"无需输入由(PY1+PY2)/2求得!"},
    {"Text14", "Label15", u"油蒸汽的摩尔质量    u[Kg/kmol]：", {u"油蒸汽的摩尔质量    u[Kg/kmol]：", u"", u""},
     u"u不应大于172.5,(690-4Uy)会小于0,导致计算结果会出现负数!)"},
    {"Text15", "Label16", u"大呼吸量计算结果       [m^3/a]：",
     {u"大呼吸量计算结果       [m^3/a]：", kFloatingWorking, kFloatingWorking}},

    // Standing-loss frame.
    {"Text3", "Label17", u"罐内油品本体温度下蒸汽压P[Kpa]：",
     {u"罐内油品本体温度下蒸汽压P[Kpa]：", u"密封耗损系数                Ft：", u"焊接长度系数                Fd："},
     kMustEnter},
    {"Text4", "Label18", u"当地大气压             Pa[Kpa]：",
     {u"当地大气压             P1[Kpa]：", u"密封相关系数                Kt：", u"顶板接缝耗损系数            Kd："},
     kMustEnter},
    {"Text16", "Label19", u"油罐内汽体空间高度        H[m]：",
     {u"油罐内汽体空间高度        H[m]：", u"油罐所在地平均风速      V[m/s]：", u"边圈密封损耗系数            Kc："},
     kMustEnter},
    {"Text17", "Label20", u"大气温度的平均日温差   ΔT[℃]：",
     {u"大气温度的平均日温差   ΔT[℃]：", u"与密封相关的风速指数         n：", u"单位换算系数                K8："},
     kMustEnter},
    {"Text18", "Label21", u"涂料系数                    Fp：",
     {u"涂料系数                    Fp：", u"蒸汽压函数，无量纲          P*：", u"蒸汽压函数，无量纲          P*："},
     kMustEnter},
    {"Text19", "Label22", u"单位换算系数                K2：",
     {u"单位换算系数                K2：", u"油气摩尔质量       Mv[Kg/kmol]：", u"油气摩尔质量       Mv[Kg/kmol]："},
     kMustEnter},
    {"Text20", "Label23", u"油品系数 K3                   ：",
     {u"油品系数 K3                   ：", u"油罐直径                 D [m]：", u"油罐直径                 D [m]："},
     kMustEnter},
    {"Text21", "Label24", u"小直径油罐修正系数          C1：",
     {u"小直径油罐修正系数          C1：", u"油品系数                    Kc：", u"支柱有效直径             Fc[m]："}},
    {"Text22", "Label25", u"油罐直径                  D[m]：",
     {u"油罐直径                  D[m]：", u"浮盘附件总损耗系数          Ff：", u"浮盘附件总损耗系数          Fm："},
     kMustEnter},
    {"Text23", "Label26", u"油品平均温度下蒸汽压   Py[Kpa]：",
     {u"", u"油品平均温度下蒸汽压   Py[Kpa]：", u"油品平均温度下蒸汽压   Py[Kpa]："}, kMustEnter},
    {"Text24", "Label27", u"当地大气压             Pa[Kpa]：",
     {u"", u"当地大气压             Pa[Kpa]：", u"当地大气压             Pa[Kpa]："}, kMustEnter},
    {"Text25", "Label29", u"小呼吸量计算结果       [m^3/a]：",
     {u"小呼吸量计算结果       [m^3/a]：", kFloatingStanding, kFloatingStanding}},

    // The total.
    {"Text1", "Label1", u"贮罐全年无组织排放量为 [m^3/a]：",
     {u"贮罐全年无组织排放量为 [m^3/a]：", u"贮罐全年无组织排放量为 [Kg/a]：", u"贮罐全年无组织排放量为 [Kg/a]："}},
};

TankHelp tells(QStringView message)
{
    return {.message = message};
}

TankHelp opensTable(QStringView window)
{
    return {.window = window};
}

constexpr TankHelp kNothing = {};
constexpr QStringView kPressureFunctionHelp =
    u"蒸汽压函数无量纲，要求输入油品的平均蒸汽压Py和当地气压Pa，由系统自动求得！";
constexpr QStringView kAdhesionHelp =
    u"若装气油的贮罐，缸壁分为轻锈、内锈和喷涂内衬，油罐壁粘滞系数对应的值为：0.00257、0.01284、0.2567！"
    u"若装原油的贮罐，缸壁分为轻锈、内锈和喷涂内衬，对应的值为：0.01027、0.05134、1.0268！";
constexpr QStringView kFittingsHelp =
    u"Ff浮盘附件总耗损系数因各罐所用的附件不一样，无法给出，请对照《石油库节能设计导则》手工计算输入！";
constexpr QStringView kMeanPressureHelp =
    u"油品液面的平均蒸汽压，为油罐液面表面蒸汽压年记录的最高温度液面蒸汽压和最低温度的液面蒸汽压平均值！需手工计算输入！";

const TankHelpRow kHelp[] = {
    {"Text10", {tells(u"汽油K1=1,原油K1=0.75;导则规定!"), kNothing, kNothing}},
    {"Text19", {tells(u"单位换算系数,K2=3.05"), kNothing, kNothing}},
    {"Text20", {tells(u"汽油K3=1,原油K3=0.58;导则规定!"), kNothing, kNothing}},
    {"Text21",
     {tells(u"小直径油罐修正系数C1由油罐直径求得,要求输入油罐直径!"), tells(u"油品系数，原油Kc=0.4，汽油Kc=0.1"),
      kNothing}},
    {"Text18", {opensTable(kPaintFactorWindow), tells(kPressureFunctionHelp), tells(kPressureFunctionHelp)}},
    // The dome's ΔT box opens the paint factors as Fp does.
    {"Text17", {opensTable(kPaintFactorWindow), opensTable(kSealFactorWindow), tells(u"单位换算系数K8=0.45")}},
    {"Text16", {kNothing, kNothing, opensTable(kRimSealFactorWindow)}},
    {"Text3",
     {kNothing, tells(u"要求输入密封相关系数Kt和风速指数n,由密封相关系数和风速指数系统自动由得!"),
      tells(u"Fd顶板焊接系数,系指顶板接缝长度与顶板面积的比值；需手工计算输入！")}},
    {"Text4", {kNothing, opensTable(kSealFactorWindow), tells(u"顶板接缝系数Kd，焊接顶板，Kd=0；非焊接顶板，Kd=3.66！")}},
    {"Text6", {kNothing, tells(kAdhesionHelp), tells(kAdhesionHelp)}},
    {"Text22", {kNothing, tells(kFittingsHelp), tells(kFittingsHelp)}},
    {"Text23", {kNothing, tells(kMeanPressureHelp), tells(kMeanPressureHelp)}},
};

} // namespace

std::span<const TankRow> tankRows()
{
    return kRows;
}

const TankRow *tankRow(QStringView box)
{
    for (const TankRow &row : kRows) {
        if (QLatin1StringView(row.box) == box)
            return &row;
    }
    return nullptr;
}

std::span<const TankHelpRow> tankHelpRows()
{
    return kHelp;
}

} // namespace corvalen
