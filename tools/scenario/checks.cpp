// The `expect` commands of the scenario driver.

#include <sys/stat.h>

#include <algorithm>
#include <fstream>

#include "runner.h"

namespace liorna::scenario {

namespace {

std::string joined(const std::vector<std::string>& words, std::size_t from = 0)
{
    std::string s;
    for (std::size_t i = from; i < words.size(); ++i)
        s += (i > from ? " " : "") + words[i];
    return s;
}

std::string inQuotes(const std::string& s)
{
    return "\"" + s + "\"";
}

const char* screenName(ScreenId id)
{
    switch (id) {
    case ScreenId::Start: return "StartScreen";
    case ScreenId::MatchStatus: return "MatchStatusScreen";
    case ScreenId::Bonus: return "BonusScreen";
    case ScreenId::Settings: return "SettingsDialog";
    case ScreenId::CardBack: return "CardBackDialog";
    case ScreenId::Statistics: return "StatisticsDialog";
    case ScreenId::About: return "AboutBox";
    }
    return "?";
}

// "face h1", "selected h1", "blank", "back", "none"
std::string pictureWord(const Picture& p)
{
    switch (p.kind) {
    case PictureKind::Back:
    case PictureKind::Bonus: return "back";
    case PictureKind::Face:
    case PictureKind::SelectedFace:
    case PictureKind::Blank:
    case PictureKind::None: return describe(p);
    default: return describe(p);
    }
}

std::string cueName(const std::string& file)
{
    // "Melodies/A8.wav" -> "A8"
    const auto slash = file.find('/');
    const auto dot = file.rfind('.');
    return file.substr(slash + 1, dot - slash - 1);
}

} // namespace

void Runner::check(const Command& c)
{
    const auto& w = c.words;
    const std::string& what = w[1];
    if (what == "exited") {
        needWords(w, 2);
        if (!(h_->exited || h_->screens.exited))
            fail("the program to have ended", "it still runs");
        return;
    }
    if (what == "message" || what == "messages") {
        expectMessage(w);
        return;
    }
    if (what == "line" || what == "file" || what == "nofile" || what == "link") {
        expectFileState(w);
        return;
    }
    engine();
    if (what == "menus") {
        needWords(w, 3);
        const bool shown = engine().table().menusShown;
        if ((w[2] == "shown") != shown)
            fail("menus " + w[2], shown ? "shown" : "hidden");
        return;
    }
    if (what == "opened") {
        needWords(w, 3);
        const auto& opened = h_->shell.opened;
        std::vector<std::string> got(opened.begin() + static_cast<std::ptrdiff_t>(openedSeen_), opened.end());
        openedSeen_ = opened.size();
        if (w[2] == "none") {
            if (!got.empty())
                fail("nothing opened", inQuotes(got.front()));
            return;
        }
        if (std::find(got.begin(), got.end(), w[2]) == got.end())
            fail("opened " + inQuotes(w[2]), got.empty() ? "nothing" : inQuotes(got.front()));
        return;
    }
    if (what == "focus") {
        // expect focus hand K / expect focus led K / expect focus hidden
        const KeyboardFocus& f = engine().table().focus;
        const std::string got =
            !f.shown ? "hidden" : (f.row == FocusRow::Hand ? "hand " : "led ") + std::to_string(f.slot);
        const std::string expected = joined(w, 2);
        if (got != expected)
            fail("focus " + expected, got);
        return;
    }
    if (what == "hint") {
        needWords(w, 3);
        if (engine().table().hint != w[2])
            fail("hint " + inQuotes(w[2]), inQuotes(engine().table().hint));
        return;
    }
    if (what == "lasttrick") {
        // expect lasttrick hidden / expect lasttrick led C... cover C... by human|computer points N,
        // a given-up card reading as `back`
        const LastTrickView& v = engine().table().lastTrick;
        std::string got = "hidden";
        if (v.shown) {
            auto card = [](const Picture& p) {
                if (p.kind == PictureKind::Back || p.kind == PictureKind::Bonus)
                    return std::string("back");
                if (p.kind == PictureKind::None)
                    return std::string(".");
                const std::string d = describe(p);
                return d.rfind("face ", 0) == 0 ? d.substr(5) : d;
            };
            std::string led = "led";
            std::string cover = "cover";
            for (std::size_t k = 0; k < v.led.size(); ++k) {
                if (v.led[k].kind == PictureKind::None)
                    continue;
                led += " " + card(v.led[k]);
                cover += " " + card(v.cover[k]);
            }
            got = led + " " + cover + " by " + (v.humanTook ? "human" : "computer") + " points " +
                  std::to_string(v.points);
        }
        if (got != joined(w, 2))
            fail("lasttrick " + joined(w, 2), got);
        return;
    }
    if (what == "seethrough") {
        // expect seethrough human K... / none: exactly these hand cards are drawn see-through
        if (w.size() < 4 || w[2] != "human")
            throw Failure{"expect seethrough human K... or none"};
        std::vector<std::string> got;
        const auto& hand = engine().table().humanHand;
        for (std::size_t k = 0; k < hand.size(); ++k)
            if (hand[k].shown && hand[k].seeThrough)
                got.push_back(std::to_string(k + 1));
        std::vector<std::string> expected(w.begin() + 3, w.end());
        if (expected == std::vector<std::string>{"none"})
            expected.clear();
        if (got != expected)
            fail("seethrough human " + (expected.empty() ? "none" : joined(expected)),
                 got.empty() ? "none" : joined(got));
        return;
    }
    if (what == "flying") {
        // expect flying N: the flying card back is in the air with N more to follow; expect flying none
        const auto& e = engine();
        const std::string got =
            e.table().flyingCard.shown ? std::to_string(e.cards().furtherFlights()) : std::string("none");
        if (got != joined(w, 2))
            fail("flying " + joined(w, 2), got);
        return;
    }
    if (what == "refused") {
        // expect refused hand K / led K / play / discard / none: the place of the last refusal since
        // the previous check
        const RefusalSign& r = engine().table().refusal;
        std::string got = "none";
        if (r.serial != refusalSeen_) {
            static const char* places[] = {"none", "hand", "led", "play", "discard"};
            got = places[static_cast<int>(r.place)];
            if (r.slot != 0)
                got += " " + std::to_string(r.slot);
        }
        refusalSeen_ = r.serial;
        if (got != joined(w, 2))
            fail("refused " + joined(w, 2), got);
        return;
    }
    if (what == "human" || what == "computer" || what == "led" || what == "cover")
        expectHand(w);
    else if (what == "shown")
        expectShown(w);
    else if (what == "picture")
        expectPicture(w);
    else if (what == "field")
        expectField(w);
    else if (what == "label")
        expectLabel(w);
    else if (what == "cues")
        expectCues(w);
    else if (what == "screen")
        expectScreen(w);
    else if (what == "text")
        expectText(w);
    else
        throw Failure{"unknown check 'expect " + what + "'"};
}

void Runner::expectHand(const std::vector<std::string>& w)
{
    needWords(w, 7);
    GameEngine& e = engine();
    const Row which = w[1] == "human"      ? Row::Human
                      : w[1] == "computer" ? Row::Computer
                      : w[1] == "led"      ? Row::Led
                                           : Row::Cover;
    const auto& row = e.cards().row(which);
    std::vector<std::string> got;
    for (const auto& slot : row)
        got.push_back(slot.code());
    const std::vector<std::string> expected(w.begin() + 2, w.end());
    if (got != expected)
        fail(w[1] + " " + joined(expected), joined(got));
}

namespace {

const std::array<CardView, 5>& group(const TableState& t, const std::string& name)
{
    if (name == "human")
        return t.humanHand;
    if (name == "computer")
        return t.computerHand;
    if (name == "led")
        return t.led;
    if (name == "cover")
        return t.cover;
    if (name == "overlay")
        return t.overlay;
    throw Failure{"unknown group '" + name + "'"};
}

} // namespace

void Runner::expectShown(const std::vector<std::string>& w)
{
    if (w.size() < 4)
        throw Failure{"expect shown GROUP K... or none"};
    const auto& views = group(engine().table(), w[2]);
    std::vector<std::string> got;
    for (std::size_t k = 0; k < views.size(); ++k)
        if (views[k].shown)
            got.push_back(std::to_string(k + 1));
    std::vector<std::string> expected(w.begin() + 3, w.end());
    if (expected == std::vector<std::string>{"none"})
        expected.clear();
    if (got != expected)
        fail("shown " + w[2] + " " + (expected.empty() ? "none" : joined(expected)),
             got.empty() ? "none" : joined(got));
}

void Runner::expectPicture(const std::vector<std::string>& w)
{
    if (w.size() < 5)
        throw Failure{"expect picture GROUP K P"};
    const int k = parseInt(w[3]);
    if (k < 1 || k > 5)
        throw Failure{"slot is 1 to 5"};
    const Picture got = group(engine().table(), w[2])[static_cast<std::size_t>(k - 1)].picture;
    const std::string expected = joined(w, 4);
    if (pictureWord(got) != expected)
        fail(w[2] + " " + w[3] + " " + expected, pictureWord(got));
}

std::string Runner::fieldValue(const std::string& name)
{
    GameEngine& e = engine();
    auto suit = [](std::optional<Suit> s) { return s ? std::string(1, suitLetter(*s)) : std::string(); };
    if (name == "leader")
        return std::to_string(static_cast<int>(e.trick().leader()));
    if (name == "trumpSuit")
        return suit(e.deal().trumpSuit());
    if (name == "cycledSuit")
        return suit(e.deal().cycledSuit());
    if (name == "trumpPhase")
        return std::to_string(e.deal().trumpPhase());
    if (name == "stockCount")
        return std::to_string(e.deal().stockCount());
    if (name == "shuffleCounter")
        return std::to_string(e.deal().shuffleCounter());
    if (name == "humanTrickPoints")
        return std::to_string(e.trick().humanTrickPoints());
    if (name == "computerTrickPoints")
        return std::to_string(e.trick().computerTrickPoints());
    if (name == "humanPenalty")
        return std::to_string(e.match().humanPenalty());
    if (name == "computerPenalty")
        return std::to_string(e.match().computerPenalty());
    if (name == "humanDealPenalty")
        return std::to_string(e.match().humanDealPenalty());
    if (name == "computerDealPenalty")
        return std::to_string(e.match().computerDealPenalty());
    if (name == "matchTargetCode")
        return std::to_string(e.match().matchTargetCode());
    if (name == "matchMode")
        return std::to_string(e.match().matchMode());
    if (name == "backCandidate") {
        if (!cardBackModel())
            throw Failure{"backCandidate needs the card back dialog on top"};
        return cardBackModel()->candidate();
    }
    if (name == "bonusFrame") {
        if (!bonusModel())
            throw Failure{"bonusFrame needs the bonus screen"};
        return std::to_string(bonusModel()->reveal().currentFrame());
    }
    if (name == "selectedThumbnail")
        return std::to_string(bonusModel() ? bonusModel()->selected() : 0);
    if (name == "dealsScored")
        return std::to_string(e.match().dealsScored());
    if (name == "ledCount")
        return std::to_string(e.trick().ledCount());
    if (name == "soundEnabled")
        return e.profile().soundOn() ? "1" : "0";
    if (name == "cardBackChoice")
        return e.profile().cardBackChoice();
    if (name == "availableBackCount")
        return e.profile().availableBackCount();
    if (name == "afterTrickInterval")
        return std::to_string(e.trick().afterTrickPauseMs());
    if (name == "computerAnswerInterval")
        return std::to_string(e.trick().answerPauseMs());
    throw Failure{"unknown field '" + name + "'"};
}

void Runner::expectField(const std::vector<std::string>& w)
{
    needWords(w, 4);
    const std::string got = fieldValue(w[2]);
    if (got != w[3])
        fail(w[2] + " " + inQuotes(w[3]), inQuotes(got));
}

void Runner::expectLabel(const std::vector<std::string>& w)
{
    needWords(w, 4);
    const TableState& t = engine().table();
    const std::string& name = w[2];
    std::string got;
    if (name == "stock")
        got = t.stock.countShown ? t.stock.count : "";
    else if (name == "humanPile")
        got = t.humanPile.countShown ? t.humanPile.count : "";
    else if (name == "computerPile")
        got = t.computerPile.countShown ? t.computerPile.count : "";
    else if (name == "humanScore")
        got = t.humanScore;
    else if (name == "computerScore")
        got = t.computerScore;
    else if (name == "matchTarget")
        got = t.matchTarget;
    else if (name == "action")
        got = t.actionCaption;
    else if (name == "trump")
        got = t.trumpAnnouncementShown ? t.trumpAnnouncement : "";
    else if (name == "result")
        got = engine().matchStatus().resultShown ? engine().matchStatus().result : "";
    else
        throw Failure{"unknown label '" + name + "'"};
    if (got != w[3])
        fail("label " + name + " " + inQuotes(w[3]), inQuotes(got));
}

void Runner::expectCues(const std::vector<std::string>& w)
{
    if (w.size() < 3)
        throw Failure{"expect cues A... or none"};
    std::vector<std::string> got;
    const auto& played = h_->cues.played;
    for (std::size_t i = cuesSeen_; i < played.size(); ++i)
        got.push_back(cueName(played[i]));
    cuesSeen_ = played.size();
    std::vector<std::string> expected(w.begin() + 2, w.end());
    if (expected == std::vector<std::string>{"none"})
        expected.clear();
    if (got != expected)
        fail("cues " + (expected.empty() ? "none" : joined(expected)), got.empty() ? "none" : joined(got));
}

void Runner::expectScreen(const std::vector<std::string>& w)
{
    needWords(w, 3);
    const auto& stack = h_->screens.stack;
    const std::string got = stack.empty() ? "none" : screenName(stack.back());
    if (got != w[2])
        fail("screen " + w[2], got);
}

void Runner::expectMessage(const std::vector<std::string>& w)
{
    const auto& shown = h_->messages.shown;
    std::vector<std::string> got(shown.begin() + static_cast<std::ptrdiff_t>(messagesSeen_), shown.end());
    messagesSeen_ = shown.size();
    if (w[1] == "messages") {
        if (w.size() != 3 || w[2] != "none")
            throw Failure{"expect messages none"};
        if (!got.empty())
            fail("no message", inQuotes(got.front()));
        return;
    }
    needWords(w, 3);
    const std::string& text = w[2];
    auto matches = [&](const std::string& m) {
        if (!text.empty() && text.back() == '*')
            return m.rfind(text.substr(0, text.size() - 1), 0) == 0;
        return m == text;
    };
    if (got.size() != 1 || !matches(got.front()))
        fail("one message " + inQuotes(text),
             got.empty() ? "none" : std::to_string(got.size()) + " (" + inQuotes(got.front()) + ")");
}

void Runner::expectText(const std::vector<std::string>& w)
{
    needWords(w, 3);
    if (h_->screens.top(ScreenId::Start)) {
        std::vector<std::string> texts{StartScreenModel::TITLE,   StartScreenModel::CREDIT,
                                       StartScreenModel::PLAY,    StartScreenModel::BONUSES,
                                       StartScreenModel::NO_PLAY, StartScreenModel::QUIT};
        for (const auto& length : MATCH_LENGTHS)
            texts.emplace_back(length.caption);
        for (const auto& t : texts)
            if (t == w[2])
                return;
        fail("text " + inQuotes(w[2]) + " on StartScreen", "no such text");
    }
    if (h_->screens.top(ScreenId::MatchStatus)) {
        const auto& s = engine().matchStatus();
        std::vector<std::string> texts{"На Вас повесили", "Весит на сопернике", "Игра идёт до"};
        if (s.humanTotalShown)
            texts.push_back(s.humanTotal);
        if (s.computerTotalShown)
            texts.push_back(s.computerTotal);
        if (s.targetShown)
            texts.push_back(s.target);
        if (s.resultShown)
            texts.push_back(s.result);
        for (const auto& t : texts)
            if (t == w[2])
                return;
        fail("text " + inQuotes(w[2]) + " on MatchStatusScreen", "no such text");
    }
    if (statisticsModel()) {
        std::vector<std::string> texts{"Побед",
                                       "Поражений",
                                       "Сброс",
                                       StatisticsModel::totalCaption(),
                                       statisticsModel()->wonTotal(),
                                       statisticsModel()->lostTotal()};
        for (std::size_t row = 0; row < 6; ++row) {
            texts.push_back(StatisticsModel::captions()[row]);
            texts.push_back(statisticsModel()->wonText(row));
            texts.push_back(statisticsModel()->lostText(row));
        }
        if (std::find(texts.begin(), texts.end(), w[2]) != texts.end())
            return;
        fail("text " + inQuotes(w[2]) + " on StatisticsDialog", "no such text");
    }
    // The other screens' fixed texts.
    static const std::vector<std::pair<ScreenId, std::vector<std::string>>> fixed{
        {ScreenId::CardBack, {"OK", "Отмена"}},
        {ScreenId::Settings,
         {"Использовать звуковые эффекты", "Скорость анимации 1", "Скорость анимации 2", "Сохранить",
          "Отмена"}},
        {ScreenId::Bonus,
         {"Открытые картинки", "Сохранить", "<< Назад",
          "Все открытые картинки доступны в меню выбора \"рубашки\" карт"}},
        {ScreenId::About, {}},
    };
    for (const auto& [screen, texts] : fixed) {
        if (!h_->screens.top(screen))
            continue;
        if (std::find(texts.begin(), texts.end(), w[2]) != texts.end())
            return;
        fail("text " + inQuotes(w[2]) + " on the top screen", "no such text");
    }
    fail("a screen showing " + inQuotes(w[2]), "no screen");
}

void Runner::expectFileState(const std::vector<std::string>& w)
{
    needWords(w, w[1] == "line" ? 4 : 3);
    if (w[1] == "line") {
        std::ifstream in(h_->dir / SETTINGS_PATH, std::ios::binary);
        const std::string text(std::istreambuf_iterator<char>(in), {});
        const auto lines = SettingsFile::splitLines(text);
        const int n = parseInt(w[2]);
        const std::string got = n >= 0 && static_cast<std::size_t>(n) < lines.size() ? lines[n] : "";
        if (got != w[3])
            fail("line " + w[2] + " " + inQuotes(w[3]), inQuotes(got));
        return;
    }
    if (w[1] == "link") {
        if (!std::filesystem::is_symlink(h_->dir / w[2]))
            fail("link " + w[2], "no link there");
        return;
    }
    const bool exists = std::filesystem::exists(h_->dir / w[2]);
    if (exists != (w[1] == "file"))
        fail(w[1] + " " + w[2], exists ? "it exists" : "it does not exist");
}

} // namespace liorna::scenario
