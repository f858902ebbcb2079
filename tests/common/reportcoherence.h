#pragma once
// The numbers of a report checked against each other, without any window: every printed A, P, R, V, Q1,
// Q2, verdict and Amax must follow from the printed entries within the rounding of the printed digits, and
// no number may be missing. reportAgreesWithItself() returns what is wrong, or an empty text.

#include "model/designcase.h"
#include "report/reportcomposer.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <optional>

namespace niruka::test {

using namespace Qt::StringLiterals;

// A printed number and the half-unit of its last digit.
struct Printed {
    double value = 0.0;
    double half = 0.0;
    double lo() const { return value - half; }
    double hi() const { return value + half; }
};

inline Printed printed(const QString &text)
{
    const qsizetype point = text.indexOf(u'.');
    const int decimals = point < 0 ? 0 : int(text.size() - point - 1);
    return Printed{text.toDouble(), 0.5 * std::pow(10.0, -decimals)};
}

struct Interval {
    double lo = 0.0, hi = 0.0;
};

inline Interval times(Interval a, Interval b)
{
    const double c[4] = {a.lo * b.lo, a.lo * b.hi, a.hi * b.lo, a.hi * b.hi};
    return {*std::min_element(c, c + 4), *std::max_element(c, c + 4)};
}

// a / b for a positive b; a printed divisor that may be 0 ("0.0" for an I of 0.013) bounds nothing above.
inline Interval over(Interval a, Interval b)
{
    const double tiny = 1e-300;
    return times(a, Interval{1.0 / std::max(b.hi, tiny), 1.0 / std::max(b.lo, tiny)});
}

inline Interval of(const Printed &p)
{
    return {p.lo(), p.hi()};
}

// True when the printed value `shown` can be the rounding of a value in `exact` (plus a little slack for
// literal coefficients such as "0.7853").
inline bool agrees(const Printed &shown, Interval exact, double slack = 0.0)
{
    const double eps = 1e-9 + slack;
    return shown.value >= exact.lo - shown.half - eps && shown.value <= exact.hi + shown.half + eps;
}

// The numbers of the first (or last) line matched by `pattern`, whose captures are numbers; empty when no
// line matches.
inline std::optional<QList<Printed>> numbersOf(const QStringList &lines, const QString &pattern,
                                               bool last = false)
{
    const QRegularExpression re(pattern);
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const QString &line = lines[last ? lines.size() - 1 - k : k];
        const QRegularExpressionMatch m = re.match(line);
        if (!m.hasMatch())
            continue;
        QList<Printed> out;
        for (int i = 1; i <= m.lastCapturedIndex(); ++i)
            out << printed(m.captured(i));
        return out;
    }
    return std::nullopt;
}

inline QString num()
{
    return QStringLiteral("(-?[0-9]+(?:\\.[0-9]+)?)");
}

