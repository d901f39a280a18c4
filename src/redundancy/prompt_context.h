#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "redundancy/check_options.h"
#include "redundancy/contact_model.h"

namespace palvren {

// The answer to a conflict: the button clicked, numbered as the window's buttons are.
// Keep Both Values keeps both values of a field that holds several (two e-mails); a pass given
// it for a field of one value keeps both contacts, as Keep Both does.
enum class ConflictChoice {
  KeepBoth = 0,
  KeepOption1 = 1,
  KeepOption2 = 2,
  KeepNeither = 3,
  KeepBothValues = 4
};

// A field the person typed anew: the tag, and the text in UTF-8. The second contact's field is
// under secondTag where it spells it otherwise.
struct FieldEdit {
  FieldEdit() = default;
  FieldEdit(std::string fieldTag, std::string typed, std::string secondFieldTag = {})
      : tag(std::move(fieldTag)), text(std::move(typed)), secondTag(std::move(secondFieldTag)) {}
  std::string tag;
  std::string text;
  std::string secondTag;
  const std::string& tagOfSecond() const { return secondTag.empty() ? tag : secondTag; }
  bool operator==(const FieldEdit&) const = default;
};

// What the person decided about one conflict: the answer, and the fields typed meanwhile, in
// order. Pass 2 applies the edits, then the answer.
struct ConflictDecision {
  ConflictDecision(ConflictChoice choice = ConflictChoice::KeepBoth) : answer(choice) {}
  ConflictChoice answer;
  std::vector<FieldEdit> edits;
  // The same answer for every later conflict of this check, without asking (never for Keep
  // Neither, which removes both contacts).
  bool applyToRemaining = false;
  // No more questions: this pair and every remaining one are kept as they are.
  bool stopChecking = false;
};

// One conflict put to the person: the two contacts as they stand, their list positions, and the
// tag whose values differ.
struct PromptContext {
  PromptContext() = default;
  PromptContext(const ContactRecord* first, const ContactRecord* second, int firstAt, int secondAt,
                std::string tag, Message why = {})
      : firstContact(first),
        secondContact(second),
        firstPosition(firstAt),
        secondPosition(secondAt),
        conflictTag(std::move(tag)),
        whyMatched(std::move(why)) {}
  const ContactRecord* firstContact = nullptr;
  const ContactRecord* secondContact = nullptr;
  int firstPosition = 0;
  int secondPosition = 0;
  std::string conflictTag;
  // Which rule matched the pair, in the report's words; empty when not told.
  Message whyMatched;
  // The second contact's spelling of the field; empty when it is conflictTag.
  std::string secondTag;
  // The conflicting lines' ordinals; 0 when the tag alone tells.
  int firstOrdinal = 0;
  int secondOrdinal = 0;
  // The field holds several values, so Keep Both Values is an answer.
  bool multipleValues = false;
  // The two are named alike (an answer for all remaining conflicts reaches only such pairs).
  bool namesAgree = true;
  // The field the pair matched on (a key of fieldKeyOf); when empty, the first e-mail,
  // telephone or address they share.
  std::string matchedKey;
  // The rule values are compared under.
  MatchRule rule;
};

// One entry of the review at the end of pass 2: a chain of merges (A with B, then with C) or a
// Keep Neither removal, each step in words.
struct MergeReview {
  std::vector<Message> steps;
  bool removal = false;
};

// One row of the conflict window: a field of either contact or both, side by side.
struct ConflictRow {
  std::string label;  // in a person's words
  std::string firstTag;
  std::string secondTag;
  int firstOrdinal = 0;  // 0: the contact has no such line
  int secondOrdinal = 0;
  bool conflict = false;
  bool matched = false;
  // The edit a typed text makes of this row.
  FieldEdit editOf(std::string text) const {
    return {firstTag.empty() ? secondTag : firstTag, std::move(text),
            secondTag.empty() || secondTag == firstTag ? std::string() : secondTag};
  }
};

// Both contacts whole, a row per field, equal values side by side and the rest in order; the
// card's frame (BEGIN, VERSION, END) is not listed.
std::vector<ConflictRow> conflictRows(const PromptContext& context);

// A typed text (UTF-8) as the contact stores the tag: in the character set its value is in
// (storageCharset), quoted-printable when the tag is. Nothing when that character set cannot hold
// the text. A text that is not valid UTF-8 is taken byte for byte.
std::optional<std::string> encodeForContact(const ContactRecord& contact, std::string_view tag,
                                            std::string_view typed);

// Applies an edit to each of the two contacts that lists its tag: the value becomes the typed
// text, stored as that contact stores the tag, keeping the contact's trailing separators. An
// empty text, or one a contact cannot hold, changes nothing; returns whether either changed.
bool applyFieldEdit(ContactRecord& first, ContactRecord& second, const FieldEdit& edit);

// Why an edit cannot be taken: the position of a contact listing the field whose character set
// cannot hold the typed text, and that character set's name.
struct EditRefusal {
  int position = 0;
  std::string charsetName;
};
std::optional<EditRefusal> refusalOfEdit(const PromptContext& context, const FieldEdit& edit);

// The text shown for a contact's field: decoded for reading, separators as single spaces; a
// picture is named, not spelled out.
std::string fieldForDisplay(const ContactRecord& contact, std::string_view tag);
std::string fieldForDisplay(std::string_view tag, std::string_view value);

// The text shown for a value: semicolons turned into single spaces, trimmed.
std::string valueForDisplay(std::string_view value);
// The typed text, trimmed, followed by as many ";" as old ends with.
std::string keepTrailingSeparators(std::string_view oldValue, std::string_view typed);

}  // namespace palvren
