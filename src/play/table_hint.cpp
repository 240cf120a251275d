#include "play/table_hint.h"

#include "platform/texts.h"

namespace liorna {

TableHint::TableHint(Timers& timers)
    : reasonTimer_(timers, REASON_MS, [this] {
          reasonTimer_.stop();
          reason_.clear();
      })
{
}

void TableHint::inputSeen()
{
    reasonTimer_.stop();
    reason_.clear();
}

void TableHint::cancelPending()
{
    inputSeen();
}

void TableHint::update(const Table& table)
{
    if (table.refusal && table.refusal->serial != refusalSerial_) {
        refusalSerial_ = table.refusal->serial;
        reason_ = reasonText(*table.refusal);
        reasonTimer_.stop();
        if (!reason_.empty())
            reasonTimer_.start();
    }
    hint_ = reason_.empty() ? phaseText(table) : reason_;
}

std::string TableHint::phaseText(const Table& table)
{
    switch (table.phase) {
    case TurnPhase::HumanLeading:
    case TurnPhase::Playing:
    // The table is cleared and the human leads once the hands are refilled.
    case TurnPhase::Refilling: return text::HINT_LEAD;
    case TurnPhase::AwaitingAnswer:
    case TurnPhase::AwaitingComputerLead: return text::HINT_THINKING;
    case TurnPhase::HumanAnswering: return text::HINT_ANSWER;
    case TurnPhase::AfterTrick:
        if (table.settled && table.settled->has_value()) {
            const TrickRecord& r = **table.settled;
            return (r.taker == Seat::Human ? text::HINT_HUMAN_TOOK : text::HINT_COMPUTER_TOOK) +
                   std::to_string(r.points);
        }
        return "";
    // The status screen speaks for the deal's end.
    case TurnPhase::DealOver: return "";
    case TurnPhase::NoTrick: return table.matchOver ? text::HINT_MATCH_OVER : "";
    }
    return "";
}

std::string TableHint::reasonText(const RefusalSign& refusal)
{
    switch (refusal.reason) {
    case RefusalReason::None: return "";
    case RefusalReason::LeadSuit: return text::REFUSED_LEAD_SUIT;
    case RefusalReason::NothingSelected: return text::REFUSED_NOTHING_SELECTED;
    case RefusalReason::CoverDoesNotBeat: return text::REFUSED_COVER_DOES_NOT_BEAT;
    case RefusalReason::NoCardPicked: return text::REFUSED_NO_CARD_PICKED;
    case RefusalReason::DiscardCount: return text::REFUSED_DISCARD_COUNT + std::to_string(refusal.count);
    }
    return "";
}

} // namespace liorna
