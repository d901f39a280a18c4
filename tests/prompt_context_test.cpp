#include "redundancy/prompt_context.h"

#include <gtest/gtest.h>

#include "support/records.h"

namespace palvren {
namespace {

TEST(PromptText, TagDisplayNamesHoldSixExactKeys) {
  EXPECT_EQ(tagDisplayNames().entries().size(), 6u);
  EXPECT_EQ(tagDisplayNames().lookup("TEL"), "[telephone #]");
  EXPECT_EQ(tagDisplayNames().lookup("tel"), "");
  EXPECT_EQ(tagDisplayNames().lookup("TEL;HOME"), "");
  EXPECT_EQ(tagDisplayNames().lookup("N"), "[name]");
  EXPECT_EQ(tagDisplayNames().lookup("NAME"), "[name]");
}

TEST(PromptText, TagDisplayNameReplacesOnlyTheLeadingPropertyName) {
  const std::pair<std::string, std::string> cases[] = {
      {"TEL", "[telephone #]"},
      {"TEL;TYPE=CELL", "[telephone #];TYPE=CELL"},
      {"ADR;HOME", "[address];HOME"},
      {"N;LANGUAGE=en", "[name];LANGUAGE=en"},
      {"EMAIL;INTERNET", "EMAIL;INTERNET"},
      {"tel;cell", "tel;cell"},
      {"  BEGIN  ", "BEGIN"},
      {"", ""},
  };
  for (const auto& [tag, shown] : cases) EXPECT_EQ(tagDisplayName(tag), shown) << tag;
}

TEST(PromptValues, ValueForDisplayTurnsSeparatorsIntoSingleSpaces) {
  EXPECT_EQ(valueForDisplay("Doe;John;;;"), "Doe John");
  EXPECT_EQ(valueForDisplay(";;1 High St;Springfield;;;"), "1 High St Springfield");
  EXPECT_EQ(valueForDisplay(" Ann  Lee "), " Ann  Lee ");
  EXPECT_EQ(valueForDisplay("a ;  ;b"), "a b");
}

TEST(PromptValues, KeepTrailingSeparatorsKeepsTheOldValuesSemicolons) {
  EXPECT_EQ(keepTrailingSeparators("Doe;John;;;", " Smith;Jane "), "Smith;Jane;;;");
  EXPECT_EQ(keepTrailingSeparators("12 34", "56 78"), "56 78");
  EXPECT_EQ(keepTrailingSeparators("Doe;John;;;", "   "), ";;;");
  EXPECT_EQ(keepTrailingSeparators(";;", "x"), "x;;");
}

TEST(PromptValues, AnEditChangesEachContactListingTheFieldInItsOwnEncoding) {
  ContactRecord first = testing::recordOf({{"N", "Doe;John;;;"}, {"FN", "Jos\xC3\xA9"}});
  ContactRecord second = testing::recordOf({{"N", "Doe;Jon;"}, {"FN", "Jos\xE9"}});
  EXPECT_FALSE(applyFieldEdit(first, second, {"N", ""}));
  EXPECT_EQ(first.value("N"), "Doe;John;;;");
  EXPECT_TRUE(applyFieldEdit(first, second, {"N", "Doe;Jonathan"}));
  EXPECT_EQ(first.value("N"), "Doe;Jonathan;;;");
  EXPECT_EQ(second.value("N"), "Doe;Jonathan;");
  EXPECT_TRUE(applyFieldEdit(first, second, {"FN", "Ren\xC3\xA9"}));
  EXPECT_EQ(first.value("FN"), "Ren\xC3\xA9");  // UTF-8 stays UTF-8
  EXPECT_EQ(second.value("FN"), "Ren\xE9");     // Windows-1252 stays Windows-1252
  // A character Windows-1252 cannot hold is never turned into "?": that contact keeps its value.
  EXPECT_TRUE(applyFieldEdit(first, second, {"FN", "Ren\xC3\xA9 \xCE\xA9 5"}));
  EXPECT_EQ(first.value("FN"), "Ren\xC3\xA9 \xCE\xA9 5");
  EXPECT_EQ(second.value("FN"), "Ren\xE9");
  EXPECT_FALSE(encodeForContact(second, "FN", "\xCE\xA9"));
  // A field only the first contact lists is not slipped unlisted into the second.
  first.appendTag("ORG");
  EXPECT_TRUE(applyFieldEdit(first, second, {"ORG", "Acme"}));
  EXPECT_EQ(first.value("ORG"), "Acme");
  EXPECT_FALSE(second.holdsTag("ORG"));
}

}  // namespace
}  // namespace palvren
