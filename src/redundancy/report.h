#pragma once

#include <string>
#include <vector>

#include "redundancy/contact_model.h"
#include "redundancy/match_rule.h"
#include "redundancy/prompt_context.h"

namespace palvren {

// What a redundancy run did, in words a person can check against the files written: each
// contact pass 1 removed and the contact it was identical to, each pair pass 2 matched with the
// rule that matched it, every answer given and every field typed, and what became of the pair.
// Contacts are named by their number in the input and their FN (or first line).
class RedundancyReport {
 public:
  RedundancyReport();

  // Names the match rule in force on the report's first line.
  void setRule(const MatchRule& rule);

  void identical(int removed, const ContactRecord& removedContact, int kept,
                 const ContactRecord& keptContact);
  // A pair of pass 2: its places in the list (as the conflict window numbers them), its numbers
  // in the input, and why it matched.
  void matched(int firstPosition, int first, const ContactRecord& firstContact, int secondPosition,
               int second, const ContactRecord& secondContact, const std::string& reason);
  // An answer, with the values it kept and dropped (shown as the window shows them).
  void answered(const std::string& tag, const ConflictDecision& decision, bool standing,
                ConflictChoice applied, const std::string& firstValue,
                const std::string& secondValue);
  // A second value of a field of one value, which the merged contact cannot hold.
  void dropped(const std::string& tag, const std::string& value);
  // What the first contact took from the second, in a person's words.
  void added(const std::vector<std::string>& fields);
  void merged(int removed);
  // The merges the person undid in the review, in its words.
  // The merges and removals of pass 2 as its review lists them, before anything is written.
  void review(const std::vector<MergeReview>& reviews);
  // restored: how many removed contacts came back.
  void undone(const std::vector<MergeReview>& reviews, const std::vector<bool>& kept, int restored);
  void keptBoth();
  void removedBoth(int first, int second);
  void stoppedChecking();

  int identicalCount() const { return identical_; }
  int mergedCount() const { return merged_; }
  std::string text() const;

 private:
  std::vector<std::string> lines_;
  int identical_ = 0;
  int merged_ = 0;
};

// How a contact is named in the report: its number and its name as a person reads it (FN, else
// N, else ORG, else e-mail), or its first line.
std::string contactLabel(int number, const ContactRecord& contact);

}  // namespace palvren
