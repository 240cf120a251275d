#include "persist/card_back_model.h"

#include <charconv>

#include "persist/settings_schema.h"

namespace liorna {

namespace {

// A fresh file's count (the built-in backs only), used when line 19 is not a number.
constexpr int FRESH_AVAILABLE = BUILT_IN_BACKS;

// Wide, signed arithmetic on a number text: a stored value above the available count keeps counting
// up, and a text that is not a number counts as 0.
long long numberOf(const std::string& text)
{
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end)
        return 0;
    return value;
}

} // namespace

CardBackModel::CardBackModel(std::string cardBackChoice, std::string availableBackCount, Picture tableBack)
    : candidate_(std::move(cardBackChoice)), available_(std::move(availableBackCount)), tableBack_(tableBack)
{
}

void CardBackModel::next()
{
    std::string stepped = std::to_string(numberOf(candidate_) + 1);
    if (stepped == std::to_string(lineNumber(available_, FRESH_AVAILABLE) + 1))
        stepped = std::to_string(1);
    candidate_ = std::move(stepped);
}

void CardBackModel::previous()
{
    const long long value = numberOf(candidate_) - 1;
    candidate_ = std::to_string(value);
    // Below 0 only from a stored "0" or a text that is no number: round as from 1, or the left arrow
    // would count down for ever without the preview ever changing.
    if (value <= 0)
        candidate_ = std::to_string(lineNumber(available_, FRESH_AVAILABLE));
}

Picture CardBackModel::preview(const Picture& current) const
{
    const Picture back = backOfNumber(candidate_);
    return back.kind == PictureKind::None ? current : back;
}

void CardBackModel::pointerOverRight()
{
    rightGreen_ = true;
    leftGreen_ = false;
}

void CardBackModel::pointerOverLeft()
{
    leftGreen_ = true;
    rightGreen_ = false;
}

Picture backOfNumber(const std::string& number)
{
    // Exactly the texts "1".."35": "05" or "+5" name no back.
    for (int n = 1; n <= 35; ++n)
        if (number == std::to_string(n))
            return n <= 15 ? Picture::back(n) : Picture::bonus(n - 15);
    return Picture::none();
}

} // namespace liorna
