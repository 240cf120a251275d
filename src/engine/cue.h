#pragma once
// The ten sound cues by what they mark. Each plays "Melodies/A<n>.wav", n being the cue's number.

#include <string>

namespace liorna {

enum class Cue {
    NewDeal = 1,        // a new deal starts
    Refused = 2,        // a human action is refused
    HumanGaveUp = 3,    // "Сбросить" is accepted
    DealWon = 4,        // the status screen: the deal hung more on the computer
    DealNotWon = 5,     // the status screen: otherwise
    HumanTook = 6,      // the human covered the last led card
    ComputerGaveUp = 7, // the computer cannot beat the human's lead
    Played = 8,         // "Пойти" pressed
    ComputerLed = 9,    // the computer's lead is on the table
    ComputerTook = 10,  // the computer beat the human's lead
};

inline constexpr int CUE_COUNT = 10;

// "Melodies/A1.wav" .. "Melodies/A10.wav"
inline std::string cueFile(Cue cue)
{
    return "Melodies/A" + std::to_string(static_cast<int>(cue)) + ".wav";
}

} // namespace liorna
