#pragma once

#include <string>
#include <vector>

#include "redundancy/contact_model.h"

namespace palvren {

// The answer of the conflict window: the index of the button clicked.
enum ConflictChoice : int {
  kKeepBoth = 0,
  kKeepOption1 = 1,
  kKeepOption2 = 2,
  kKeepNeither = 3,
};

// The exchange between pass 2 and the conflict window. The two records are the contacts' own:
// an edit in the window changes the contacts themselves.
struct PromptContext {
  ContactRecord* firstContact = nullptr;
  ContactRecord* secondContact = nullptr;
  int firstPosition = 0;
  int secondPosition = 0;
  std::string conflictTag;
  int answer = kKeepBoth;
  // Tags whose values the user typed during this question, in order.
  std::vector<std::string> editedTags;
};

// The edit of a field through the window: sets both contacts' value of tag to the typed text,
// each keeping its own trailing separators. An empty text changes nothing; returns whether the
// contacts changed.
bool applyFieldEdit(PromptContext& context, const std::string& tag, const std::string& typed);

// The readable tag names, filled once at start-up and read-only afterwards.
class TagDisplayNameTable {
 public:
  void clear() { entries_.clear(); }
  void add(std::string key, std::string display) {
    entries_.emplace_back(std::move(key), std::move(display));
  }
  // The display text of a key matched exactly; the empty text for an unknown key.
  const std::string& lookup(std::string_view key) const;
  const std::vector<std::pair<std::string, std::string>>& entries() const { return entries_; }

 private:
  std::vector<std::pair<std::string, std::string>> entries_;
};

TagDisplayNameTable& TagDisplayNames();
// Fills TagDisplayNames with its six entries.
void fillTagDisplayNames();

// The text shown for a tag in the conflict window's first column.
std::string TagDisplayName(std::string_view tag);
// The text shown for a value: semicolons turned into single spaces, trimmed.
std::string ValueForDisplay(std::string_view value);
// The typed text, trimmed, followed by as many ";" as old ends with.
std::string KeepTrailingSeparators(std::string_view oldValue, std::string_view typed);

}  // namespace palvren
