#include "persist/settings_model.h"

#include <algorithm>
#include <string>

namespace liorna {

SettingsDialogModel::SettingsDialogModel(SettingsFile& settings)
    : soundOn(SettingsSchema(settings).soundOn()), speed1(SettingsSchema(settings).speed(Speed::AfterTrick)),
      speed2(SettingsSchema(settings).speed(Speed::Answer)), settings_(settings)
{
}

void SettingsDialogModel::save()
{
    settings_.commitChange([this] {
        SettingsSchema schema(settings_);
        schema.setSoundOn(soundOn);
        schema.setSpeed(Speed::AfterTrick, speed1);
        schema.setSpeed(Speed::Answer, speed2);
    });
}

} // namespace liorna
