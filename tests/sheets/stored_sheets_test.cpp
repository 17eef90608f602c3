// Every stored sheet through the sheet model: each pollutant row with the
// example quantities, the cells around the rows, independent blocks, and the
// textile rows that copy their coefficients instead of multiplying.
#include "common/files/sheet_file.h"

#include <QDir>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace corvalen;

namespace {

const QString kFolder = QStringLiteral(":/data/water/sheets");

// The stored sheets by window name, each read once.
const std::map<QString, SheetFile> &storedSheets()
{
    static const std::map<QString, SheetFile> sheets = [] {
        std::map<QString, SheetFile> out;
        for (const QString &f : QDir(kFolder).entryList({QStringLiteral("*.sheet")}, QDir::Files)) {
            SheetFileResult r = loadSheetFile(kFolder + QLatin1Char('/') + f);
            out[r.file.window] = r.file;
        }
        return out;
    }();
    return sheets;
}

const Sheet &storedSheet(const char *window)
{
    return storedSheets().at(QString::fromUtf8(window)).sheet;
}

CellAddress at(const char *cell)
{
    return *parseCellName(QString::fromLatin1(cell));
}

QString shown(const Sheet &s, const char *cell)
{
    const CellAddress a = at(cell);
    return s.displayText(a.row, a.column);
}

bool boldGreen(const Sheet &s, const char *cell)
{
    const CellAddress a = at(cell);
    return s.style(a.row, a.column).bold && s.style(a.row, a.column).color == QLatin1String("#008000");
}

// Every stored sheet reads, under a window name of its own (the window
// test matches them to the menu's items).
TEST(StoredSheets, EveryFileLoads)
{
    const QStringList files = QDir(kFolder).entryList({QStringLiteral("*.sheet")}, QDir::Files);
    EXPECT_EQ(files.size(), 22);
    for (const QString &f : files) {
        const SheetFileResult r = loadSheetFile(kFolder + QLatin1Char('/') + f);
        ASSERT_TRUE(r.ok()) << r.error.toStdString();
        // No stored amount shows an error text.
        for (int row = 0; row < r.file.sheet.rowCount(); ++row)
            for (int c = 0; c < r.file.sheet.columnCount(); ++c)
                EXPECT_NE(r.file.sheet.value(row, c).kind, SheetValue::Error) << f.toStdString() << " " << row << "," << c;
    }
    EXPECT_EQ(storedSheets().size(), size_t(22)) << "two files name one window";
}

struct PollutantRow
{
    const char *window;
    const char *cell;  // the pollutant's name cell, e.g. "A3"
    const char *name, *unit;
    const char *productionCoefficient, *dischargeCoefficient;
    const char *production, *discharge;  // columns E and F as shown
};

// Every pollutant row of the 22 sheets: name, unit, the two coefficients and
// the two amounts with the stored example quantity of its block (the p H
// and 色度 rows of the textile sheets show their coefficients).
const PollutantRow kPollutantRows[] = {
        {"铜精矿污染物", "A3", "废水量", "t/t-铜精矿含铜", "961", "417.6", "1441500", "626400"},
        {"铜精矿污染物", "A4", "Cu", "Kg/t-铜精矿含铜", "11.78", "1.08", "17670", "1620"},
        {"铜精矿污染物", "A5", "Pb", "Kg/t-铜精矿含铜", "0.09", "0.02", "135", "30"},
        {"铜精矿污染物", "A6", "Zn", "Kg/t-铜精矿含铜", "2.91", "0.57", "4365", "855"},
        {"铜精矿污染物", "A7", "Cd", "Kg/t-铜精矿含铜", "0.08", "0.02", "120", "30"},
        {"铜精矿污染物", "A8", "As", "Kg/t-铜精矿含铜", "0.17", "0.01", "255", "15"},
        {"铜精矿污染物", "A9", "废石", "t/t-铜精矿含铜", "212", "212", "318000", "318000"},
        {"铜精矿污染物", "A10", "尾渣", "t/t-铜精矿含铜", "114.8", "114.8", "172200", "172200"},
        {"粗铜行业", "A3", "二氧化硫", "Kg/t-粗铜", "1630.8", "387.4", "2446200", "581100"},
        {"粗铜行业", "A4", "烟气量", "Nm3/t-粗铜", "38063", "21878", "57094500", "32817000"},
        {"粗铜行业", "A5", "烟尘", "Kg/t-粗铜", "321.79", "13.24", "482685", "19860"},
        {"粗铜行业", "A6", "冶炼渣", "t/t-粗铜", "2.998", "1.24", "4497", "1860"},
        {"粗铜行业", "A7", "废水量", "M3/t-粗铜", "105.8", "186.89", "158700", "280335"},
        {"粗铜行业", "A8", "废水中Cu", "Kg/t-粗铜", "0.617", "0.2548", "925.5", "382.2"},
        {"粗铜行业", "A9", "废水中Pb", "Kg/t-粗铜", "0.8294", "0.1679", "1244.1", "251.85"},
        {"粗铜行业", "A10", "废水中Zn", "Kg/t-粗铜", "1.0348", "0.2502", "1552.2", "375.3"},
        {"粗铜行业", "A11", "废水中Cd", "Kg/t-粗铜", "0.0539", "0.0144", "80.85", "21.6"},
        {"粗铜行业", "A12", "废水中As", "Kg/t-粗铜", "1.3738", "0.3538", "2060.7", "530.7"},
        {"铜锭铜板铅管带", "A4", "油", "Kg/t-铜锭", "0.76", "0.13", "11.4", "1.95"},
        {"铜锭铜板铅管带", "A5", "悬浮物", "Kg/t-铜锭", "4.83", "0.822", "72.45", "12.33"},
        {"铜锭铜板铅管带", "A6", "废水", "M3/t-铜锭", "94", "16", "1410", "240"},
        {"铜锭铜板铅管带", "A9", "油", "Kg/t-板带", "11.65", "2.64", "233", "52.8"},
        {"铜锭铜板铅管带", "A10", "悬浮物", "Kg/t-板带", "30.17", "3.022", "603.4", "60.44"},
        {"铜锭铜板铅管带", "A11", "废水", "M3/t-板带", "58.6", "129", "1172", "2580"},
        {"铜锭铜板铅管带", "A14", "油", "Kg/t-管棒", "22.21", "2.83", "6663", "849"},
        {"铜锭铜板铅管带", "A15", "悬浮物", "Kg/t-管棒", "34.53", "4.682", "10359", "1404.6"},
        {"铜锭铜板铅管带", "A16", "废水", "M3/t-管棒", "672", "91", "201600", "27300"},
        {"粗铅行业产排污量", "A3", "废水量", "M3/t-粗铅", "56.64", "50.53", "90624", "80848"},
        {"粗铅行业产排污量", "A4", "Pb", "Kg/t-粗铅", "3.4595", "0.059", "5535.2", "94.4"},
        {"粗铅行业产排污量", "A5", "Zn", "Kg/t-粗铅", "9.9578", "0.2776", "15932.48", "444.16"},
        {"粗铅行业产排污量", "A6", "Cd", "Kg/t-粗铅", "0.9778", "0.6204", "1564.48", "992.64"},
        {"粗铅行业产排污量", "A7", "As", "Kg/t-粗铅", "0.2126", "0.0156", "340.16", "24.96"},
        {"粗铅行业产排污量", "A8", "粉尘", "Kg/t-粗铅", "349.6", "7.6081", "559360", "12172.96"},
        {"粗铅行业产排污量", "A9", "二氧化硫", "Kg/t-粗铅", "952.53", "199.45", "1524048", "319120"},
        {"粗铅行业产排污量", "A10", "冶炼渣", "Kg/t-粗铅", "839.13", "393.24", "1342608", "629184"},
        {"粗锌行业污染物排放", "A3", "废水量", "M3/t-粗锌", "45.28", "44.97", "9056", "8994"},
        {"粗锌行业污染物排放", "A4", "Pb", "Kg/t-粗锌", "12.0668", "8.839", "2413.36", "1767.8"},
        {"粗锌行业污染物排放", "A5", "Zn", "Kg/t-粗锌", "4.3185", "1.402", "863.7", "280.4"},
        {"粗锌行业污染物排放", "A6", "Cd", "Kg/t-粗锌", "0.3345", "0.0899", "66.9", "17.98"},
        {"粗锌行业污染物排放", "A7", "As", "Kg/t-粗锌", "0.0761", "0.0304", "15.22", "6.08"},
        {"粗锌行业污染物排放", "A8", "粉尘", "Kg/t-粗锌", "253.33", "13.2104", "50666", "2642.08"},
        {"粗锌行业污染物排放", "A9", "二氧化硫", "Kg/t-粗锌", "1254.32", "277.21", "250864", "55442"},
        {"粗锌行业污染物排放", "A10", "冶炼渣", "Kg/t-粗锌", "804.61", "682.88", "160922", "136576"},
        {"氧化铝", "A4", "废气", "Nm3/t-氧化铝", "12063.87", "14973", "3619161", "4491900"},
        {"氧化铝", "A5", "粉尘", "Kg/t-氧化铝", "1650.7", "7.08", "495210", "2124"},
        {"氧化铝", "A6", "废水量", "M3/t-氧化铝", "28.58", "20.83", "8574", "6249"},
        {"氧化铝", "A7", "碱", "Kg/t-氧化铝", "22.5", "22.5", "6750", "6750"},
        {"氧化铝", "A8", "SS", "Kg/t-氧化铝", "16.5", "10.21", "4950", "3063"},
        {"氧化铝", "A9", "石油类", "Kg/t-氧化铝", "0.044", "0.044", "13.2", "13.2"},
        {"氧化铝", "A10", "赤泥", "Kg/t-氧化铝", "1430.3", "1430.3", "429090", "429090"},
        {"电解铝", "A4", "废水量", "M3/t-铝", "17.15", "15.58", "2572.5", "2337"},
        {"电解铝", "A5", "含氟废气", "万Nm3/t-铝", "23.25", "23.25", "3487.5", "3487.5"},
        {"电解铝", "A6", "氟化物", "Kg/t-铝", "21.02", "8.43", "3153", "1264.5"},
        {"电解铝", "A7", "粉尘", "Kg/t-铝", "45.71", "17.95", "6856.5", "2692.5"},
        {"电解铝", "A8", "沥清烟", "Kg/t-铝", "37.02", "12.77", "5553", "1915.5"},
        {"铝锭铝厚板", "A4", "废水量", "M3/t-产品", "60.75", "6.172", "12150", "1234.4"},
        {"铝锭铝厚板", "A5", "油类", "Kg/t-产品", "0.153", "0.016", "30.6", "3.2"},
        {"铝锭铝厚板", "A6", "尘", "Kg/t-产品", "0.386", "0.257", "77.2", "51.4"},
        {"铝锭铝厚板", "A10", "废水量", "M3/t-产品", "295.45", "115.63", "88635", "34689"},
        {"铝锭铝厚板", "A11", "油类", "Kg/t-产品", "7.335", "0.316", "2200.5", "94.8"},
        {"铝锭铝厚板", "A12", "尘", "Kg/t-产品", "0.39", "0.316", "117", "94.8"},
        {"铝薄板铝箔", "A4", "废水量", "M3/t-产品", "295.45", "115.63", "44317.5", "17344.5"},
        {"铝薄板铝箔", "A5", "油类", "Kg/t-产品", "7.335", "0.316", "1100.25", "47.4"},
        {"铝薄板铝箔", "A6", "尘", "Kg/t-产品", "0.39", "0.316", "58.5", "47.4"},
        {"铝薄板铝箔", "A10", "废水量", "M3/t-产品", "828.23", "115.163", "132516.8", "18426.08"},
        {"铝薄板铝箔", "A11", "油类", "Kg/t-产品", "7.774", "0.316", "1243.84", "50.56"},
        {"铝薄板铝箔", "A12", "尘", "Kg/t-产品", "0.39", "0.316", "62.4", "50.56"},
        {"铝铸件铝材", "A4", "废水量", "M3/t-产品", "810.23", "665.528", "121534.5", "99829.2"},
        {"铝铸件铝材", "A5", "油类", "Kg/t-产品", "16.405", "0.411", "2460.75", "61.65"},
        {"铝铸件铝材", "A6", "尘", "Kg/t-产品", "0.485", "0.411", "72.75", "61.65"},
        {"铝铸件铝材", "A10", "废水量", "M3/t-产品", "1074.72", "333.148", "376152", "116601.8"},
        {"铝铸件铝材", "A11", "油类", "Kg/t-产品", "16.05", "2.852", "5617.5", "998.2"},
        {"铝铸件铝材", "A12", "尘", "Kg/t-产品", "32.187", "2.852", "11265.45", "998.2"},
        {"镍行业", "A4", "二氧化硫", "Kg/t-电镍", "4882.7", "2926.78", "2441350", "1463390"},
        {"镍行业", "A5", "烟尘", "t/t-电镍", "1973.68", "103.61", "986840", "51805"},
        {"镍行业", "A6", "废渣", "Kg/t-电镍", "16.4", "16.4", "8200", "8200"},
        {"镍行业", "A7", "废水量", "M3/t-电镍", "13.72", "13.71", "6860", "6855"},
        {"镍行业", "A8", "Ni", "Kg/t-电镍", "2.386", "0.022", "1193", "11"},
        {"镍行业", "A9", "Cu", "Kg/t-电镍", "0.047", "0.003", "23.5", "1.5"},
        {"镍行业", "A10", "Co", "Kg/t-电镍", "0.021", "0.002", "10.5", "1"},
        {"镍行业", "A11", "Pb", "Kg/t-电镍", "0.017", "0.003", "8.5", "1.5"},
        {"镍行业", "A12", "As", "Kg/t-电镍", "0", "0", "0", "0"},
        {"镍行业", "A13", "Cd", "Kg/t-电镍", "0.002", "0.001", "1", "0.5"},
        {"碱法制浆行业", "A4", "废水量", "M3/t-浆", "289.2", "288.1", "86760", "86430"},
        {"碱法制浆行业", "A5", "COD", "kg/t-浆", "1152.9", "1133.2", "345870", "339960"},
        {"碱法制浆行业", "A6", "BOD5", "kg/t-浆", "299.5", "290.5", "89850", "87150"},
        {"碱法制浆行业", "A7", "悬浮物", "kg/t-浆", "112", "106.7", "33600", "32010"},
        {"纸袋纸新闻纸书写纸", "A4", "废水量", "M3/t-浆", "124.6", "124.6", "32396", "32396"},
        {"纸袋纸新闻纸书写纸", "A5", "COD", "kg/t-浆", "56.5", "15", "14690", "3900"},
        {"纸袋纸新闻纸书写纸", "A6", "BOD5", "kg/t-浆", "14.2", "6.4", "3692", "1664"},
        {"纸袋纸新闻纸书写纸", "A7", "SS", "kg/t-浆", "83.5", "18.5", "21710", "4810"},
        {"酒精行业污染物", "A4", "废水量", "M3/t-酒精", "108.7", "94.3", "86960", "75440"},
        {"酒精行业污染物", "A5", "COD", "kg/t-酒精", "925", "459.9", "740000", "367920"},
        {"酒精行业污染物", "A6", "BOD5", "kg/t-酒精", "485", "220.7", "388000", "176560"},
        {"酒精行业污染物", "A7", "悬浮物", "kg/t-酒精", "437", "114.8", "349600", "91840"},
        {"制革行业", "A4", "废水量", "M3/t-原皮", "142.6", "121.4", "142600", "121400"},
        {"制革行业", "A5", "COD", "kg/t-原皮", "265", "201", "265000", "201000"},
        {"制革行业", "A6", "BOD5", "kg/t-原皮", "90.3", "71.3", "90300", "71300"},
        {"制革行业", "A7", "SS", "kg/t-原皮", "181.6", "131", "181600", "131000"},
        {"制革行业", "A8", "硫化物", "kg/t-原皮", "7", "5.1", "7000", "5100"},
        {"制革行业", "A9", "总铬", "kg/t-原皮", "2.6", "1.8", "2600", "1800"},
        {"绒线类", "A4", "废水量", "t/百米", "75.2", "75.2", "225600", "225600"},
        {"绒线类", "A5", "COD", "Kg/百米", "21.3", "9.01", "63900", "27030"},
        {"绒线类", "A6", "BOD5", "Kg/百米", "7.35", "3", "22050", "9000"},
        {"绒线类", "A7", "p H", "—", "6.7", "7.5", "6.7", "7.5"},
        {"绒线类", "A8", "色度", "倍", "190", "65", "190", "65"},
        {"毛精纺", "A4", "废水量", "t/百米", "24.4", "24.4", "61000", "61000"},
        {"毛精纺", "A5", "COD", "Kg/百米", "5.54", "2.44", "13850", "6100"},
        {"毛精纺", "A6", "BOD5", "Kg/百米", "1.95", "0.73", "4875", "1825"},
        {"毛精纺", "A7", "p H", "—", "6.8", "7.5", "6.8", "7.5"},
        {"毛精纺", "A8", "色度", "倍", "60", "50", "60", "50"},
        {"毛粗纺", "A4", "废水量", "t/百米", "37.4", "37.4", "86020", "86020"},
        {"毛粗纺", "A5", "COD", "Kg/百米", "12.6", "5.24", "28980", "12052"},
        {"毛粗纺", "A6", "BOD5", "Kg/百米", "4.4", "2.24", "10120", "5152"},
        {"毛粗纺", "A7", "p H", "—", "7.4", "7.5", "7.4", "7.5"},
        {"毛粗纺", "A8", "色度", "倍", "200", "80", "200", "80"},
        {"丝织类", "A4", "废水量", "t/百米", "3.6", "3.6", "5400", "5400"},
        {"丝织类", "A5", "COD", "Kg/百米", "0.78", "0.16", "1170", "240"},
        {"丝织类", "A6", "BOD5", "Kg/百米", "0.3", "0.03", "450", "45"},
        {"丝织类", "A7", "p H", "—", "7.7", "7—8", "7.7", "7—8"},
        {"丝织类", "A8", "色度", "倍", "240", "35", "240", "35"},
        {"棉针织", "A4", "废水量", "t/百米", "2.76", "2.76", "6900", "6900"},
        {"棉针织", "A5", "COD", "Kg/百米", "1.39", "0.51", "3475", "1275"},
        {"棉针织", "A6", "BOD5", "Kg/百米", "0.37", "0.05", "925", "125"},
        {"棉针织", "A7", "p H", "—", "9.5", "7.4", "9.5", "7.4"},
        {"棉针织", "A8", "色度", "倍", "200", "50", "200", "50"},
        {"棉机织", "A4", "废水量", "t/百米", "2.8", "2.8", "2800", "2800"},
        {"棉机织", "A5", "COD", "Kg/百米", "1.97", "0.81", "1970", "810"},
        {"棉机织", "A6", "BOD5", "Kg/百米", "0.56", "0.06", "560", "60"},
        {"棉机织", "A7", "p H", "—", "10.25", "8.22", "10.25", "8.22"},
        {"棉机织", "A8", "色度", "倍", "310", "80", "310", "80"},
        {"麻纺类", "A4", "废水量", "t/百米", "716", "716", "1861600", "1861600"},
        {"麻纺类", "A5", "COD", "Kg/百米", "1.07", "0.15", "2782", "390"},
        {"麻纺类", "A6", "BOD5", "Kg/百米", "0.44", "0.04", "1144", "104"},
        {"麻纺类", "A7", "p H", "—", "9", "7.5", "9", "7.5"},
};

TEST(StoredSheets, EveryPollutantRowWithTheExampleQuantities)
{
    std::map<QString, std::set<int>> listed;
    for (const PollutantRow &c : kPollutantRows) {
        const Sheet &s = storedSheets().at(QString::fromUtf8(c.window)).sheet;
        const int row = at(c.cell).row;
        listed[QString::fromUtf8(c.window)].insert(row);
        const std::string where = std::string(c.window) + " " + c.cell;
        EXPECT_EQ(s.displayText(row, 0), QString::fromUtf8(c.name)) << where;
        EXPECT_EQ(s.displayText(row, 1), QString::fromUtf8(c.unit)) << where;
        EXPECT_EQ(s.displayText(row, 2), QString::fromUtf8(c.productionCoefficient)) << where;
        EXPECT_EQ(s.displayText(row, 3), QString::fromUtf8(c.dischargeCoefficient)) << where;
        EXPECT_EQ(s.displayText(row, 4), QString::fromUtf8(c.production)) << where;
        EXPECT_EQ(s.displayText(row, 5), QString::fromUtf8(c.discharge)) << where;
        EXPECT_TRUE(s.style(row, 4).bold && s.style(row, 5).color == QLatin1String("#008000")) << where;
        EXPECT_FALSE(s.style(row, 2).bold) << where;
    }
    // The table leaves out no pollutant row: a row with a unit and a
    // numeric production coefficient.
    for (const auto &[window, file] : storedSheets()) {
        std::set<int> rows;
        for (int r = 0; r < file.sheet.rowCount(); ++r)
            if (!file.sheet.displayText(r, 1).isEmpty() && file.sheet.value(r, 2).kind == SheetValue::Number)
                rows.insert(r);
        EXPECT_EQ(rows, listed[window]) << window.toStdString();
    }
}

// The cells around the amounts: titles, prompts, the quantities' units (the
// quantities show in the amounts), headers, the raised 3 of M3 and the
// lowered 5 of BOD5 where a sheet sets them.
TEST(StoredSheets, TitlesPromptsUnitsAndHeaders)
{
    const struct { const char *window, *cell, *text; } cases[] = {
        {"铜精矿污染物", "A1", "请输入产量:"}, {"铜精矿污染物", "D1", "吨"}, {"铜精矿污染物", "F2", "排污量"},
        {"粗铜行业", "A1", "请输入产量"}, {"铜锭铜板铅管带", "A1", "铜锭行业"}, {"铜锭铜板铅管带", "D2", "吨"},
        {"铜锭铜板铅管带", "E2", "吨"}, {"铜锭铜板铅管带", "A7", "铜板带行业"}, {"铜锭铜板铅管带", "A12", "铜管材行业"},
        {"铜锭铜板铅管带", "A8", "请输入原（产）品量"}, {"粗铅行业产排污量", "E1", "吨"},
        {"氧化铝", "A1", "氧化铝产排污量计算"}, {"氧化铝", "A2", "请输入原（产）品量"}, {"氧化铝", "E2", "吨"},
        {"氧化铝", "A3", "污染物名称"}, {"氧化铝", "F3", "排污量"}, {"电解铝", "A1", "电解铝产排污量计算"},
        {"铝锭铝厚板", "A1", "铝锭行业产排污量计算"}, {"铝锭铝厚板", "A7", "铝厚板行业产排污量计算"},
        {"铝锭铝厚板", "A8", "请输入原（产）品量"}, {"铝锭铝厚板", "E8", "吨"}, {"铝锭铝厚板", "E9", "产污量"},
        {"铝薄板铝箔", "A1", "铝薄板行业产排污量计算"}, {"铝薄板铝箔", "A7", "铝箔行业产排污量计算"},
        {"铝铸件铝材", "A1", "铝铸件行业产排污量计算"}, {"铝铸件铝材", "E2", "吨"},
        {"铝铸件铝材", "A7", "铝材行业产排污量计算"}, {"铝铸件铝材", "E8", "吨"}, {"镍行业", "A1", "镍行业产排污量计算"},
        {"镍行业", "A2", "请输入原（产）品量"}, {"镍行业", "E2", "吨"}, {"碱法制浆行业", "A1", "碱法制浆行业产排污量计算"},
        {"碱法制浆行业", "E2", "吨"}, {"纸袋纸新闻纸书写纸", "A1", "纸袋纸、新闻纸、书写纸行业产排污量计算"},
        {"酒精行业污染物", "A1", "酒精行业产排污量计算"}, {"制革行业", "A1", "制革行业产排污量计算"},
        {"制革行业", "A2", "请输入原（产）品量"}, {"制革行业", "E2", "吨"}, {"制革行业", "D3", "排污系数"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(shown(storedSheet(c.window), c.cell), QString::fromUtf8(c.text)) << c.window << " " << c.cell;

    // The textile sheets: title in row 1, the quantity in E2 in 百米, and
    // their own heading of the first column.
    const struct { const char *window, *title; } textiles[] = {
        {"绒线类", "纺织行业绒线产品产排污量计算"}, {"毛精纺", "纺织行业毛精纺织产品产排污量计算"},
        {"毛粗纺", "纺织行业毛粗纺织产品产排污量计算"}, {"丝织类", "纺织行业丝织产品产排污量计算"},
        {"棉针织", "纺织行业棉针织类产排污量计算"}, {"棉机织", "纺织行业棉机织类产排污量计算"},
        {"麻纺类", "纺织行业麻纺产品产排污量计算"},
    };
    for (const auto &t : textiles) {
        const Sheet &s = storedSheet(t.window);
        EXPECT_EQ(shown(s, "A1"), QString::fromUtf8(t.title)) << t.window;
        EXPECT_EQ(shown(s, "A2"), QStringLiteral("请输入原料/产品量")) << t.window;
        EXPECT_EQ(shown(s, "F2"), QStringLiteral("百米")) << t.window;
        EXPECT_EQ(shown(s, "A3"), QStringLiteral("污染料物名称")) << t.window;
        EXPECT_EQ(shown(s, "F3"), QStringLiteral("排污量")) << t.window;
        // The quantity and its unit are bold green like the amounts.
        EXPECT_TRUE(boldGreen(s, "E2") && boldGreen(s, "F2") && boldGreen(s, "E3")) << t.window;
        EXPECT_FALSE(boldGreen(s, "D2")) << t.window;
    }
    // Elsewhere the unit of the quantity stays plain; the headings are green.
    EXPECT_FALSE(boldGreen(storedSheet("氧化铝"), "E2"));
    EXPECT_FALSE(boldGreen(storedSheet("铝铸件铝材"), "E8"));
    EXPECT_TRUE(boldGreen(storedSheet("铝铸件铝材"), "F9"));
    EXPECT_FALSE(boldGreen(storedSheet("制革行业"), "E2"));

    // Raised and lowered digits: the runs of the cell, the script of the
    // second (1 raised, -1 lowered).
    const struct { const char *window, *cell; int runs, script; } marks[] = {
        {"氧化铝", "B4", 3, 1},    {"氧化铝", "B6", 3, 1},     {"电解铝", "B5", 3, 1},    {"铝锭铝厚板", "B10", 3, 1},
        {"铝薄板铝箔", "B4", 3, 1}, {"铝铸件铝材", "B4", 1, 0}, {"镍行业", "B7", 1, 0},    {"碱法制浆行业", "B4", 1, 0},
        {"碱法制浆行业", "A6", 1, 0}, {"酒精行业污染物", "B4", 1, 0}, {"制革行业", "B4", 3, 1}, {"制革行业", "A6", 2, -1},
        {"麻纺类", "A6", 2, -1},   {"绒线类", "A6", 1, 0},     {"棉机织", "A6", 1, 0},
    };
    for (const auto &m : marks) {
        const CellAddress a = at(m.cell);
        const QList<MarkupRun> runs = storedSheet(m.window).displayRuns(a.row, a.column);
        ASSERT_EQ(runs.size(), m.runs) << m.window << " " << m.cell;
        if (m.runs > 1) {
            EXPECT_EQ(runs[1].script, m.script) << m.window << " " << m.cell;
        }
    }
}

// The merged ranges of each sheet, among them the two forms of the input
// row: prompt A:B, quantity C:D, unit E:F; or prompt A:C alone.
TEST(StoredSheets, MergedRanges)
{
    const struct { const char *window, *merges; } cases[] = {
        {"铜精矿污染物", "A1:B1"},
        {"铜锭铜板铅管带", "A1:D1 A2:B2 C2:D2 E2:F2 A7:D7 A8:B8 C8:D8 E8:F8 A12:D12 A13:B13 C13:D13 E13:F13"},
        {"氧化铝", "A1:F1 A2:B2 C2:D2 E2:F2"},
        {"电解铝", "A1:F1 A2:B2 C2:D2 E2:F2"},
        {"铝锭铝厚板", "A1:F1 A2:B2 C2:D2 E2:F2 A7:F7 A8:B8 C8:D8 E8:F8"},
        {"铝薄板铝箔", "A1:F1 A2:B2 C2:D2 E2:F2 A7:F7 A8:B8 C8:D8 E8:F8"},
        {"铝铸件铝材", "A1:F1 A2:C2 A7:F7 A8:C8"},
        {"镍行业", "A1:F1 A2:C2"},
        {"碱法制浆行业", "A1:F1 A2:C2"},
        {"纸袋纸新闻纸书写纸", "A1:F1 A2:C2"},
        {"酒精行业污染物", "A1:F1 A2:C2"},
        {"制革行业", "A1:F1 A2:C2"},
        {"绒线类", "A1:F1 A2:D2"},
        {"丝织类", "A1:F1 A2:D2"},
        {"麻纺类", "A1:F1 A2:D2"},
    };
    for (const auto &c : cases) {
        QStringList merges;
        for (const CellRange &m : storedSheet(c.window).merges())
            merges << cellName(m.top, m.left) + QLatin1Char(':') + cellName(m.bottom, m.right);
        EXPECT_EQ(merges.join(QLatin1Char(' ')), QString::fromUtf8(c.merges)) << c.window;
    }
    EXPECT_TRUE(storedSheet("铜锭铜板铅管带").isCovered(1, 3));  // the second 吨 under the merged quantity
}

// A sheet with several blocks keeps them apart: a quantity drives its own
// rows only; 0 gives 0 in every amount of its block.
TEST(StoredSheets, BlocksAreIndependent)
{
    // The block's rows, counted from 1.
    const struct { const char *window, *quantity; int firstRow, lastRow; } cases[] = {
        {"铜锭铜板铅管带", "C8", 9, 11},
        {"铜锭铜板铅管带", "C2", 4, 6},
        {"铝锭铝厚板", "C8", 10, 12},
        {"铝薄板铝箔", "C2", 4, 6},
        {"铝铸件铝材", "D8", 10, 12},
        {"铝铸件铝材", "D2", 4, 6},
        {"镍行业", "D2", 4, 13},
        {"酒精行业污染物", "D2", 4, 7},
        {"棉针织", "E2", 4, 6},
    };
    for (const auto &c : cases) {
        Sheet s = storedSheet(c.window);
        const Sheet before = s;
        s.setInput(at(c.quantity).row, at(c.quantity).column, QStringLiteral("0"));
        for (int r = 0; r < s.rowCount(); ++r)
            for (int col = 4; col < 6; ++col) {
                const std::string where = std::string(c.window) + " " + c.quantity + " row " + std::to_string(r + 1);
                if (r + 1 >= c.firstRow && r + 1 <= c.lastRow) {
                    EXPECT_EQ(s.displayText(r, col), QStringLiteral("0")) << where;
                } else if (!(r == at(c.quantity).row && col == at(c.quantity).column)) {
                    EXPECT_EQ(s.displayText(r, col), before.displayText(r, col)) << where;
                }
            }
    }
}

// The p H and 色度 rows copy their coefficients: five sheets by reference,
// following an edited coefficient; the cotton-weaving and bast-fibre sheets
// as numbers of their own. No quantity changes them.
TEST(StoredSheets, TextilePhAndColourRowsCopyTheirCoefficients)
{
    const struct { const char *window; bool references, colourRow; } cases[] = {
        {"绒线类", true, true}, {"毛精纺", true, true},   {"毛粗纺", true, true}, {"丝织类", true, true},
        {"棉针织", true, true}, {"棉机织", false, true}, {"麻纺类", false, false},
    };
    for (const auto &c : cases) {
        Sheet s = storedSheet(c.window);
        const Sheet before = s;
        s.setInput(1, 4, QStringLiteral("1"));
        for (const char *cell : {"E7", "F7", "E8", "F8"})
            EXPECT_EQ(shown(s, cell), shown(before, cell)) << c.window << " " << cell;
        EXPECT_EQ(shown(s, "E4"), shown(s, "C4")) << c.window;  // the multiplied rows follow

        s.setInput(6, 2, QStringLiteral("7"));
        s.setInput(6, 3, QStringLiteral("'中性"));
        EXPECT_EQ(shown(s, "E7"), c.references ? QStringLiteral("7") : shown(before, "E7")) << c.window;
        EXPECT_EQ(shown(s, "F7"), c.references ? QStringLiteral("中性") : shown(before, "F7")) << c.window;
        if (c.colourRow) {
            s.setInput(7, 3, QStringLiteral("12"));
            EXPECT_EQ(shown(s, "F8"), c.references ? QStringLiteral("12") : shown(before, "F8")) << c.window;
        }
    }
}

} // namespace
