#include "vcard/value_decoding.h"

#include <gtest/gtest.h>

#include "redundancy/contact_model.h"
#include "redundancy/prompt_context.h"

namespace palvren {
namespace {

// tests/data/encoded_values.vcf holds values as phones (2.1), desktop address books (3.0) and
// servers (4.0) write them; each case is what a person is shown for one of them.
TEST(ValueDecoding, ShowsEncodedValuesAsTheirText) {
  ContactList list;
  ContactTable table(1);
  loadContacts(std::string(PALVREN_TEST_DATA) + "/encoded_values.vcf", list, table);
  ASSERT_EQ(list.size(), 4);
  struct Case {
    int contact;
    const char* tag;
    const char* shown;
    const char* image;  // the picture format found, or ""
  };
  const Case cases[] = {
      // quoted-printable, soft line breaks, in UTF-8, ISO-8859-1 and Windows-1252
      {1, "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE", "Br\xC3\xBCning Michael", ""},
      {1, "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE", "Jos\xC3\xA9 Br\xC3\xBCning", ""},
      {1, "NOTE;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE", "M\xC3\xBCnster = 50 km", ""},
      {1, "LABEL;CHARSET=Windows-1252;ENCODING=QUOTED-PRINTABLE",
       "\xE2\x82\xAC 12 \xE2\x80\x93 L\xC3\xA4mmerweg", ""},
      // no charset: UTF-8 when the bytes are, else ISO-8859-1; a broken escape stays
      {1, "ORG;QUOTED-PRINTABLE", "Caf\xC3\xA9 =XY", ""},
      {1, "TITLE;ENCODING=QUOTED-PRINTABLE", "Caf\xC3\xA9", ""},
      {1, "PHOTO;ENCODING=BASE64;TYPE=GIF", "GIF image, 43 bytes", "GIF"},
      // folded lines; a grouped 3.0 photo; base64 that is no picture
      {2, "FN", "Jos\xC3\xA9 Brandt", ""},
      {2, "NOTE", "firstsecond", ""},
      {2, "item1.PHOTO;ENCODING=b;TYPE=PNG", "PNG image, 83 bytes", "PNG"},
      {2, "LOGO;ENCODING=b", "aGVsbG8=", ""},
      // 4.0 data: URI; a link and broken base64 are shown as they stand
      {3, "PHOTO", "JPEG image, 300 bytes", "JPEG"},
      {3, "LOGO", "http://example.org/logo.png", ""},
      {3, "PHOTO;ENCODING=b;TYPE=JPEG", "/9j/4A*broken*", ""},
      // a card that is ISO-8859-1 throughout, declared or not
      {4, "N;CHARSET=ISO-8859-1", "M\xC3\xBCller Hans", ""},
      {4, "FN", "Hans M\xC3\xBCller", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tag);
    const ContactRecord& contact = table[std::size_t(c.contact)];
    ASSERT_TRUE(contact.holdsTag(c.tag));
    EXPECT_EQ(fieldForDisplay(contact, c.tag), c.shown);
    const std::optional<InlineImage> image = inlineImage(c.tag, contact.value(c.tag));
    EXPECT_EQ(image ? image->format : "", c.image);
  }
}

// Each value is read on its own: soft line breaks before folded lines, valid multi-byte UTF-8 as
// UTF-8 whatever is declared, else the declared character set (any ICU knows), else
// Windows-1252; a byte a set does not define keeps its own code point.
TEST(ValueDecoding, ReadsEachValueInItsOwnCharacterSet) {
  struct Case {
    const char* tag;
    const char* value;
    const char* shown;
  };
  const Case cases[] = {
      {"ADR;ENCODING=QUOTED-PRINTABLE", ";;3 Main=\r\n St", ";;3 Main St"},
      {"ADR;ENCODING=QUOTED-PRINTABLE", ";;3 Main=\r\n\tSt", ";;3 Main\tSt"},
      {"NOTE", "first\r\n\tsecond\r\n third", "firstsecondthird"},
      {"FN;ENCODING=QUOTED-PRINTABLE", "Jos=C3=A9 Lee", "Jos\xC3\xA9 Lee"},
      {"FN", "Jos\xC3\xA9 Lee", "Jos\xC3\xA9 Lee"},
      {"N;CHARSET=ISO-8859-1", "M\xC3\xBCller", "M\xC3\xBCller"},
      {"FN", "Jos\xE9 \x80", "Jos\xC3\xA9 \xE2\x82\xAC"},
      {"FN;CHARSET=UTF-8", "Jos\xE9", "Jos\xC3\xA9"},
      {"FN;CHARSET=Shift_JIS;ENCODING=QUOTED-PRINTABLE", "=93=FA=96=7B",
       "\xE6\x97\xA5\xE6\x9C\xAC"},
      {"FN;CHARSET=GB2312", "\xD6\xD0", "\xE4\xB8\xAD"},
      {"FN;CHARSET=Big5", "\xA4\xA4", "\xE4\xB8\xAD"},
      {"FN;CHARSET=KOI8-R", "\xE9\xD7\xC1\xCE", "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD"},
      {"FN;CHARSET=ISO-8859-2",
       "\xA3\xF3"
       "d\xBC",
       "\xC5\x81\xC3\xB3"
       "d\xC5\xBA"},
      {"NOTE;CHARSET=UTF-16;ENCODING=QUOTED-PRINTABLE", "=FE=FF=00A", "A"},
      {"FN;CHARSET=windows-1252", "\x81", "\xC2\x81"},
      {"FN;CHARSET=no-such-set", "Jos\xE9", "Jos\xC3\xA9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tag + std::string(":") + c.value);
    EXPECT_EQ(displayUtf8(c.tag, c.value), c.shown);
  }
  EXPECT_EQ(decodeBase64("QUJD"), "ABC");
  EXPECT_EQ(decodeBase64("QQ=="), "A");
  EXPECT_EQ(decodeBase64("QQ=A"), std::nullopt);  // nothing may follow the padding
}

// A typed text is stored as the field is: the character set its value is in, quoted-printable
// again, and it reads back as typed.
TEST(ValueDecoding, StoresATypedTextAsTheFieldIsStored) {
  struct Case {
    const char* tag;
    const char* original;
    const char* typed;
    std::optional<std::string> stored;
  };
  const Case cases[] = {
      {"FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE", "x", "Jos\xC3\xA9 = 1 ", "Jos=C3=A9 =3D 1=20"},
      {"NOTE;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE", "x", "M\xC3\xBCller", "M=FCller"},
      {"LABEL;CHARSET=Windows-1252;QUOTED-PRINTABLE", "x", "\xE2\x82\xAC 5", "=80 5"},
      {"NOTE;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE", "x", "\xE2\x82\xAC", std::nullopt},
      {"N;ENCODING=QUOTED-PRINTABLE", "D=FC", "D\xC3\xBC;Ann", "D=FC;Ann"},
      {"N;CHARSET=ISO-8859-1", "x", "M\xC3\xBCller", "M\xFCller"},
      {"N;CHARSET=ISO-8859-1", "M\xC3\xBCller", "M\xC3\xBC", "M\xC3\xBC"},
      {"FN", "Ren\xE9", "Ren\xC3\xA9 \xE2\x82\xAC", "Ren\xE9 \x80"},
      {"FN", "Ren\xE9", "\xCE\xA9", std::nullopt},
      {"FN", "Ren\xC3\xA9", "Ren\xC3\xA9", "Ren\xC3\xA9"},
      {"FN;CHARSET=SHIFT_JIS", "x", "\xE6\x97\xA5\xE6\x9C\xAC", "\x93\xFA\x96\x7B"},
      {"FN;CHARSET=SHIFT_JIS", "x", "Ren\xC3\xA9", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tag);
    const std::optional<std::string> stored = encodeTypedValue(c.tag, c.typed, c.original);
    EXPECT_EQ(stored, c.stored);
    if (stored) {
      EXPECT_EQ(displayUtf8(c.tag, *stored), c.typed);
    }
  }
}

}  // namespace
}  // namespace palvren
