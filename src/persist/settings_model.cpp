#include "persist/settings_model.h"

#include <algorithm>
#include <string>

namespace liorna {

namespace {

constexpr int SPEED_FALLBACK = 5;

int speedOf(const std::string& text)
{
    const int value = lineNumber(text, SPEED_FALLBACK);
    return value >= SPEED_MIN && value <= SPEED_MAX ? value : SPEED_FALLBACK;
}

} // namespace

SettingsDialogModel::SettingsDialogModel(SettingsFile& settings)
    : soundOn(settings.line(2) != "0"), speed1(speedOf(settings.line(3))), speed2(speedOf(settings.line(4))),
      settings_(settings)
{
}

void SettingsDialogModel::save()
{
    settings_.commitChange([this] {
        settings_.setLine(2, soundOn ? "1" : "0");
        settings_.setLine(3, std::to_string(std::clamp(speed1, SPEED_MIN, SPEED_MAX)));
        settings_.setLine(4, std::to_string(std::clamp(speed2, SPEED_MIN, SPEED_MAX)));
    });
}

} // namespace liorna
