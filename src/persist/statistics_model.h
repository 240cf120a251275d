#pragma once
// What the statistics dialog shows and the reset it offers, over the settings lines 5..16.

#include <array>
#include <cstddef>
#include <string>

#include "persist/settings_schema.h"
#include "platform/texts.h"

namespace liorna {

inline constexpr std::size_t STATISTICS_ROWS = 6;

class StatisticsModel {
public:
    explicit StatisticsModel(SettingsFile& settings) : settings_(settings) {}

    // Row captions, one deal first, then to 4, 6, 8, 10 and 12 points.
    static const std::array<std::string, STATISTICS_ROWS>& captions();
    static const char* totalCaption() { return text::STATISTICS_TOTAL; }

    // The counts as their lines stand, odd texts included: the dialog shows what the file says.
    std::string wonText(std::size_t row) const;
    std::string lostText(std::size_t row) const;
    // Numeric sums as decimal text; a line that is not a number adds nothing.
    std::string wonTotal() const;
    std::string lostTotal() const;

    // Lines 5..16 := "0" in increasing order, then saves; when the save fails the counts stay as
    // they were and the UserError propagates.
    void resetAll();

private:
    std::string total(MatchResult result) const;
    SettingsFile& settings_;
};

} // namespace liorna
