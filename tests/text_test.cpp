#include "platform/text.h"

#include <gtest/gtest.h>

#include "platform/message.h"
#include "vcard/block_rules.h"

namespace palvren {
namespace {

TEST(Text, TrimRemovesSpacesOnlyNotTabs) {
  EXPECT_EQ(trimSpaces("  a b  "), "a b");
  EXPECT_EQ(trimSpaces("\ta\t"), "\ta\t");
  EXPECT_EQ(trimSpaces("    "), "");
}

TEST(Text, BeginLineMatchesWholeLinesInAnyCaseWithSpaces) {
  EXPECT_TRUE(isContactBegin("BEGIN:VCARD"));
  EXPECT_TRUE(isContactBegin("  begin:vCard  "));
  EXPECT_FALSE(isContactBegin("BEGIN:VCARD\t"));
  EXPECT_FALSE(isContactBegin("BEGIN:VCARD;X=1"));
  EXPECT_FALSE(isContactBegin("xBEGIN:VCARD"));
  EXPECT_FALSE(
      isContactBegin("\xEF\xBB\xBF"
                     "BEGIN:VCARD"));
}

TEST(Text, UpperCasingIsAsciiOnly) { EXPECT_EQ(toUpperAscii("abz\xC3\xA9"), "ABZ\xC3\xA9"); }

TEST(Text, CharactersAreCodePointsInUtf8AndBytesOtherwise) {
  EXPECT_EQ(characterCount("Jos\xC3\xA9"), 4u);
  EXPECT_EQ(characterCount("Jos\xE9"), 4u);
  EXPECT_EQ(characterCount("\xC3\xA9\xC3"), 3u);  // broken UTF-8 counts bytes
  EXPECT_EQ(firstCharacters("\xC3\xA9\xC3\xB1x", 2), "\xC3\xA9\xC3\xB1");
  EXPECT_FALSE(isValidUtf8("\xC0\x80"));      // overlong
  EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));  // surrogate
}

// The searches take a text sixteen or eight bytes at a time: a byte they look for, or one that
// breaks UTF-8, is found at every place, before, across and after the blocks they take.
TEST(Text, BlockSearchesFindWhatIsAtAnyPlace) {
  static constexpr ByteSet kSmall(",\"\r\n");
  static constexpr ByteSet kLarge(",;:=\\\"\r\n");  // more bytes than are listed
  for (std::size_t length = 0; length <= 40; ++length) {
    for (std::size_t at = 0; at <= length; ++at) {
      std::string text(length, 'a');
      if (at < length) text[at] = '\n';
      const std::size_t expected = at < length ? at : std::string_view::npos;
      EXPECT_EQ(findAnyOf(text, kSmall), expected) << length << " " << at;
      EXPECT_EQ(findAnyOf(text, kLarge), expected) << length << " " << at;
      if (at < length) text[at] = '\xC3';  // a sequence cut short
      EXPECT_EQ(isValidUtf8(text), at == length) << length << " " << at;
      if (at + 1 < length) {
        text[at + 1] = '\xA9';  // completed
        EXPECT_TRUE(isValidUtf8(text)) << length << " " << at;
      }
    }
  }
}

TEST(Text, ReplaceAllDoesOneLeftToRightPass) {
  EXPECT_EQ(replaceAll("aaaa", "aa", "a"), "aa");
  EXPECT_EQ(replaceAll("a\"b\"", "\"", "\"\""), "a\"\"b\"\"");
}

// A message's arguments are placed in one pass: a path holding "%1" or "%n" stays as it is.
TEST(Text, MessagesFillTheirPlaceholdersOnce) {
  const Message copied(PALVREN_COUNTED_TEXT("Run", "%n files of %1 into %2"), 3, {"a%2", "b%n%1"});
  EXPECT_EQ(copied.english(), "3 files of a%2 into b%n%1");
  EXPECT_EQ((Message(PALVREN_TEXT("Run", "%1 of %2")) + lineBreak() + quotedPath("%1")).english(),
            "%1 of %2\r\n\"%1\"");
}

TEST(Text, FourDigitNumbers) {
  EXPECT_EQ(fourDigits(1), "0001");
  EXPECT_EQ(fourDigits(10000), "10000");
}

}  // namespace
}  // namespace palvren
