#include "runner.h"

#include "game/game_setup.h"
#include "planted_files.h"
#include "platform/texts.h"

#include <sys/stat.h>

#include <fstream>

namespace liorna::scenario {

void needWords(const std::vector<std::string>& words, std::size_t n)
{
    if (words.size() != n)
        throw Failure{"expected " + std::to_string(n - 1) + " arguments to '" + words[0] + "', got " +
                      std::to_string(words.size() - 1)};
}

void fail(const std::string& expected, const std::string& got)
{
    throw Failure{"expected " + expected + " got " + got};
}

int parseInt(const std::string& word)
{
    const int v = lineNumber(word[0] == '-' ? word.substr(1) : word, -1);
    if (v < 0)
        throw Failure{"not a number: '" + word + "'"};
    return word[0] == '-' ? -v : v;
}

namespace {

Slot parseSlot(const std::string& word)
{
    if (word == ".")
        return Slot::empty();
    if (word == "+")
        return Slot::exhausted();
    const auto card = Card::fromCode(word);
    if (!card)
        throw Failure{"not a card code: '" + word + "'"};
    return Slot::held(*card);
}

Suit parseSuit(const std::string& word)
{
    const auto suit = word.size() == 1 ? suitFromLetter(word[0]) : std::nullopt;
    if (!suit)
        throw Failure{"not a suit letter: '" + word + "'"};
    return *suit;
}

} // namespace

Runner::Runner(std::ostream& trace, bool tracing)
    : trace_(trace), tracing_(tracing), h_(std::make_unique<Harness>())
{
    if (tracing_) {
        h_->timers.onFire = [this](std::int64_t at, TimerId id) {
            trace_ << "  [" << at << " ms] tick of timer " << id << "\n";
        };
    }
}

GameEngine& Runner::engine()
{
    ensureStarted();
    if (!h_->started())
        throw Failure{"the program has ended"};
    return h_->engine();
}

void Runner::ensureStarted()
{
    if (h_->started() || h_->exited)
        return;
    // The program starts with its table, the engine and the start screen, at virtual time 0.
    if (h_->start())
        h_->engine().deliver([this] { h_->engine().commands().startUpTick(); });
}

std::optional<std::pair<int, std::string>> Runner::run(const Script& script)
{
    if (script.error)
        return script.error;
    for (const auto& c : script.commands) {
        try {
            runCommand(c);
        } catch (const Failure& f) {
            return std::make_pair(c.line, f.message);
        }
    }
    return std::nullopt;
}

void Runner::runCommand(const Command& c)
{
    if (tracing_)
        trace_ << "  line " << c.line << ": " << c.words[0] << "\n";
    if (fileCommand(c))
        return;
    ensureStarted();
    if (setupCommand(c) || dialogCommand(c) || inputCommand(c) || timeCommand(c))
        return;
    if (c.words[0] == "expect" && c.words.size() >= 2) {
        check(c);
        return;
    }
    throw Failure{"unknown command '" + c.words[0] + "'"};
}

bool Runner::fileCommand(const Command& c)
{
    const auto& w = c.words;
    if (plantFile(h_->dir, w))
        return true;
    if (w[0] == "writable") {
        // Unlike the others, a path may be made writable again while the program runs.
        needWords(w, 2);
        const auto path = h_->dir / w[1];
        if (!std::filesystem::exists(path))
            throw Failure{"writable: no such path " + w[1]};
        ::chmod(path.c_str(), std::filesystem::is_directory(path) ? 0755 : 0644);
        return true;
    }
    if (w[0] != "settings" && w[0] != "missing" && w[0] != "readonly" && w[0] != "bom")
        return false;
    if (h_->started() || h_->exited)
        throw Failure{"'" + w[0] + "' must come before the program starts"};
    if (w[0] == "bom") {
        // An editor saving as UTF-8 puts a byte order mark before the first line.
        needWords(w, 1);
        const auto path = h_->dir / SETTINGS_PATH;
        std::ifstream in(path, std::ios::binary);
        const std::string text(std::istreambuf_iterator<char>(in), {});
        std::ofstream(path, std::ios::binary | std::ios::trunc) << "\xEF\xBB\xBF" << text;
        return true;
    }
    if (w[0] == "settings") {
        std::ofstream out(h_->dir / SETTINGS_PATH, std::ios::binary | std::ios::trunc);
        for (std::size_t i = 1; i < w.size(); ++i)
            out << w[i] << "\r\n";
        return true;
    }
    needWords(w, 2);
    const auto path = h_->dir / w[1];
    if (w[0] == "missing") {
        std::filesystem::remove_all(path);
    } else {
        if (!std::filesystem::exists(path))
            throw Failure{"readonly: no such path " + w[1]};
        ::chmod(path.c_str(), std::filesystem::is_directory(path) ? 0555 : 0444);
    }
    return true;
}

bool Runner::setupCommand(const Command& c)
{
    const auto& w = c.words;
    const std::string& cmd = w[0];
    if (cmd == "human" || cmd == "computer") {
        needWords(w, 6);
        SlotRow slots;
        for (std::size_t k = 0; k < HAND_SIZE; ++k)
            slots[k] = parseSlot(w[k + 1]);
        engine().setup().hand(cmd == "human" ? Seat::Human : Seat::Computer, slots);
        settlePhase();
        return true;
    }
    if (cmd == "deck") {
        if (w.size() < 2)
            throw Failure{"deck needs cards, 'none' or 'exhausted'"};
        if (w[1] == "exhausted") {
            engine().setup().stockExhausted();
            return true;
        }
        std::vector<int> cards;
        if (w[1] != "none") {
            for (std::size_t i = 1; i < w.size(); ++i) {
                const Slot s = parseSlot(w[i]);
                if (!s.holdsCard())
                    throw Failure{"deck holds cards only: '" + w[i] + "'"};
                cards.push_back(s.card.deckIndex());
            }
        }
        engine().setup().stock(cards);
        return true;
    }
    if (cmd == "trump") {
        needWords(w, 2);
        engine().setup().trump(parseSuit(w[1]));
        return true;
    }
    if (cmd == "cycle") {
        needWords(w, 2);
        engine().setup().cycledSuit(parseSuit(w[1]));
        return true;
    }
    if (cmd == "phase") {
        needWords(w, 2);
        const int n = parseInt(w[1]);
        if (n != 1 && n != 2)
            throw Failure{"phase is 1 or 2"};
        engine().setup().trumpPhase(n);
        return true;
    }
    if (cmd == "seed") {
        needWords(w, 2);
        h_->random.reseed(static_cast<std::uint32_t>(parseInt(w[1])));
        return true;
    }
    if (cmd == "field") {
        needWords(w, 3);
        GameSetup setup = engine().setup();
        const std::string& name = w[1];
        const std::string& v = w[2];
        if (name == "leader") {
            const int seat = parseInt(v);
            if (seat != 1 && seat != 2)
                throw Failure{"leader is 1 or 2"};
            setup.leader(static_cast<Seat>(seat));
        } else if (name == "trumpSuit")
            setup.trump(parseSuit(v));
        else if (name == "stockCount")
            setup.stockCount(parseInt(v));
        else if (name == "shuffleCounter")
            setup.shuffleCounter(parseInt(v));
        else if (name == "humanTrickPoints")
            setup.humanTrickPoints(parseInt(v));
        else if (name == "computerTrickPoints")
            setup.computerTrickPoints(parseInt(v));
        else if (name == "humanPenalty")
            setup.humanPenalty(parseInt(v));
        else if (name == "computerPenalty")
            setup.computerPenalty(parseInt(v));
        else if (name == "humanDealPenalty")
            setup.humanDealPenalty(parseInt(v));
        else if (name == "computerDealPenalty")
            setup.computerDealPenalty(parseInt(v));
        else if (name == "matchTargetCode")
            setup.matchTargetCode(parseInt(v));
        else if (name == "matchMode")
            setup.matchMode(parseInt(v));
        else if (name == "ledCount")
            setup.ledCount(parseInt(v));
        else if (name == "soundEnabled")
            setup.sound(v != "0");
        else if (name == "cardBackChoice")
            setup.cardBackChoice(v);
        else if (name == "availableBackCount")
            setup.availableBackCount(v);
        else if (name == "trumpPhase")
            setup.trumpPhase(parseInt(v));
        else if (name == "cycledSuit")
            setup.cycledSuit(parseSuit(v));
        else
            throw Failure{"unknown field '" + name + "'"};
        return true;
    }
    return false;
}

void Runner::settlePhase()
{
    // A position set up with no trick on the table waits for its leader, as play would leave it; what
    // the table derives from the phase (the hint) follows, as after any event.
    GameEngine& e = engine();
    e.setup().waitForLeader();
    e.deliver([] {});
}

bool Runner::inputCommand(const Command& c)
{
    const auto& w = c.words;
    if (w[0] == "choose") {
        needWords(w, 2);
        if (!h_->screens.top(ScreenId::Start) || !h_->screens.start)
            throw Failure{"'choose' needs the start screen on top"};
        const int n = parseInt(w[1]);
        if (n < 1 || n > 6)
            throw Failure{"choice is 1 to 6"};
        h_->screens.start->choose(n);
        return true;
    }
    if (w[0] == "click" || w[0] == "rclick") {
        if (w.size() < 2)
            throw Failure{"click what?"};
        GameEngine& e = engine();
        const std::string& what = w[1];
        auto slot = [&] {
            needWords(w, 3);
            const int k = parseInt(w[2]);
            if (k < 1 || k > 5)
                throw Failure{"slot is 1 to 5"};
            return k;
        };
        if (what == "hand") {
            const int k = slot();
            e.deliver([&] { e.inputHandCard(k, w[0] == "rclick"); });
        } else if (w[0] == "rclick") {
            throw Failure{"rclick works on hand cards only"};
        } else if (what == "led") {
            const int k = slot();
            e.deliver([&] { e.inputLedCard(k); });
        } else if (what == "cover") {
            const int k = slot();
            e.deliver([&] { e.inputCoverCard(k); });
        } else if (what == "play") {
            needWords(w, 2);
            e.deliver([&] { e.inputPlay(); });
        } else if (what == "discard") {
            needWords(w, 2);
            e.deliver([&] { e.inputDiscard(); });
        } else if (what == "pile") {
            needWords(w, 3);
            if (w[2] != "human" && w[2] != "computer")
                throw Failure{"'click pile' takes human or computer"};
            e.deliver([&] { e.inputPile(); });
        } else if (what == "lasttrick") {
            needWords(w, 2);
            if (!e.table().lastTrick.shown)
                throw Failure{"'click lasttrick' needs the last trick shown"};
            e.deliver([&] { e.inputLastTrick(); });
        } else if (what == "tile") {
            needWords(w, 2);
            if (!h_->screens.top(ScreenId::MatchStatus))
                throw Failure{"'click tile' needs the match status screen on top"};
            e.deliver([&] { e.clickMatchStatus(); });
        } else {
            throw Failure{"unknown click target '" + what + "'"};
        }
        return true;
    }
    if (w[0] == "press") {
        needWords(w, 2);
        engine();
        if (h_->screens.top(ScreenId::Start) && h_->screens.start) {
            if (!h_->screens.start->press(w[1]))
                throw Failure{"the start screen has no button \"" + w[1] + "\""};
            if (h_->screens.exited)
                h_->exited = true;
            return true;
        }
        throw Failure{"no screen with a button \"" + w[1] + "\""};
    }
    return false;
}

bool Runner::timeCommand(const Command& c)
{
    const auto& w = c.words;
    if (w[0] == "wait") {
        needWords(w, 2);
        engine();
        const int ms = parseInt(w[1]);
        if (ms < 0)
            throw Failure{"wait needs a duration of 0 or more"};
        h_->advance(ms);
        return true;
    }
    if (w[0] == "idle") {
        needWords(w, 1);
        engine();
        if (!h_->idle())
            throw Failure{"still busy after 600000 ms"};
        return true;
    }
    return false;
}

} // namespace liorna::scenario