// (a): the facility check recomputed from its printed entries.
inline QString reportAgreesWithItself(const QStringList &lines)
{
    const QString n = num();
    // A number left out: an operator next to another operator, a unit or the end of the line.
    static const QRegularExpression empty(
        QStringLiteral("(=|×|/|＋|－|･)(×|･|\\)|/|=|＋|m2|m3|m/sec|mm/hr|min|ha|‰|$)"));
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty() || line.contains(u'―'))
            continue;
        if (empty.match(line).hasMatch())
            return QStringLiteral("a number is missing: ") + line;
    }

    const auto q1Line = numbersOf(lines, QStringLiteral("^ *計画雨水量 Q1=\\(1/360\\)×") + n + u"×"_s + n +
                                             u"×"_s + n + u"="_s + n + u"m3/sec$"_s);
    const auto rLine =
        numbersOf(lines, QStringLiteral("^ *・　径　　深   R=A/P=") + n + u"/"_s + n + u"="_s + n + u"m$"_s);
    const auto q2Line =
        numbersOf(lines, QStringLiteral("^ *流　量 Q2=A･V=") + n + u"×"_s + n + u"="_s + n + u"m3/sec$"_s);
    if (!q1Line || !rLine || !q2Line)
        return QStringLiteral("the Q1, R or Q2 line is missing");
    Printed c = (*q1Line)[0];
    const Printed i = (*q1Line)[1], aHa = (*q1Line)[2], q1 = (*q1Line)[3];
    c.half = 0.0005; // "0.0##" drops trailing zeros: 0.5 stands for 0.500
    const Printed area = (*rLine)[0], perimeter = (*rLine)[1], radius = (*rLine)[2];
    const Printed q2Area = (*q2Line)[0], velocity = (*q2Line)[1], q2 = (*q2Line)[2];

    if (!agrees(q1, over(times(times(of(c), of(i)), of(aHa)), Interval{360.0, 360.0})))
        return QStringLiteral("Q1 does not follow from C, I and A");
    if (perimeter.hi() <= 0.0 || !agrees(radius, over(of(area), of(perimeter))))
        return QStringLiteral("R does not follow from A and P");
    if (q2Area.value != area.value)
        return QStringLiteral("Q2 uses another A");
    if (!agrees(q2, times(of(area), of(velocity))))
        return QStringLiteral("Q2 does not follow from A and V");

    // The velocity, by the formula the heading names.
    const auto manning = numbersOf(lines, QStringLiteral("^ *流 速 V=1/") + n + u"×"_s + n +
                                              u"\\^\\(2/3\\)×"_s + n + u"\\^\\(1/2\\)$"_s);
    const auto kutter = numbersOf(
        lines, QStringLiteral("^ *=\\(") + n + u"/"_s + n + u"\\)×"_s + n + u"="_s + n + u"m/sec$"_s, true);
    if (manning) {
        const Printed rough = (*manning)[0], r = (*manning)[1], slope = (*manning)[2];
        if (r.value != radius.value)
            return QStringLiteral("V uses another R");
        if (rough.hi() <= 0.0)
            return QStringLiteral("n is 0");
        const Interval v{std::pow(std::max(r.lo(), 0.0), 2.0 / 3.0) * std::sqrt(std::max(slope.lo(), 0.0)) /
                             rough.hi(),
                         std::pow(r.hi(), 2.0 / 3.0) * std::sqrt(slope.hi()) / std::max(rough.lo(), 1e-12)};
        if (!agrees(velocity, v))
            return QStringLiteral("V does not follow from n, R and I");
    } else if (kutter) {
        // The last Kutter line of the facility check (the flow-time block's comes first).
        const Printed numerator = kutter->at(0), denominator = kutter->at(1), root = kutter->at(2);
        if (denominator.hi() <= 0.0 ||
            !agrees(velocity, times(over(of(numerator), of(denominator)), of(root))))
            return QStringLiteral("V does not follow from the Kutter quantities");
    } else {
        return QStringLiteral("no velocity line");
    }

    // The verdict: the printed Q1 (or k×Q1) against the printed Q2.
    const auto plain = numbersOf(lines, QStringLiteral("^ *Q1=") + n + u"m3/sec  ([<>])  Q2="_s + n);
    const auto withK =
        numbersOf(lines, QStringLiteral("^ *") + n + u"×Q1="_s + n + u"m3/sec  ([<>])  Q2="_s + n);
    const QRegularExpression verdictRe(
        QStringLiteral("m3/sec  ([<>])  Q2=[0-9.]+m3/sec +(?:　)?∴ (O\\.K|NO)$"));
    QString sign, verdict;
    for (const QString &line : lines) {
        const QRegularExpressionMatch m = verdictRe.match(line);
        if (m.hasMatch()) {
            sign = m.captured(1);
            verdict = m.captured(2);
        }
    }
    if (verdict.isEmpty())
        return QStringLiteral("no verdict line");
    if ((sign == u"<"_s) != (verdict == u"O.K"_s))
        return QStringLiteral("the verdict contradicts its sign");
    Printed left, right;
    Printed k{1.0, 0.0};
    if (withK) {
        k = (*withK)[0];
        left = (*withK)[1];
        right = (*withK)[3];
        if (!agrees(left, times(of(k), of(q1))))
            return QStringLiteral("k×Q1 does not follow from k and Q1");
    } else if (plain) {
        left = (*plain)[0];
        right = (*plain)[2];
        if (left.value != q1.value)
            return QStringLiteral("the verdict uses another Q1");
    } else {
        return QStringLiteral("the verdict line does not read");
    }
    if (right.value != q2.value)
        return QStringLiteral("the verdict uses another Q2");
    if (left.value < right.value && verdict != u"O.K"_s)
        return QStringLiteral("NO although Q1 < Q2");
    if (left.value > right.value && verdict != u"NO"_s)
        return QStringLiteral("O.K although Q1 > Q2");

    // The largest catchment area from the printed Q2, C and I (C there is shown with one decimal only,
    // so it is taken from the Q1 line).
    const auto amax = numbersOf(lines, QStringLiteral("^ *=") + n + u"ha ="_s + n + u"m2$"_s);
    if (!amax)
        return QStringLiteral("no Amax line");
    if (c.hi() <= 0.0 || i.hi() <= 0.0)
        return QStringLiteral("C or I is 0");
    const Interval expected = over(times(Interval{360.0, 360.0}, of(q2)), times(times(of(c), of(i)), of(k)));
    if (!agrees((*amax)[0], expected, 1e-6 * expected.hi))
        return QStringLiteral("Amax does not follow from Q2, C and I");
    return {};
}

inline QStringList reportText(const DesignCase &design, bool *split = nullptr)
{
    const ComposedReport report = composeReport(design, ReportOutput::TextFile);
    QStringList lines;
    for (const ReportLine &line : report.lines)
        lines << QString::number(line.part) + (line.failingVerdict ? u'!' : u' ') + line.text;
    if (split)
        *split = report.split;
    return lines;
}

} // namespace niruka::test
