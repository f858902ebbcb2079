#include "model/numbertext.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

namespace niruka {
namespace {

struct ParseCase {
    const char *name;
    const char16_t *text;
    double expected;
};

const ParseCase kParseCases[] = {
    {"empty", u"", 0.0},
    {"plain integer", u"25", 25.0},
    {"decimal", u"0.013", 0.013},
    {"leading blanks", u"   12.5", 12.5},
    {"leading tab", u"\t8", 8.0},
    {"leading ideographic space", u"\u30007", 7.0},
    {"trailing text ignored", u"12.5abc", 12.5},
    {"trailing unit", u"100mm/hr", 100.0},
    {"negative", u"-3", -3.0},
    {"explicit plus", u"+4", 4.0},
    {"no leading zero", u".5", 0.5},
    {"negative without leading zero", u"-.25", -0.25},
    {"bare trailing point", u"5.", 5.0},
    {"second point ends the number", u"1.2.3", 1.2},
    {"exponent is not read", u"1e5", 1.0},
    {"inner blank ends the number", u"12 34", 12.0},
    {"comma ends the number", u"1,000", 1.0},
    {"letters only", u"abc", 0.0},
    {"full-width digits", u"１２", 0.0},
    {"sign alone", u"-", 0.0},
    {"point alone", u".", 0.0},
    {"sign then blank", u"- 5", 0.0},
    {"sign then point only", u"+.", 0.0},
    {"blanks only", u"   ", 0.0},
    {"tiny", u"0.0000001", 1e-7},
    {"long fraction", u"0.1000000000000000055511151231257827", 0.1},
};

TEST(ParseLeadingNumber, ReadsTheLongestNumericPrefix)
{
    for (const ParseCase &c : kParseCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(parseLeadingNumber(QStringView(c.text)), c.expected);
    }
}

TEST(ParseLeadingNumber, NegativeZeroReadsAsPlainZero)
{
    for (const char16_t *text : {u"-0", u"-0.000", u"-.0"}) {
        const double v = parseLeadingNumber(QStringView(text));
        EXPECT_EQ(v, 0.0);
        EXPECT_FALSE(std::signbit(v)) << QString::fromUtf16(text).toStdString();
    }
}

TEST(ParseLeadingNumber, OutOfRangeGivesZeroNotInfinity)
{
    const QString huge = QStringLiteral("1") + QString(400, u'0');
    EXPECT_EQ(parseLeadingNumber(huge), 0.0);
    EXPECT_EQ(parseLeadingNumber(QStringLiteral("-") + huge), 0.0);
    // The largest finite values still read.
    EXPECT_TRUE(std::isfinite(parseLeadingNumber(QStringLiteral("1") + QString(300, u'0'))));
}

TEST(HasLeadingNumber, TellsZeroFromNothing)
{
    EXPECT_TRUE(hasLeadingNumber(u"0"));
    EXPECT_TRUE(hasLeadingNumber(u" -.5x"));
    EXPECT_FALSE(hasLeadingNumber(u""));
    EXPECT_FALSE(hasLeadingNumber(u"abc"));
    EXPECT_FALSE(hasLeadingNumber(u"-"));
    EXPECT_FALSE(hasLeadingNumber(u"１"));
}

struct FormatCase {
    const char *pattern;
    double value;
    const char *expected;
    const char *why;
};

const FormatCase kFormatCases[] = {
    // "0"
    {"0", 2.5, "3", "half rounds away from zero"},
    {"0", -2.5, "-3", "negative half rounds away from zero"},
    {"0", 0.4, "0", "rounds down to zero"},
    {"0", -0.4, "0", "no minus on a zero result"},
    {"0", 0.0, "0", "zero"},
    {"0", 1234.5, "1235", "no grouping"},
    {"0", 1e20, "100000000000000000000", "large value in fixed notation"},
    // "0.0"
    {"0.0", 100.0, "100.0", "mandatory decimal"},
    {"0.0", 0.05, "0.1", "half up at the first decimal"},
    {"0.0", 0.25, "0.3", "shortest form 0.25 rounds up"},
    {"0.0", 99.95, "100.0", "carry into the integer part"},
    {"0.0", -0.04, "0.0", "no -0.0"},
    {"0.0", 123.456, "123.5", "intensity hand-back"},
    // "0.0#"
    {"0.0#", 1.25, "1.25", "allowance factor 25 %"},
    {"0.0#", 1.1, "1.1", "optional zero dropped"},
    {"0.0#", 1.0, "1.0", "mandatory decimal kept"},
    {"0.0#", 20.116, "20.12", "inflow time"},
    {"0.0#", 0.005, "0.01", "half up at the second decimal"},
    {"0.0#", 1.2, "1.2", "allowance factor 20 %"},
    // "0.0##"
    {"0.0##", 0.5, "0.5", "optional zeros dropped"},
    {"0.0##", 0.625, "0.625", "three decimals"},
    {"0.0##", 5.0, "5.0", "integer keeps one decimal"},
    {"0.0##", 0.41, "0.41", "weighted coefficient"},
    {"0.0##", 0.5666666666666667, "0.567", "weighted coefficient rounded"},
    {"0.0##", 0.9995, "1.0", "carry leaves only the mandatory zero"},
    // "0.00"
    {"0.00", 0.125, "0.13", "decimal half of 0.125"},
    {"0.00", 1.005, "1.01", "1.005 rounds on its decimal form, not its binary value"},
    {"0.00", 2.675, "2.68", "2.675 likewise"},
    {"0.00", 1000.0, "1000.00", "catchment area"},
    {"0.00", -0.001, "0.00", "no -0.00"},
    {"0.00", 493.7690, "493.77", "largest area"},
    // "0.00#"
    {"0.00#", 0.5, "0.50", "two mandatory decimals"},
    {"0.00#", 0.9500000000000001, "0.95", "fill code times 0.1"},
    {"0.00#", 0.0678, "0.068", "third decimal rounded"},
    {"0.00#", 0.15, "0.15", "U-trough size"},
    // "0.00##"
    {"0.00##", 0.8595, "0.8595", "velocity"},
    {"0.00##", 2.0, "2.00", "integer velocity"},
    {"0.00##", 0.79514, "0.7951", "fourth decimal rounded"},
    {"0.00##", 1.23456, "1.2346", "fourth decimal rounded up"},
    {"0.00##", 0.801, "0.801", "three decimals"},
    // "0.000"
    {"0.000", 1.0, "1.000", "three mandatory decimals"},
    {"0.000", 0.0005, "0.001", "half up at the third decimal"},
    {"0.000", 0.013, "0.013", "roughness"},
    // "0.0000"
    {"0.0000", 0.1388888888888889, "0.1389", "planned volume"},
    {"0.0000", -0.00001, "0.0000", "no -0.0000"},
    {"0.0000", 0.00005, "0.0001", "half up at the fourth decimal"},
    {"0.0000", -0.00005, "-0.0001", "negative half away from zero"},
    {"0.0000", 2.8284271247461903, "2.8284", "polygon perimeter"},
    // "0.000000"
    {"0.000000", 1e-7, "0.000000", "below the last place"},
    {"0.000000", 5e-7, "0.000001", "half up at the sixth decimal"},
    {"0.000000", 3.14159265358979, "3.141593", "six decimals"},
    // "#0.0"
    {"#0.0", 5.0, "5.0", "integer keeps one decimal"},
    {"#0.0", 0.5, "0.5", "leading zero kept"},
    {"#0.0", 12.34, "12.3", "two integer digits"},
    // "####"
    {"####", 300.0, "300", "dimension in mm"},
    {"####", 0.0, "0", "zero still shows"},
    {"####", 0.4, "0", "rounds to zero, still shows"},
    {"####", 0.5, "1", "half up"},
    {"####", 67.80000000000001, "68", "diameter times 1000"},
    {"####", 150.00000000000003, "150", "binary noise dropped"},
    {"####", -0.4, "0", "no -0"},
    {"####", 12345.0, "12345", "more digits than placeholders"},
};

TEST(FormatNumber, EveryPattern)
{
    for (const FormatCase &c : kFormatCases) {
        SCOPED_TRACE(std::string(c.pattern) + " of " + std::to_string(c.value) + ": " + c.why);
        EXPECT_EQ(formatNumber(c.value, QString::fromLatin1(c.pattern)).toStdString(), c.expected);
    }
}

TEST(FormatNumber, NonFiniteValuesGiveAnEmptyText)
{
    for (double v : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                     -std::numeric_limits<double>::infinity()}) {
        for (const char16_t *pattern : {u"0", u"0.0000", u"####"})
            EXPECT_TRUE(formatNumber(v, QStringView(pattern)).isEmpty()) << v;
    }
}

TEST(FormatNumber, ExtremeFiniteValuesStayPlainNumbers)
{
    const double big = std::numeric_limits<double>::max();
    const QString text = formatNumber(big, u"0.00");
    EXPECT_EQ(text.size(), 309 + 3);
    EXPECT_TRUE(text.endsWith(u".00"));
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::denorm_min(), u"0.0000"), u"0.0000");
    EXPECT_EQ(formatNumber(-std::numeric_limits<double>::denorm_min(), u"0"), u"0");
}

