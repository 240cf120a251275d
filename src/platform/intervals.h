#pragma once
// Every interval of the program's clock, in one table: the timers that pace play, the screens'
// timers, and the free-running counters that are computed from the clock when read.

namespace liorna::interval {

// Pacing of play.
inline constexpr int START_UP = 1;        // the table's first tick, as soon as the event loop runs
inline constexpr int DEAL_UNSET = 1000;   // the deal timer before a pacing digit sets it
inline constexpr int DEAL_PER_DIGIT = 10; // a deal step waits the pacing digit times this
inline constexpr int RENDER = 1;          // one slot of a hand redraw
inline constexpr int VEIL = 100;          // one piece of the veil over refilled cards
inline constexpr int HIDE_TRUMP = 2500;   // the trump announcement stays this long
inline constexpr int CARD_FLIGHT = 30;    // one of a flying card's ten steps
inline constexpr int PLAY_STEP = 10;      // one face repainted before a lead goes down
inline constexpr int AFTER_TRICK_UNSET = 1500;
inline constexpr int AFTER_TRICK_PER_SPEED = 300; // the pause with a trick on the table: speed 1 x this
inline constexpr int ANSWER_UNSET = 1000;
inline constexpr int ANSWER_PER_SPEED = 200; // the computer's pause before it answers: speed 2 x this

// The screens' timers.
inline constexpr int STATUS_ANIMATION = 450; // one step of the match status countdown
inline constexpr int STATUS_HURRIED = 1;     // its steps once the player clicks the screen
inline constexpr int STATUS_CLOSE = 1000;    // from the last step to the screen closing
inline constexpr int REVEAL_STEP = 900;      // one cover piece of a bonus picture
inline constexpr int GALLERY_REFRESH = 2500; // a completed picture joins the gallery

// Free-running counters.
inline constexpr int SHUFFLE = 1;        // the deck position of the next draw
inline constexpr int SUIT_CYCLE = 300;   // the suit the trump is taken from
inline constexpr int TRUMP_PHASE = 5000; // whether the computer uses trumps against a single card
inline constexpr int POOL_A = 25;        // the two timers that append pacing numbers ...
inline constexpr int POOL_B = 15;
inline constexpr int POOL_WINDOW = 7000; // ... for this long after each opening

} // namespace liorna::interval
