// The relation diagram checked by numbers: families, colours, labels, hand-computed points, legends.
#include "diagram/curvefamily.h"
#include "diagram/diagramgeometry.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <set>

namespace niruka {
namespace {

DiagramSettings vpSettings(VelocityFormula formula)
{
    DiagramSettings s;
    s.roughness = 0.010;
    s.runoffCoeff = 0.5;
    s.rainIntensity = 100;
    s.formula = formula;
    s.familyPosition = 0; // VP φ65–300
    s.depthPosition = 0;  // "満流"
    return s;
}

const DiagramCurve &curveOfSize(const DiagramGeometry &g, int nominal)
{
    auto it = std::find_if(g.curves.begin(), g.curves.end(),
                           [nominal](const DiagramCurve &c) { return c.nominalSize == nominal; });
    if (it == g.curves.end())
        throw std::runtime_error("no curve of that size");
    return *it;
}

TEST(DiagramGeometry, ManningStartsOnTheAxisAndKutterJustAboveIt)
{
    for (DiagramTarget target : {DiagramTarget::Screen, DiagramTarget::Printer}) {
        const auto manning = diagramGeometry(vpSettings(VelocityFormula::Manning), target);
        const auto kutter = diagramGeometry(vpSettings(VelocityFormula::Kutter), target);
        ASSERT_EQ(manning.curves.size(), 8u);
        for (std::size_t k = 0; k < manning.curves.size(); ++k) {
            const QPointF m0 = manning.curves[k].points.front();
            const QPointF k0 = kutter.curves[k].points.front();
            EXPECT_EQ(m0.x(), 0.0);
            EXPECT_EQ(m0.y(), 0.0) << "Manning size " << manning.curves[k].nominalSize;
            EXPECT_LT(k0.y(), 0.0) << "Kutter size " << kutter.curves[k].nominalSize;
            EXPECT_GT(k0.y(), -0.5) << "Kutter size " << kutter.curves[k].nominalSize;
        }
    }
}

// VP φ100 full (D = 0.1008), n = 0.010, C = 0.5, I = 100, at 10 ‰: by hand,
// A = 0.7853 D², P = 3.1415 D, R = A/P, V by the formula with s in per mille, y = 2 × −(360 A V)/(C I)
// / 1.265.
struct HandPoint {
    const char *name;
    VelocityFormula formula;
    DiagramTarget target;
    int step;        // gradient step index: page x = 10 on both targets
    double expected; // page y
};

// Test names show the case, not the bytes of the row.
void PrintTo(const HandPoint &p, std::ostream *os)
{
    std::string name = p.name;
    std::replace(name.begin(), name.end(), ' ', '_');
    *os << name;
}

class HandComputedPoint : public ::testing::TestWithParam<HandPoint> {};

TEST_P(HandComputedPoint, EqualsTheGeometry)
{
    const HandPoint &p = GetParam();
    const auto g = diagramGeometry(vpSettings(p.formula), p.target);
    const DiagramCurve &c = curveOfSize(g, 100);
    ASSERT_GT(c.points.size(), static_cast<std::size_t>(p.step));
    const QPointF pt = c.points[static_cast<std::size_t>(p.step)];
    EXPECT_DOUBLE_EQ(pt.x(), 10.0) << p.name;
    EXPECT_NEAR(pt.y(), p.expected, 1e-12) << p.name;
}

INSTANTIATE_TEST_SUITE_P(Vp100, HandComputedPoint,
                         ::testing::Values(HandPoint{"Manning paper", VelocityFormula::Manning,
                                                     DiagramTarget::Printer, 1000, -2.4686982277066027},
                                           HandPoint{"Manning screen", VelocityFormula::Manning,
                                                     DiagramTarget::Screen, 625, -2.4686982277066023},
                                           HandPoint{"Kutter paper", VelocityFormula::Kutter,
                                                     DiagramTarget::Printer, 1000, -2.2900098816015197},
                                           HandPoint{"Kutter screen", VelocityFormula::Kutter,
                                                     DiagramTarget::Screen, 625, -2.2900070094800444}),
                         [](const auto &info) {
                             std::string n = info.param.name;
                             std::replace(n.begin(), n.end(), ' ', '_');
                             return n;
                         });

TEST(DiagramGeometry, ManningPointAgreesWithTheCheckedVelocity)
{
    // The capacity check shows V = 0.8595 m/s for this pipe at 10 ‰ as a ratio (0.01); the diagram uses
    // s = 10, √1000 times the velocity: y = −2 × 360 × A × 0.8595 × √1000 / (C × I) / 1.265.
    const auto g = diagramGeometry(vpSettings(VelocityFormula::Manning), DiagramTarget::Printer);
    const double area = 0.7853 * 0.1008 * 0.1008;
    const double expected = -2 * 360 * area * 0.8595 * std::sqrt(1000.0) / 50 / 1.265;
    EXPECT_NEAR(curveOfSize(g, 100).points[1000].y(), expected, 1e-4);
}

TEST(DiagramGeometry, StepCountsCoverThePlotWidth)
{
    EXPECT_EQ(gradientStepCount(DiagramTarget::Printer), 2001);
    EXPECT_EQ(gradientStepCount(DiagramTarget::Screen), 1251);
    for (DiagramTarget target : {DiagramTarget::Screen, DiagramTarget::Printer}) {
        const auto g = diagramGeometry(vpSettings(VelocityFormula::Manning), target);
        for (const DiagramCurve &c : g.curves) {
            ASSERT_EQ(static_cast<int>(c.points.size()), gradientStepCount(target));
            EXPECT_DOUBLE_EQ(c.points.back().x(), 20.0);
        }
        EXPECT_EQ(g.curveWidth, target == DiagramTarget::Screen ? 1 : 2);
    }
}

TEST(DiagramGeometry, ColoursSkipSevenAndStartAtZeroOnlyForEightSizes)
{
    EXPECT_EQ(sizeColours(8), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 8}));
    EXPECT_EQ(sizeColours(7), (std::vector<int>{1, 2, 3, 4, 5, 6, 8}));
    EXPECT_EQ(sizeColours(6), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(sizeColours(3), (std::vector<int>{1, 2, 3}));
    DiagramSettings s = vpSettings(VelocityFormula::Manning);
    s.familyPosition = 12; // Hume φ1800–3000, seven sizes
    const auto g = diagramGeometry(s, DiagramTarget::Screen);
    std::vector<int> colours;
    for (const auto &c : g.curves)
        colours.push_back(c.colour);
    EXPECT_EQ(colours, (std::vector<int>{1, 2, 3, 4, 5, 6, 8}));
}

struct FamilyRow {
    int position;
    const char *listText;
    const char *title;
    double titleX;
    std::vector<int> sizes;
    double divisor;
    const char *lowestLabel;
    const char *highestLabel;
};

void PrintTo(const FamilyRow &row, std::ostream *os)
{
    *os << "position" << row.position;
}

class FamilyTable : public ::testing::TestWithParam<FamilyRow> {};

TEST_P(FamilyTable, TitleSizesLabelsAndDivisor)
{
    const FamilyRow &row = GetParam();
    const CurveFamily *family = curveFamilyAt(row.position);
    ASSERT_NE(family, nullptr);
    EXPECT_EQ(familyListTexts().at(row.position), QString::fromUtf8(row.listText));
    EXPECT_DOUBLE_EQ(family->divisor, row.divisor);

    DiagramSettings s = vpSettings(VelocityFormula::Manning);
    s.familyPosition = row.position;
    const auto g = diagramGeometry(s, DiagramTarget::Printer);
    ASSERT_TRUE(g.familyTitle.has_value());
    EXPECT_EQ(g.familyTitle->text, QString::fromUtf8(row.title));
    EXPECT_EQ(g.familyTitle->topLeft, QPointF(row.titleX, -52.5));
    EXPECT_EQ(g.familyTitle->pointSize, 14);

    std::vector<int> sizes;
    for (const auto &c : g.curves)
        sizes.push_back(c.nominalSize);
    EXPECT_EQ(sizes, row.sizes);

    // The y-axis labels are the last ten labels, bottom to top.
    ASSERT_GE(g.labels.size(), 10u);
    const DiagramText &lowest = g.labels[g.labels.size() - 10];
    const DiagramText &highest = g.labels.back();
    EXPECT_EQ(lowest.text, QString::fromLatin1(row.lowestLabel));
    EXPECT_DOUBLE_EQ(lowest.topLeft.y(), -5.28);
    EXPECT_EQ(highest.text, QString::fromLatin1(row.highestLabel));
    EXPECT_DOUBLE_EQ(highest.topLeft.y(), -50.24);
    const auto labelX = [](const QString &t) {
        return t.size() == 4 ? -1.1 : t.size() == 5 ? -1.4 : t.size() == 6 ? -1.6 : -1.8;
    };
    EXPECT_DOUBLE_EQ(lowest.topLeft.x(), labelX(lowest.text));
    EXPECT_DOUBLE_EQ(highest.topLeft.x(), labelX(highest.text));

    // The divisor: the point's y is 2 × Ak / divisor.
    const double d = family->sizeCount ? familySizes(*family).front().innerDiameter : 0;
    const auto ak = curveAreaValue(s, d, 10, 1.0);
    ASSERT_TRUE(ak.has_value());
    EXPECT_DOUBLE_EQ(g.curves.front().points[1000].y(), 2 * *ak / row.divisor);
}

INSTANTIATE_TEST_SUITE_P(Families, FamilyTable,
                         ::testing::Values(FamilyRow{0,
                                                     "ＶＰ管φ65-300",
                                                     "硬質塩化ビニル一般管（ＶＰ管）",
                                                     6,
                                                     {65, 75, 100, 125, 150, 200, 250, 300},
                                                     1.265,
                                                     "1000",
                                                     "10000"},
                                           FamilyRow{2,
                                                     "ＶＵ管φ65-250",
                                                     "硬質塩化ビニル薄肉管（ＶＵ管）（１）",
                                                     5.5,
                                                     {65, 75, 100, 125, 150, 200, 250},
                                                     1.265,
                                                     "1000",
                                                     "10000"},
                                           FamilyRow{3,
                                                     "ＶＵ管φ300-600",
                                                     "硬質塩化ビニル薄肉管（ＶＵ管）（２）",
                                                     5.5,
                                                     {300, 350, 400, 450, 500, 600},
                                                     12.65,
                                                     "10000",
                                                     "100000"},
                                           FamilyRow{5,
                                                     "FRPM管φ200-600",
                                                     "強化プラスチック複合管（ＦＲＰＭ管）（１）",
                                                     4.7,
                                                     {200, 250, 300, 350, 400, 450, 500, 600},
                                                     12.65,
                                                     "10000",
                                                     "100000"},
                                           FamilyRow{6,
                                                     "FRPM管φ700-1500",
                                                     "強化プラスチック複合管（ＦＲＰＭ管）（２）",
                                                     4.7,
                                                     {700, 800, 900, 1000, 1100, 1200, 1350, 1500},
                                                     126.5,
                                                     "100000",
                                                     "1000000"},
                                           FamilyRow{7,
                                                     "FRPM管φ1650-2000",
                                                     "強化プラスチック複合管（ＦＲＰＭ管）（３）",
                                                     4.7,
                                                     {1650, 1800, 2000},
                                                     253,
                                                     "200000",
                                                     "2000000"},
                                           FamilyRow{9,
                                                     "ﾋｭｰﾑ管φ150-300",
                                                     "遠心力鉄筋コンクリート管（ヒューム管）（１）",
                                                     4.5,
                                                     {150, 200, 250, 300},
                                                     1.265,
                                                     "1000",
                                                     "10000"},
                                           FamilyRow{10,
                                                     "ﾋｭｰﾑ管φ350-700",
                                                     "遠心力鉄筋コンクリート管（ヒューム管）（２）",
                                                     4.5,
                                                     {350, 400, 450, 500, 600, 700},
                                                     12.65,
                                                     "10000",
                                                     "100000"},
                                           FamilyRow{11,
                                                     "ﾋｭｰﾑ管φ800-1650",
                                                     "遠心力鉄筋コンクリート管（ヒューム管）（３）",
                                                     4.5,
                                                     {800, 900, 1000, 1100, 1200, 1350, 1500, 1650},
                                                     126.5,
                                                     "100000",
                                                     "1000000"},
                                           FamilyRow{12,
                                                     "ﾋｭｰﾑ管φ1800-3000",
                                                     "遠心力鉄筋コンクリート管（ヒューム管）（４）",
                                                     4.5,
                                                     {1800, 2000, 2200, 2400, 2600, 2800, 3000},
                                                     632.5,
                                                     "500000",
                                                     "5000000"}),
                         [](const auto &info) { return "position" + std::to_string(info.param.position); });

TEST(DiagramGeometry, SeparatorsAreNotFamilies)
{
    EXPECT_EQ(familyListTexts().size(), 13);
    for (int position : {1, 4, 8, -1, 13}) {
        EXPECT_EQ(curveFamilyAt(position), nullptr) << position;
        DiagramSettings s = vpSettings(VelocityFormula::Manning);
        s.familyPosition = position;
        const auto g = diagramGeometry(s, DiagramTarget::Screen);
        EXPECT_FALSE(g.familyTitle.has_value()) << position;
        EXPECT_TRUE(g.curves.empty()) << position;
        EXPECT_TRUE(g.settingsLegend.empty()) << position;
        EXPECT_TRUE(g.sizeLegend.empty()) << position;
        EXPECT_EQ(familyDefaultRoughness(position), QString()) << position;
    }
    EXPECT_EQ(familyDefaultRoughness(0), QStringLiteral("0.01"));
    EXPECT_EQ(familyDefaultRoughness(7), QStringLiteral("0.01"));
    EXPECT_EQ(familyDefaultRoughness(9), QStringLiteral("0.013"));
}

struct LegendCase {
    int family;
    std::vector<std::pair<int, double>> left; // (size, row y), from the top
    std::vector<std::pair<int, double>> right;
};

void PrintTo(const LegendCase &lc, std::ostream *os)
{
    *os << "position" << lc.family;
}

class SizeLegend : public ::testing::TestWithParam<LegendCase> {};

TEST_P(SizeLegend, RowsPerColumnFromTheLargestDown)
{
    const LegendCase &lc = GetParam();
    DiagramSettings s = vpSettings(VelocityFormula::Manning);
    s.familyPosition = lc.family;
    const auto g = diagramGeometry(s, DiagramTarget::Printer);
    ASSERT_EQ(g.sizeLegend.size(), lc.left.size() + lc.right.size());
    std::size_t i = 0;
    for (const auto &[size, y] : lc.left) {
        const SizeLegendRow &row = g.sizeLegend[i++];
        EXPECT_EQ(row.text.text, QStringLiteral("φ") + QString::number(size));
        EXPECT_EQ(row.line.from, QPointF(-2.4, y)) << size;
        EXPECT_EQ(row.line.to, QPointF(-0.9, y)) << size;
        EXPECT_NEAR(row.text.topLeft.x(), -0.7, 1e-12);
        EXPECT_NEAR(row.text.topLeft.y(), y - 0.4, 1e-12);
        EXPECT_EQ(row.line.colour, curveOfSize(g, size).colour);
    }
    for (const auto &[size, y] : lc.right) {
        const SizeLegendRow &row = g.sizeLegend[i++];
        EXPECT_EQ(row.text.text, QStringLiteral("φ") + QString::number(size));
        EXPECT_EQ(row.line.from, QPointF(1.2, y)) << size;
        EXPECT_EQ(row.line.to, QPointF(2.7, y)) << size;
        EXPECT_NEAR(row.text.topLeft.x(), 2.9, 1e-12);
        EXPECT_EQ(row.line.colour, curveOfSize(g, size).colour);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Families, SizeLegend,
    ::testing::Values(
        LegendCase{0,
                   {{300, 1.8}, {250, 3.0}, {200, 4.2}, {150, 5.4}},
                   {{125, 1.8}, {100, 3.0}, {75, 4.2}, {65, 5.4}}},
        LegendCase{2, {{250, 1.8}, {200, 3.0}, {150, 4.2}, {125, 5.6}}, {{100, 1.8}, {75, 3.0}, {65, 4.2}}},
        LegendCase{3, {{600, 2.4}, {500, 3.6}, {450, 4.8}}, {{400, 2.4}, {350, 3.6}, {300, 4.8}}},
        LegendCase{9, {{300, 3.0}, {250, 4.2}}, {{200, 3.0}, {150, 4.2}}},
        LegendCase{7, {}, {{2000, 2.4}, {1800, 3.6}, {1650, 4.8}}}),
    [](const auto &info) { return "position" + std::to_string(info.param.family); });

TEST(DiagramGeometry, SettingsLegendFormatsWhateverWasTyped)
{
    DiagramSettings s = vpSettings(VelocityFormula::Kutter);
    s.runoffCoeff = 0.555;
    s.rainIntensity = 85.5;
    s.roughness = 0.0135;
    s.depthPosition = 4;
    const auto g = diagramGeometry(s, DiagramTarget::Printer);
    QStringList texts;
    for (const auto &t : g.settingsLegend) {
        EXPECT_EQ(t.topLeft.y(), -51);
        EXPECT_EQ(t.pointSize, 11);
        texts << t.text;
    }
    EXPECT_EQ(texts, (QStringList{QStringLiteral("クッター公式"), QStringLiteral("流出係数 Ｃ=0.56"),
                                  QStringLiteral("１時間当たりの降雨強度 Ｉ=86mm/hr"),
                                  QStringLiteral("粗度係数 ｎ=0.014"), QStringLiteral("水深8.5割")}));
    EXPECT_EQ(g.settingsLegend.front().topLeft.x(), 0);
    EXPECT_EQ(g.settingsLegend.back().topLeft.x(), 18.3);

    s.formula.reset();
    s.depthPosition = 9;
    const auto none = diagramGeometry(s, DiagramTarget::Printer);
    EXPECT_EQ(none.settingsLegend.front().text, QStringLiteral("流出係数 Ｃ=0.56"));
    EXPECT_EQ(none.settingsLegend.back().text, QStringLiteral("水量95％"));
}

// Inputs with no defined value: every step keeps the value before it (0 at the start), so the curves lie
// flat on the axis and nothing is NaN or infinite.
struct FaultCase {
    const char *name;
    void (*spoil)(DiagramSettings &);
};

void PrintTo(const FaultCase &fc, std::ostream *os)
{
    *os << fc.name;
}

class ArithmeticFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(ArithmeticFault, KeepsThePreviousValueAndDrawsOn)
{
    for (VelocityFormula f : {VelocityFormula::Manning, VelocityFormula::Kutter}) {
        DiagramSettings s = vpSettings(f);
        GetParam().spoil(s);
        for (DiagramTarget target : {DiagramTarget::Screen, DiagramTarget::Printer}) {
            const auto g = diagramGeometry(s, target);
            ASSERT_EQ(g.curves.size(), 8u);
            for (const auto &c : g.curves) {
                ASSERT_EQ(static_cast<int>(c.points.size()), gradientStepCount(target));
                for (const QPointF &p : c.points)
                    ASSERT_EQ(p.y(), 0.0) << GetParam().name;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ArithmeticFault,
    ::testing::Values(FaultCase{"n_zero", [](DiagramSettings &s) { s.roughness = 0; }},
                      FaultCase{"C_zero", [](DiagramSettings &s) { s.runoffCoeff = 0; }},
                      FaultCase{"I_zero", [](DiagramSettings &s) { s.rainIntensity = 0; }},
                      FaultCase{"no_formula", [](DiagramSettings &s) { s.formula.reset(); }},
                      FaultCase{"depth_separator", [](DiagramSettings &s) { s.depthPosition = 8; }},
                      FaultCase{"no_depth", [](DiagramSettings &s) { s.depthPosition = -1; }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DiagramGeometry, TinyInputsGiveHugeButFiniteValues)
{
    DiagramSettings s = vpSettings(VelocityFormula::Manning);
    s.runoffCoeff = 1e-300;
    s.rainIntensity = 1e-300; // C × I underflows to 0: a fault, not infinity
    for (const auto &c : diagramGeometry(s, DiagramTarget::Printer).curves)
        for (const QPointF &p : c.points)
            ASSERT_TRUE(std::isfinite(p.y()));
}

TEST(DiagramGeometry, GridTicksOnScreenDottedLinesOnPaper)
{
    const auto screen = emptyDiagramGeometry(DiagramTarget::Screen, 0);
    const auto paper = emptyDiagramGeometry(DiagramTarget::Printer, 0);
    ASSERT_EQ(screen.axes.size(), 2u);
    EXPECT_EQ(screen.axes[0].to, QPointF(20, 0));
    EXPECT_NEAR(screen.axes[1].to.y(), -50.04, 1e-12);

    auto count = [](const DiagramGeometry &g, LineStyle style, bool solidFull) {
        return std::count_if(g.grid.begin(), g.grid.end(), [&](const DiagramLine &l) {
            const bool full = std::hypot(l.to.x() - l.from.x(), l.to.y() - l.from.y()) > 1;
            return l.style == style && (solidFull ? full : !full);
        });
    };
    // 49 verticals (0.5 … 24.5) and 100 horizontals (−0.5 … −50); majors every 2.5: 9 + 20.
    EXPECT_EQ(count(screen, LineStyle::Dotted, true), 0);
    EXPECT_EQ(count(screen, LineStyle::Solid, false), 49 + 100);
    EXPECT_EQ(count(screen, LineStyle::Solid, true), 9 + 20);
    EXPECT_EQ(count(paper, LineStyle::Dotted, true), 49 + 100);
    EXPECT_EQ(count(paper, LineStyle::Solid, true), 9 + 20);

    const auto tick = std::find_if(screen.grid.begin(), screen.grid.end(),
                                   [](const DiagramLine &l) { return l.from == QPointF(0, -0.5); });
    ASSERT_NE(tick, screen.grid.end());
    EXPECT_EQ(tick->to, QPointF(0.4, -0.5));
}

} // namespace
} // namespace niruka
