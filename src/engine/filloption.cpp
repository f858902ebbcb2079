#include "engine/filloption.h"

#include <cstddef>

namespace niruka {

namespace {

// Truncated (not rounded) to four decimals; two perimeter values are not the geometric ones and are kept
// as they are because the report prints the same table.
const std::vector<FillOption> &table()
{
    static const std::vector<FillOption> options{
        {"満流", 10, 0.7853, 3.1415},       {"水深９.5割", 9.5, 0.7707, 2.6905},
        {"水深９割", 9, 0.7445, 2.4980},    {"水深８.5割", 8.5, 0.7115, 2.3461},
        {"水深８割", 8, 0.6735, 2.2142},    {"水深７.5割", 7.5, 0.6318, 2.0943},
        {"水深７割", 7, 0.5872, 1.9823},    {"水量９５％", 95, 0.7461, 2.4980},
        {"水量９０％", 90, 0.7068, 2.3282}, {"水量８５％", 85, 0.6675, 2.1958},
        {"水量８０％", 80, 0.6283, 2.0858}, {"水量７５％", 75, 0.5890, 1.9866},
        {"水量７０％", 70, 0.5497, 1.8962},
    };
    return options;
}

constexpr int kDepthRows = 7; // "満流" and the six depth rows lead the table

// Positions of a list mapped to table rows; -1 is a separator.
template <std::size_t N> std::optional<double> codeAt(const int (&rows)[N], int position) noexcept
{
    if (position < 0 || static_cast<std::size_t>(position) >= N || rows[position] < 0)
        return std::nullopt;
    return table()[static_cast<std::size_t>(rows[position])].fillCode;
}

constexpr int kCircularRows[] = {0, -1, 1, 2, 3, 4, 5, 6, -1, 7, 8, 9, 10, 11, 12};
constexpr int kTroughRows[] = {0, -1, 1, 2, 3, 4, 5, 6};
constexpr int kDitchRows[] = {0, 1, 2, 3, 4, 5, 6};

template <std::size_t N> std::vector<std::string> listOf(const int (&rows)[N])
{
    std::vector<std::string> lines;
    for (int r : rows)
        lines.push_back(r < 0 ? std::string() : table()[static_cast<std::size_t>(r)].listText);
    return lines;
}

} // namespace

const std::vector<FillOption> &fillOptions()
{
    return table();
}

const FillOption *findFillOption(double fillCode) noexcept
{
    for (const FillOption &o : table())
        if (o.fillCode == fillCode)
            return &o;
    return nullptr;
}

bool isDepthFillCode(double fillCode) noexcept
{
    for (int i = 0; i < kDepthRows; ++i)
        if (table()[static_cast<std::size_t>(i)].fillCode == fillCode)
            return true;
    return false;
}

const std::vector<std::string> &circularFillList()
{
    static const std::vector<std::string> lines = listOf(kCircularRows);
    return lines;
}

std::optional<double> fillOptionAt(int position) noexcept
{
    return codeAt(kCircularRows, position);
}

const std::vector<std::string> &troughFillList()
{
    static const std::vector<std::string> lines = listOf(kTroughRows);
    return lines;
}

std::optional<double> troughFillOptionAt(int position) noexcept
{
    return codeAt(kTroughRows, position);
}

const std::vector<std::string> &ditchFillList()
{
    // Whole tenths with a leading blank and full-width digits, halves in half-width digits.
    static const std::vector<std::string> lines{" 10割", "9.5割", " ９割", "8.5割",
                                                " ８割", "7.5割", " ７割"};
    return lines;
}

std::optional<double> ditchFillOptionAt(int position) noexcept
{
    return codeAt(kDitchRows, position);
}

} // namespace niruka