// A value handed from one screen to another travels as text: formatting and reading back must give the
// number that the text shows.
TEST(FormatNumber, ReadsBackAsTheShownNumber)
{
    struct {
        const char16_t *pattern;
        double value;
        double shown;
    } const cases[] = {
        {u"0.0##", 0.5666666666666667, 0.567},
        {u"0.00", 999.999, 1000.0},
        {u"0.0", 99.96, 100.0},
        {u"0.0#", 20.116, 20.12},
        {u"0.00##", 0.79514, 0.7951},
        {u"0.0000", 0.54, 0.54},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parseLeadingNumber(formatNumber(c.value, QStringView(c.pattern))), c.shown)
            << QString::fromUtf16(c.pattern).toStdString() << " " << c.value;
}

} // namespace
} // namespace niruka

namespace niruka {
namespace {

// Random values over many magnitudes: the text is always a plain number that reads back within half a unit
// of the last place (plus the few units of the last binary place by which the shortest decimal form may stand
// off the binary value), and a zero never carries a minus sign.
TEST(FormatNumber, RandomValuesReadBackWithinHalfTheLastPlace)
{
    const struct {
        const char16_t *pattern;
        double halfPlace;
    } patterns[] = {
        {u"0", 0.5}, {u"0.0#", 0.005}, {u"0.00", 0.005}, {u"0.0000", 0.00005}, {u"0.000000", 5e-7}};
    std::mt19937_64 random(2026);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-8, 8);
    for (int round = 0; round < 5000; ++round) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        for (const auto &p : patterns) {
            const QString text = formatNumber(value, QStringView(p.pattern));
            SCOPED_TRACE(std::to_string(value) + " -> " + text.toStdString());
            ASSERT_TRUE(hasLeadingNumber(text));
            ASSERT_FALSE(text.startsWith(u"-") && parseLeadingNumber(text) == 0.0);
            ASSERT_LE(std::fabs(parseLeadingNumber(text) - value),
                      p.halfPlace + 4 * std::numeric_limits<double>::epsilon() * std::fabs(value));
        }
    }
}

} // namespace
} // namespace niruka
