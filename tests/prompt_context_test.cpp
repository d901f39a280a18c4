#include "redundancy/prompt_context.h"

#include <gtest/gtest.h>

#include "redundancy/field_key.h"
#include "support/records.h"

namespace palvren {
namespace {

// One field, however a program spells it, has one key and is named in a person's words.
TEST(PromptText, FieldsAreKeyedWhateverTheirSpellingAndNamedInWords) {
  const std::vector<std::vector<std::string>> sameField = {
      {"TEL;CELL", "TEL;TYPE=CELL", "tel;type=cell;pref", "item1.TEL;TYPE=CELL,VOICE"},
      {"EMAIL", "EMAIL;INTERNET", "item1.EMAIL;type=INTERNET", "EMAIL;TYPE=pref"},
      {"N", "N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE", "N;LANGUAGE=en"},
      // A single field is one field whatever its types.
      {"PHOTO;ENCODING=b;TYPE=JPEG", "PHOTO;VALUE=uri", "PHOTO;JPEG;ENCODING=BASE64"},
  };
  for (const auto& spellings : sameField) {
    for (const std::string& tag : spellings) EXPECT_EQ(fieldKeyOf(tag), fieldKeyOf(spellings[0]));
  }
  EXPECT_NE(fieldKeyOf("TEL;HOME"), fieldKeyOf("TEL;WORK"));
  EXPECT_NE(fieldKeyOf("EMAIL;HOME"), fieldKeyOf("EMAIL"));
  EXPECT_NE(fieldKeyOf("NOTE"), fieldKeyOf("N"));
  const std::pair<std::string, std::string> words[] = {
      {"N;LANGUAGE=en", "Name"},
      {"TEL;CELL", "Mobile"},
      {"TEL;TYPE=WORK,VOICE", "Work phone"},
      {"TEL;WORK;FAX", "Work fax"},
      {"EMAIL;TYPE=HOME", "Home e-mail"},
      {"item1.EMAIL", "E-mail"},
      {"PHOTO;ENCODING=b", "Photo"},
      {"X-SKYPE", "X-SKYPE"},
      {"  tel  ", "Telephone"},
  };
  for (const auto& [tag, said] : words) EXPECT_EQ(fieldWords(tag), said) << tag;
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
