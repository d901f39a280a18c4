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
  LoadContacts(std::string(PALVREN_TEST_DATA) + "/encoded_values.vcf", list, table);
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
    EXPECT_EQ(FieldForDisplay(contact, c.tag, holdsUtf8(contact)), c.shown);
    const std::optional<InlineImage> image = inlineImage(c.tag, contact.value(c.tag));
    EXPECT_EQ(image ? image->format : "", c.image);
  }
}

// A typed text is stored as the field is: its charset, its contact's encoding, quoted-printable
// again, and it reads back as typed.
TEST(ValueDecoding, StoresATypedTextAsTheFieldIsStored) {
  struct Case {
    const char* tag;
    bool contactUtf8;
    const char* typed;
    std::optional<std::string> stored;
  };
  const Case cases[] = {
      {"FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE", true, "Jos\xC3\xA9 = 1 ",
       "Jos=C3=A9 =3D 1=20"},
      {"NOTE;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE", true, "M\xC3\xBCller", "M=FCller"},
      {"LABEL;CHARSET=Windows-1252;QUOTED-PRINTABLE", true, "\xE2\x82\xAC 5", "=80 5"},
      {"NOTE;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE", true, "\xE2\x82\xAC", std::nullopt},
      {"N;ENCODING=QUOTED-PRINTABLE", false, "D\xC3\xBC;Ann", "D=FC;Ann"},
      {"N;CHARSET=ISO-8859-1", true, "M\xC3\xBCller", "M\xFCller"},
      {"FN", false, "Ren\xC3\xA9", "Ren\xE9"},
      {"FN", true, "Ren\xC3\xA9", "Ren\xC3\xA9"},
      {"FN;CHARSET=SHIFT_JIS", true, "Ren\xC3\xA9", "Ren\xC3\xA9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tag);
    const std::optional<std::string> stored = encodeTypedValue(c.tag, c.typed, c.contactUtf8);
    EXPECT_EQ(stored, c.stored);
    if (stored && isQuotedPrintable(c.tag)) {
      EXPECT_EQ(displayUtf8(c.tag, *stored, c.contactUtf8), c.typed);
    }
  }
}

}  // namespace
}  // namespace palvren
