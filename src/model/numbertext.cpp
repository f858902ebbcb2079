#include "model/numbertext.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace niruka {

namespace {

bool isBlank(QChar c) noexcept
{
    return c == u' ' || c == u'\t' || c == u'\u3000';
}

bool isAsciiDigit(QChar c) noexcept
{
    return c >= u'0' && c <= u'9';
}

// The leading number as ASCII text ("-12.5", "+.5", "3."), or empty when the text has none.
std::string leadingNumberText(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    std::string out;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            out.push_back('-');
        ++i;
    }
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isAsciiDigit(c)) {
            out.push_back(static_cast<char>(c.unicode()));
            digits = true;
        } else if (c == u'.' && !point) {
            out.push_back('.');
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return {};
    return out;
}

struct Pattern {
    int minInt = 0;  // mandatory digits before the point
    int minFrac = 0; // mandatory digits after it
    int maxFrac = 0; // all digit places after it
};

Pattern parsePattern(QStringView pattern)
{
    Pattern p;
    const qsizetype dot = pattern.indexOf(u'.');
    const QStringView intPart = dot < 0 ? pattern : pattern.left(dot);
    const QStringView fracPart = dot < 0 ? QStringView() : pattern.mid(dot + 1);
    for (QChar c : intPart)
        if (c == u'0')
            ++p.minInt;
    for (QChar c : fracPart) {
        if (c == u'0' || c == u'#') {
            ++p.maxFrac;
            if (c == u'0')
                p.minFrac = p.maxFrac;
        }
    }
    return p;
}

// Adds one to the last digit of a string of decimal digits, carrying to the left; returns whether the carry
// ran out of the string.
bool incrementDigits(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it == '9') {
            *it = '0';
        } else {
            ++*it;
            return false;
        }
    }
    return true;
}

} // namespace

double parseLeadingNumber(QStringView text)
{
    const std::string number = leadingNumberText(text);
    if (number.empty())
        return 0.0;
    double value = 0.0;
    const auto [end, ec] =
        std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::fixed);
    if (ec != std::errc() || !std::isfinite(value))
        return 0.0;
    // "-0" and "-.0" read as plain 0, so they can never come back as "-0".
    return value == 0.0 ? 0.0 : value;
}

bool hasLeadingNumber(QStringView text)
{
    return !leadingNumberText(text).empty();
}

QString formatNumber(double value, QStringView pattern)
{
    if (!std::isfinite(value))
        return QString();

    const Pattern p = parsePattern(pattern);

    // The shortest decimal form that reads back as the same double, in fixed notation.
    std::array<char, 400> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                         std::chars_format::fixed);
    if (ec != std::errc())
        return QString();
    const std::string shortest(buffer.data(), end);
    const std::size_t dot = shortest.find('.');
    std::string intDigits = dot == std::string::npos ? shortest : shortest.substr(0, dot);
    std::string fracDigits = dot == std::string::npos ? std::string() : shortest.substr(dot + 1);

    // Round half away from zero at the last placeholder (the sign is applied afterwards).
    const auto places = static_cast<std::size_t>(p.maxFrac);
    if (fracDigits.size() > places) {
        const bool up = fracDigits[places] >= '5';
        fracDigits.resize(places);
        if (up && incrementDigits(fracDigits)) {
            if (incrementDigits(intDigits))
                intDigits.insert(intDigits.begin(), '1');
        }
    }
    fracDigits.resize(places, '0');

    // Optional decimals that are zero are dropped.
    while (fracDigits.size() > static_cast<std::size_t>(p.minFrac) && fracDigits.back() == '0')
        fracDigits.pop_back();

    // Leading zeros go, then the mandatory integer places come back; at least one digit always shows.
    const std::size_t firstNonZero = intDigits.find_first_not_of('0');
    intDigits = firstNonZero == std::string::npos ? std::string() : intDigits.substr(firstNonZero);
    const std::size_t minInt = static_cast<std::size_t>(p.minInt > 0 ? p.minInt : 1);
    if (intDigits.size() < minInt)
        intDigits.insert(0, minInt - intDigits.size(), '0');

    const bool zero = intDigits.find_first_not_of('0') == std::string::npos &&
                      fracDigits.find_first_not_of('0') == std::string::npos;
    std::string out;
    if (value < 0 && !zero)
        out.push_back('-');
    out += intDigits;
    if (!fracDigits.empty()) {
        out.push_back('.');
        out += fracDigits;
    }
    return QString::fromLatin1(out.data(), static_cast<qsizetype>(out.size()));
}

} // namespace niruka
