#pragma once
// The card back dialog's working value: the candidate back number, stepped by the two arrows.
// Numbers stay texts as the settings file holds them; the wrap tests compare texts.

#include <string>

#include "platform/picture.h"

namespace liorna {

class CardBackModel {
public:
    // `cardBackChoice` is line 17 as it stands, `availableBackCount` line 19; `tableBack` is the back
    // the table shows, where the preview starts when line 17 names none.
    CardBackModel(std::string cardBackChoice, std::string availableBackCount,
                  Picture tableBack = Picture::none());

    const std::string& candidate() const { return candidate_; }
    const Picture& tableBack() const { return tableBack_; }
    // Right arrow: +1, and past the last selectable back round to "1".
    void next();
    // Left arrow: -1, and at "0" round to the last selectable back.
    void previous();

    // The back the candidate names ("1".."15" built-in, "16".."35" bonus pictures), or `current`
    // unchanged for any other text.
    Picture preview(const Picture& current) const;

    // Which arrows are green. The pointer reaching a red arrow turns it green and the other one red;
    // a green arrow ignores the pointer, so it stays green until the other red arrow is reached.
    bool rightGreen() const { return rightGreen_; }
    bool leftGreen() const { return leftGreen_; }
    void pointerOverRight();
    void pointerOverLeft();

private:
    std::string candidate_;
    std::string available_;
    Picture tableBack_;
    bool rightGreen_ = false;
    bool leftGreen_ = false;
};

// The back card back number `number` names, or Picture::none() for any text but "1".."35".
Picture backOfNumber(const std::string& number);

} // namespace liorna
