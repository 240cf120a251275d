// The row of a match length in the statistics, and counts as decimal texts that never overflow.

#include "persist/statistics.h"

#include <algorithm>

#include "persist/settings_file.h"

namespace liorna {

std::optional<std::size_t> statisticsRow(int matchTargetCode)
{
    static constexpr int codes[] = {11, 14, 16, 18, 20, 22};
    for (std::size_t row = 0; row < 6; ++row)
        if (codes[row] == matchTargetCode)
            return row;
    return std::nullopt;
}

namespace {

bool isDigits(std::string_view text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

bool isCount(const std::string& text)
{
    return isDigits(trimBlanks(text));
}

namespace {

// Digits without leading zeros; "0" for zero.
std::string normalised(const std::string& digits)
{
    const auto first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

// Adds two digit strings, written with the least significant digit first.
std::string addReversed(const std::string& a, const std::string& b)
{
    std::string sum;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
        const int d = carry + (i < a.size() ? a[i] - '0' : 0) + (i < b.size() ? b[i] - '0' : 0);
        sum += static_cast<char>('0' + d % 10);
        carry = d / 10;
    }
    return sum;
}

} // namespace

std::string incrementCount(const std::string& text)
{
    const std::string_view digits = trimBlanks(text);
    if (!isDigits(digits))
        return text;
    std::string reversed(digits.rbegin(), digits.rend());
    reversed = addReversed(reversed, "1");
    return normalised(std::string(reversed.rbegin(), reversed.rend()));
}

std::string sumCounts(const std::vector<std::string>& texts)
{
    std::string reversed = "0";
    for (const auto& text : texts)
        if (const std::string_view digits = trimBlanks(text); isDigits(digits))
            reversed = addReversed(reversed, std::string(digits.rbegin(), digits.rend()));
    return normalised(std::string(reversed.rbegin(), reversed.rend()));
}

} // namespace liorna
