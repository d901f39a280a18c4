#include "platform/text.h"
#include "redundancy/match_rule.h"
#include "redundancy/matcher.h"
#include "redundancy/prompt_context.h"
#include "vcard/value_decoding.h"

namespace palvren {

namespace {

// The field's part of a tolerant key.
std::string_view fieldKey(MatchField field) {
  static constexpr std::string_view kKeys[] = {"0", "1", "2", "3", "4", "5"};
  return kKeys[int(field)];
}

// Under the tolerant rule a value is keyed by its field and folded form.
void addFoldedKey(MatchKeys& keys, std::string_view tag, std::string_view value,
                  const MatchRule& rule) {
  const MatchField field = matchFieldOf(tag);
  if (field == MatchField::Other || value.empty()) return;
  const std::string text = displayUtf8(tag, value);
  if (field == MatchField::Telephone) {
    // Numbers are found by cheap keys every spelling shares; reading them is for the comparison.
    for (const std::string& tail : telephoneTails(text)) {
      keys.places.push_back(matchKey(fieldKey(field), tail));
    }
    return;
  }
  const std::string folded = foldedValue(field, text, rule);
  if (folded.empty()) return;
  const std::uint64_t key = matchKey(fieldKey(field), folded);
  switch (field) {
    case MatchField::Email:
      return keys.emails.push_back(key);
    case MatchField::Telephone:
    case MatchField::Address:
      return keys.places.push_back(key);
    default:
      return keys.names.push_back(key);
  }
}

// A value of a contact under the tolerant rule: its decoded text and its folded form.
struct FoldedEntry {
  std::string text;
  std::string folded;
};

std::string shownText(const std::string& text) {
  return std::string(trimSpaces(valueForDisplay(text)));
}

// Two contacts compared under the tolerant rule; each one's encoding is read once.
class TolerantComparison {
 public:
  TolerantComparison(const ContactRecord& a, const ContactRecord& b, const MatchRule& rule)
      : a_(a), b_(b), rule_(rule) {}

  // Which rule matched, in words; empty when none did.
  Message reason() const {
    if (auto email = shared(MatchField::Email)) {
      return Message(PALVREN_TEXT("Check", "Same e-mail ignoring case: %1"), {*email});
    }
    // Two formatted names decide; a name's parts only when one contact has no formatted name.
    const std::vector<FoldedEntry> mine = entries(a_, MatchField::FormattedName, true);
    const std::vector<FoldedEntry> theirs = entries(b_, MatchField::FormattedName, false);
    const std::optional<std::string> name =
        !mine.empty() && !theirs.empty() ? sharedOf(mine, theirs) : shared(MatchField::Name);
    if (!name) return Message();
    if (auto telephone = shared(MatchField::Telephone)) {
      return Message(PALVREN_TEXT("Check", "Same telephone number and name folded: %1, %2"),
                     {*telephone, *name});
    }
    if (auto address = shared(MatchField::Address)) {
      return Message(
          PALVREN_TEXT("Check", "Same address ignoring case and spacing and name folded: %1, %2"),
          {*address, *name});
    }
    return Message();
  }

 private:
  // The entries of a field a contact lists (or, for the second contact, holds), folded.
  std::vector<FoldedEntry> entries(const ContactRecord& contact, MatchField field,
                                   bool listed) const {
    std::vector<FoldedEntry> found;
    auto consider = [&](std::string_view tag, std::string_view value) {
      if (value.empty() || matchFieldOf(tag) != field) return;
      std::string text = displayUtf8(tag, value);
      std::string folded = foldedValue(field, text, rule_);
      if (folded.empty()) return;
      found.push_back({std::move(text), std::move(folded)});
    };
    if (listed) {
      for (int k = 1; k <= contact.orderCount(); ++k)
        consider(contact.tagAt(k), contact.valueAt(k));
    } else {
      for (const auto& [tag, value] : contact.tagValues()) consider(tag, value);
    }
    return found;
  }

  // The first entry of a's field whose folded form one of b's entries has: "a = b (folded)" in
  // words, or a alone when both read the same; nothing when none is shared.
  std::optional<std::string> shared(MatchField field) const {
    const std::vector<FoldedEntry> theirs = entries(b_, field, false);
    if (theirs.empty()) return std::nullopt;
    return sharedOf(entries(a_, field, true), theirs);
  }

  static std::optional<std::string> sharedOf(const std::vector<FoldedEntry>& mine,
                                             const std::vector<FoldedEntry>& theirs) {
    for (const FoldedEntry& entry : mine) {
      for (const FoldedEntry& other : theirs) {
        if (entry.folded != other.folded) continue;
        const std::string first = shownText(entry.text);
        const std::string second = shownText(other.text);
        return first == second ? first : first + " = " + second + " (" + entry.folded + ")";
      }
    }
    return std::nullopt;
  }

  const ContactRecord& a_;
  const ContactRecord& b_;
  const MatchRule& rule_;
};

// Properties compared by their name alone, values folded.
class TolerantMatcher : public Matcher {
 public:
  explicit TolerantMatcher(MatchRule rule) : rule_(std::move(rule)) {}

  MatchKeys keysOf(const ContactRecord& contact) const override {
    MatchKeys keys;
    for (const auto& [tag, value] : contact.tagValues()) addFoldedKey(keys, tag, value, rule_);
    return keys;
  }

  std::optional<Message> match(const ContactRecord& a, const ContactRecord& b) const override {
    Message reason = TolerantComparison(a, b, rule_).reason();
    if (reason.empty()) return std::nullopt;
    return reason;
  }

 private:
  MatchRule rule_;
};

}  // namespace

std::unique_ptr<Matcher> tolerantMatcher(const MatchRule& rule) {
  return std::make_unique<TolerantMatcher>(rule);
}

}  // namespace palvren
