#include "engine/digit_pool.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace liorna {

namespace {

// The decimal text of every number below the bound, without leading zeros: its length, then up to three
// digits, so that a number is written by one fixed-size copy.
struct DecimalText {
    char length;
    char digits[3];
};

constexpr auto DECIMAL_TEXTS = [] {
    std::array<DecimalText, DigitPool::NUMBER_BOUND> texts{};
    for (std::uint32_t n = 0; n < DigitPool::NUMBER_BOUND; ++n) {
        auto& text = texts[n];
        char reversed[3] = {static_cast<char>('0' + n % 10), static_cast<char>('0' + n / 10 % 10),
                            static_cast<char>('0' + n / 100)};
        text.length = static_cast<char>(n >= 100 ? 3 : n >= 10 ? 2 : 1);
        for (int i = 0; i < text.length; ++i)
            text.digits[i] = reversed[text.length - 1 - i];
    }
    return texts;
}();

} // namespace

void DigitPool::openWindow(std::int64_t now)
{
    catchUp(now);
    if (open_)
        return;
    open_ = true;
    windowStart_ = now;
    ticks_ = 0;
}

void DigitPool::refresh(std::int64_t now)
{
    catchUp(now);
    digitPool_.clear();
    // A window appends some 750 numbers of up to three digits.
    digitPool_.reserve(2400);
    poolCount_ = 0;
    openWindow(now);
}

void DigitPool::catchUp(std::int64_t now)
{
    if (!open_)
        return;
    // A timer started at s ticks at s + period, s + 2 period, ... up to the end of the window.
    const std::int64_t elapsed =
        std::max<std::int64_t>(0, std::min(now, windowStart_ + WINDOW_MS) - windowStart_);
    const std::int64_t due = elapsed / TIMER_A_MS + elapsed / TIMER_B_MS;
    append(due - ticks_);
    ticks_ = due;
    if (now >= windowStart_ + WINDOW_MS)
        open_ = false;
}

void DigitPool::append(std::int64_t count)
{
    static_assert(NUMBER_BOUND <= 1000, "the digits are written for numbers of up to three digits");
    constexpr std::size_t BATCH = 256;
    std::array<std::uint32_t, BATCH> numbers;
    // Each number's three digit places are copied; only its length counts.
    std::array<char, BATCH * 3> text;
    while (count > 0) {
        const auto n = static_cast<std::size_t>(std::min<std::int64_t>(count, BATCH));
        random_.fillBelow(NUMBER_BOUND, std::span(numbers.data(), n));
        std::size_t length = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const DecimalText& decimal = DECIMAL_TEXTS[numbers[i]];
            std::memcpy(text.data() + length, decimal.digits, sizeof decimal.digits);
            length += static_cast<std::size_t>(decimal.length);
        }
        digitPool_.append(text.data(), length);
        poolCount_ += static_cast<int>(n);
        count -= static_cast<std::int64_t>(n);
    }
}

int DigitPool::takeDigit(std::int64_t now)
{
    catchUp(now);
    // An exhausted pool must not stall the deal: draw a pacing digit directly.
    if (poolCount_ < 1)
        return 1 + static_cast<int>(random_.below(9));
    --poolCount_;
    if (poolCount_ < 1)
        return 1 + static_cast<int>(random_.below(9));
    return digitPool_[static_cast<std::size_t>(poolCount_ - 1)] - '0';
}

bool DigitPool::windowOpen(std::int64_t now)
{
    catchUp(now);
    return open_;
}

const std::string& DigitPool::digits(std::int64_t now)
{
    catchUp(now);
    return digitPool_;
}

int DigitPool::poolCount(std::int64_t now)
{
    catchUp(now);
    return poolCount_;
}

} // namespace liorna
