#pragma once
// The settings dialog's values: sound on or off (line 2) and the two pacing speeds (lines 3 and 4).

#include "persist/settings_schema.h"

namespace liorna {

class SettingsDialogModel {
public:
    // Reads the lines from memory: sound is on unless line 2 is exactly "0"; a speed that is not a
    // number 1..10 shows as 5, the middle of the bar and a fresh file's value.
    explicit SettingsDialogModel(SettingsFile& settings);

    bool soundOn = true;
    int speed1 = 5;
    int speed2 = 5;

    // Lines 2, 3, 4 := "1"/"0" and the speeds (kept within 1..10), then saves; when the save fails
    // the lines stay as they were (the dialog keeps its values) and the UserError propagates.
    void save();

private:
    SettingsFile& settings_;
};

} // namespace liorna
