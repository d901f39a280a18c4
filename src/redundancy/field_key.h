#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "redundancy/check_options.h"
#include "redundancy/contact_model.h"

namespace palvren {

// What a property is to a merge: a single value (a contact has one name, one birthday), any
// number of values (e-mails, telephones), or the card's own frame, which is never asked about.
enum class FieldKind { Single, Multiple, Frame };

FieldKind fieldKindOf(std::string_view upperName);

// A contact's line as a merge sees it: which field it is, and its value as the rule compares it.
// Two spellings of one field have one key: the name without group, and for a field of several
// values the types without case or "pref" (vCard 2.1 bare types counted; CHARSET, ENCODING,
// VALUE and PID never part of it; a TEL's "voice" and an EMAIL's "internet", which are their
// defaults, left out).
struct FieldLine {
  int ordinal = 0;
  std::string key;
  std::string upperName;
  FieldKind kind = FieldKind::Multiple;
  // Decoded to UTF-8 without trailing line breaks; under the tolerant rule folded where the
  // rule folds the field.
  std::string compared;
};

std::string fieldKeyOf(std::string_view tag);
// Every line with a tag, in order; without values, compared is left empty.
std::vector<FieldLine> fieldLines(const ContactRecord& contact, const MatchRule& rule,
                                  bool values = true);
std::string comparedValue(std::string_view tag, std::string_view value, const MatchRule& rule);

// Which line of b answers each line of a (-1 for none): the same field with the same value
// first (the same tag before another spelling), then the same tag, then the field's first line
// left; every line of b answers at most one.
std::vector<int> pairFieldLines(const std::vector<FieldLine>& a, const ContactRecord& first,
                                const std::vector<FieldLine>& b, const ContactRecord& second);

// The field two contacts matched on: the first e-mail, telephone or address they share.
std::string matchedFieldKey(const std::vector<FieldLine>& a, const std::vector<FieldLine>& b);

// Whether two contacts are of one version and spell each field one way, in each and between
// them: such a pair merges line by line as written. When each field is one line in each, the
// line of b of each line of a (-1 for none).
struct AlikePairing {
  bool alike = false;
  bool oneLineAField = false;
  std::vector<int> partners;
};
AlikePairing pairAlike(const ContactRecord& a, const std::vector<FieldLine>& aLines,
                       const ContactRecord& b, const std::vector<FieldLine>& bLines);

// The field in a person's words: "Name", "Mobile", "Work e-mail", "Photo"; a property this
// program has no words for by its name.
std::string fieldWords(std::string_view tag);

// Whether a name holds nothing but separators and spaces (an empty N is ";;;;"): no name.
bool isEmptyName(std::string_view value);

// Whether a and b are named alike: their formatted names, else their names, equal under the
// rule; an empty name is no name.
bool namesAgree(const ContactRecord& a, const ContactRecord& b, const MatchRule& rule);

// A name as a person reads it (decoded FN, else N, else ORG, else e-mail); empty when none.
std::string readableName(const ContactRecord& contact);

}  // namespace palvren
