#include "redundancy/prompt_context.h"

#include <gtest/gtest.h>

namespace palvren {
namespace {

class PromptText : public ::testing::Test {
 protected:
  void SetUp() override { fillTagDisplayNames(); }
};

TEST_F(PromptText, TagDisplayNamesHoldSixExactKeys) {
  EXPECT_EQ(TagDisplayNames().entries().size(), 6u);
  EXPECT_EQ(TagDisplayNames().lookup("TEL"), "[telephone #]");
  EXPECT_EQ(TagDisplayNames().lookup("tel"), "");
  EXPECT_EQ(TagDisplayNames().lookup("TEL;HOME"), "");
  EXPECT_EQ(TagDisplayNames().lookup("N"), "[name]");
  EXPECT_EQ(TagDisplayNames().lookup("NAME"), "[name]");
}

TEST_F(PromptText, TagDisplayNameReplacesOnlyTheLeadingPropertyName) {
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
  for (const auto& [tag, shown] : cases) EXPECT_EQ(TagDisplayName(tag), shown) << tag;
}

TEST(PromptValues, ValueForDisplayTurnsSeparatorsIntoSingleSpaces) {
  EXPECT_EQ(ValueForDisplay("Doe;John;;;"), "Doe John");
  EXPECT_EQ(ValueForDisplay(";;1 High St;Springfield;;;"), "1 High St Springfield");
  EXPECT_EQ(ValueForDisplay(" Ann  Lee "), " Ann  Lee ");
  EXPECT_EQ(ValueForDisplay("a ;  ;b"), "a b");
}

TEST(PromptValues, KeepTrailingSeparatorsKeepsTheOldValuesSemicolons) {
  EXPECT_EQ(KeepTrailingSeparators("Doe;John;;;", " Smith;Jane "), "Smith;Jane;;;");
  EXPECT_EQ(KeepTrailingSeparators("12 34", "56 78"), "56 78");
  EXPECT_EQ(KeepTrailingSeparators("Doe;John;;;", "   "), ";;;");
  EXPECT_EQ(KeepTrailingSeparators(";;", "x"), "x;;");
}

TEST(PromptValues, AnEditChangesBothContactsAndIsRemembered) {
  ContactRecord first;
  ContactRecord second;
  first.setValue("N", "Doe;John;;;");
  second.setValue("N", "Doe;Jon;");
  PromptContext context{&first, &second, 1, 2, "N", 0, {}};
  EXPECT_FALSE(applyFieldEdit(context, "N", ""));
  EXPECT_EQ(first.value("N"), "Doe;John;;;");
  EXPECT_TRUE(applyFieldEdit(context, "N", "Doe;Jonathan"));
  EXPECT_EQ(first.value("N"), "Doe;Jonathan;;;");
  EXPECT_EQ(second.value("N"), "Doe;Jonathan;");
  EXPECT_TRUE(applyFieldEdit(context, "ORG", "Acme"));
  EXPECT_EQ(second.value("ORG"), "Acme");
  EXPECT_EQ(context.editedTags, (std::vector<std::string>{"N", "ORG"}));
}

}  // namespace
}  // namespace palvren
