// Converting contacts between vCard versions, byte for byte, and over the real-world corpus.
#include "vcard/vcard_converter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "support/corpus.h"
#include "support/temp_folder.h"
#include "vcard/block_rules.h"
#include "vcard/value_decoding.h"
#include "vcard/value_forms.h"
#include "vcard/vcard_property.h"

namespace palvren {
namespace {

std::vector<std::string> linesOf(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string line(text.substr(start, end - start));
    if (line.ends_with('\r')) line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

std::vector<std::string> asVector(std::span<const std::string> lines) {
  return {lines.begin(), lines.end()};
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::string converted(std::string_view card, VcardVersion target, ConversionLog* log = nullptr) {
  ContactConverter converter(target);
  const std::string text = joined(asVector(converter.convert(linesOf(card), 1)));
  if (log) *log = converter.log();
  return text;
}

struct Case {
  const char* what;
  VcardVersion target;
  const char* input;     // lines joined by LF
  const char* expected;  // lines joined by CR LF
  const char* logged;    // what the log says of the contact; "" for nothing
};

const Case kCases[] = {
    // 2.1 -> 3.0
    {"Shift_JIS quoted-printable, bare types, FN made from N", VcardVersion::V30,
     "BEGIN:VCARD\nVERSION:2.1\nN;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:=88=C0=93=A1;=83=8D"
     "=83=43=83=68;;;\nTEL;HOME;VOICE;PREF:+44 20 7946 0000\nEND:VCARD",
     "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:\xE3\x83\xAD\xE3\x82\xA4\xE3\x83\x89 "
     "\xE5\xAE\x89\xE8\x97\xA4\r\nN:\xE5\xAE\x89\xE8\x97\xA4;\xE3\x83\xAD\xE3\x82\xA4\xE3\x83\x89;;"
     ";"
     "\r\nTEL;TYPE=HOME,VOICE,PREF:+44 20 7946 0000\r\nEND:VCARD\r\n",
     "N decoded from SHIFT_JIS quoted-printable; FN made from N"},
    {"Windows-1252 soft breaks; , ; \\ and a line break in a note; group and X- kept",
     VcardVersion::V30,
     "BEGIN:VCARD\nVERSION:2.1\nFN;CHARSET=Windows-1252;ENCODING=QUOTED-PRINTABLE:Ren=E9 =\n"
     "M=FCller\nN:M\xC3\xBCller;Ren\xC3\xA9;;;\n"
     "NOTE;ENCODING=QUOTED-PRINTABLE:a, b; c\\d=0D=0Ae\nitem1.X-ABLABEL:Werk\nEND:VCARD",
     "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ren\xC3\xA9 M\xC3\xBCller\r\nN:M\xC3\xBCller;Ren\xC3\xA9;;;"
     "\r\nNOTE:a\\, b\\; c\\\\d\\ne\r\nitem1.X-ABLABEL:Werk\r\nEND:VCARD\r\n",
     "FN decoded from Windows-1252 quoted-printable; NOTE decoded from quoted-printable"},
    {"a 2.1 photo: unindented base64 lines and its blank line", VcardVersion::V30,
     "BEGIN:VCARD\nVERSION:2.1\nN:Gif;;;;\nFN:Gif\nPHOTO;ENCODING=BASE64;GIF:R0lGODlhAQABAIAAAP//"
     "/wAAACH5BAEAAAAALAAA\nAAABAAEAAAICRAEAOw==\n\nLABEL;HOME:1 Main St\nEND:VCARD",
     "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Gif;;;;\r\nFN:Gif\r\nPHOTO;ENCODING=b;TYPE=GIF:R0lGODlhAQAB"
     "AIAAAP///wAAACH5BAEAAAAALAAAAAABAAEAA\r\n AICRAEAOw==\r\nLABEL;TYPE=HOME:1 Main St\r\n"
     "END:VCARD\r\n",
     ""},
    {"a card inside a 2.1 AGENT becomes 3.0 text, itself converted", VcardVersion::V30,
     "BEGIN:VCARD\nVERSION:2.1\nN:Boss;;;;\nFN:Boss\nAGENT:\nBEGIN:VCARD\nVERSION:2.1\n"
     "FN;ENCODING=QUOTED-PRINTABLE:Assistant=2C Jo\nEND:VCARD\nTEL:555\nEND:VCARD",
     "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Boss;;;;\r\nFN:Boss\r\nAGENT:BEGIN:VCARD\\nVERSION:3.0\\nN:"
     "\\;"
     "\\;\\;\\;\\nFN:Assistant\\\\\\, Jo\\nEND:VCARD\r\nTEL:555\r\nEND:VCARD\r\n",
     "FN decoded from quoted-printable; N added"},
    // 2.1 -> 4.0
    {"LABEL onto the one ADR of its types, PREF, photo as data:, FN from ORG, AGENT",
     VcardVersion::V40,
     "BEGIN:VCARD\nVERSION:2.1\nORG:Acme;Sales\nADR;WORK;PREF:;;1 Main St;Leeds;;LS1;UK\n"
     "ADR;HOME:;;2 Side St;York;;;UK\nLABEL;WORK;PREF:1 Main St, Leeds\nAGENT:Jo\n"
     "PHOTO;ENCODING=BASE64;GIF:R0lGODlhAQABAIAAAP///wAAACH5BAEAAAAALAAAAAABAAEAAAICRAEAOw==\n\n"
     "END:VCARD",
     "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Acme\r\nORG:Acme;Sales\r\n"
     "ADR;TYPE=work;PREF=1;LABEL=\"1 Main St, Leeds\":;;1 Main St;Leeds;;LS1;UK\r\n"
     "ADR;TYPE=home:;;2 Side St;York;;;UK\r\nX-AGENT:Jo\r\n"
     "PHOTO:data:image/gif;base64,R0lGODlhAQABAIAAAP///wAAACH5BAEAAAAALAAAAAABAAE\r\n"
     " AAAICRAEAOw==\r\nEND:VCARD\r\n",
     "TYPE=PREF became PREF=1; LABEL became ADR's LABEL parameter; AGENT became X-AGENT; FN made "
     "from ORG"},
    // 3.0 -> 4.0
    {"a LABEL no single ADR matches, a 3.0 photo, escapes kept, FN from EMAIL", VcardVersion::V40,
     "BEGIN:VCARD\nVERSION:3.0\nN:;;;;\nEMAIL;TYPE=INTERNET:jo@example.org\n"
     "LABEL;TYPE=HOME:a\\, b\\nc\nitem2.PHOTO;ENCODING=b;TYPE=GIF:R0lGODlhAQABAIAAAP///wAAACH5BAEA"
     "AAAALAAAAAABAAEAAAICRAEAOw==\nX-FOO;X-BAR=1:Keep\\, me\nEND:VCARD",
     "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:jo@example.org\r\nN:;;;;\r\nEMAIL;TYPE=internet:jo@example."
     "org\r\nX-LABEL;TYPE=home:a\\, b\\nc\r\nitem2.PHOTO:data:image/gif;base64,R0lGODlhAQABAIAAAP/"
     "//wAAACH5BAEAAAAALAAAA\r\n AABAAEAAAICRAEAOw==\r\nX-FOO;X-BAR=1:Keep\\, me\r\nEND:VCARD\r\n",
     "LABEL became X-LABEL; FN made from EMAIL"},
    // 4.0 -> 3.0
    {"ADR's LABEL back to LABEL, PREF=1, data: photo, KIND, N added", VcardVersion::V30,
     "BEGIN:VCARD\nVERSION:4.0\nFN:Jo\nKIND:individual\nADR;TYPE=home;LABEL=\"2 Side St, "
     "York\":;;2 "
     "Side St;York;;;\nTEL;TYPE=cell;PREF=1;VALUE=uri:tel:+44-7700-900000\n"
     "PHOTO:data:image/gif;base64,R0lGODlhAQABAIAAAP///wAAACH5BAEAAAAALAAAAAABAAEAAAICRAEAOw==\n"
     "END:VCARD",
     "BEGIN:VCARD\r\nVERSION:3.0\r\nN:;;;;\r\nFN:Jo\r\nX-KIND:individual\r\n"
     "ADR;TYPE=HOME:;;2 Side St;York;;;\r\nLABEL;TYPE=HOME:2 Side St\\, York\r\n"
     "TEL;VALUE=uri;TYPE=CELL,PREF:tel:+44-7700-900000\r\n"
     "PHOTO;ENCODING=b;TYPE=GIF:R0lGODlhAQABAIAAAP///wAAACH5BAEAAAAALAAAAAABAAEAA\r\n "
     "AICRAEAOw==\r\n"
     "END:VCARD\r\n",
     "PREF=1 became TYPE=PREF; KIND became X-KIND; ADR's LABEL parameter became LABEL; N added"},
    {"a comma a 3.0 writer left bare in a text", VcardVersion::V30,
     "BEGIN:VCARD\nVERSION:3.0\nN:Doe;Jo;;;\nFN:Doe, Jo\nEND:VCARD",
     "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Doe;Jo;;;\r\nFN:Doe\\, Jo\r\nEND:VCARD\r\n", ""},
    // 3.0 -> 2.1
    {"non-ASCII as quoted-printable with soft breaks, escapes, photo with its blank line",
     VcardVersion::V21,
     "BEGIN:VCARD\nVERSION:3.0\nFN:J\xC3\xBCrgen M\xC3\xBCller\nNOTE:Line one\\, still one\\nLine "
     "two is long enough to need a soft line break "
     "somewhere\nPHOTO;ENCODING=b;TYPE=GIF:R0lGODlhAQABA"
     "IAAAP///wAAACH5BAEAAAAALAAAAAABAAEAAAICRAEAOw==\nEND:VCARD",
     "BEGIN:VCARD\r\nVERSION:2.1\r\nN:;;;;\r\nFN;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:J=C3="
     "BCrgen "
     "M=C3=BCller\r\nNOTE;ENCODING=QUOTED-PRINTABLE:Line one, still one=0D=0ALine two is long "
     "en=\r\n"
     "ough to need a soft line break somewhere\r\n"
     "PHOTO;ENCODING=BASE64;GIF:R0lGODlhAQABAIAAAP///wAAACH5BAEAAAAALAAAAAABAAEAA\r\n "
     "AICRAEAOw==\r\n"
     "\r\nEND:VCARD\r\n",
     "N added"},
    {"types already in 4.0's case but for a PREF among them", VcardVersion::V40,
     "BEGIN:VCARD\nVERSION:3.0\nFN:Jo\nTEL;TYPE=pref,cell:+1 555 0100\nEND:VCARD",
     "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Jo\r\nTEL;TYPE=cell;PREF=1:+1 555 0100\r\nEND:VCARD\r\n",
     "TYPE=PREF became PREF=1"},
    // values no decoding explains
    {"broken base64 kept as read in 3.0 (a byte next to the alphabet's among its digits)",
     VcardVersion::V30,
     "BEGIN:VCARD\nVERSION:2.1\nFN:X\nN:X;;;;\nPHOTO;ENCODING=BASE64;JPEG:QUJDR[VGR0hJSktMTU5Pnot*"
     "base64\n\n"
     "END:VCARD",
     "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:X\r\nN:X;;;;\r\nPHOTO;TYPE=JPEG;ENCODING=BASE64:"
     "QUJDR[VGR0hJSktMTU5Pnot*base64\r\nEND:VCARD\r\n",
     "PHOTO written as read: its base64 does not decode"},
    {"a byte Windows-1252 leaves undefined, in 4.0 as an X- property", VcardVersion::V40,
     "BEGIN:VCARD\nVERSION:2.1\nFN:X\nNOTE;ENCODING=QUOTED-PRINTABLE:a=81b\nEND:VCARD",
     "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:X\r\nX-NOTE;X-ENCODING=QUOTED-PRINTABLE:YT04MWI=\r\n"
     "END:VCARD\r\n",
     "NOTE written as X-NOTE, its bytes in base64: no character set explains its bytes"},
    // folding never cuts a UTF-8 character
    {"a long UTF-8 value folded at 75 octets", VcardVersion::V30,
     "BEGIN:VCARD\nVERSION:3.0\nN:;;;;\nFN:\nNOTE:\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"
     "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3"
     "\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"
     "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\n"
     "END:VCARD",
     "BEGIN:VCARD\r\nVERSION:3.0\r\nN:;;;;\r\nFN:\r\nNOTE:\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"
     "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3"
     "\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"
     "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\r\n \xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"
     "\xC3\xA9\r\nEND:VCARD\r\n",
     ""},
};

TEST(VcardConverter, WritesEachVersionsOwnForm) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    ConversionLog log;
    EXPECT_EQ(converted(c.input, c.target, &log), c.expected);
    const std::string logged = log.entries.empty() ? "" : log.entries.front();
    EXPECT_EQ(logged, std::string(*c.logged ? "contact 1: " : "") + c.logged);
    // A second conversion to the same version changes nothing.
    EXPECT_EQ(converted(c.expected, c.target), c.expected);
  }
}

// The contacts of a file, each as its lines (cards inside a contact stay in it).
std::vector<std::vector<std::string>> contactsOf(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  std::vector<std::vector<std::string>> contacts;
  int depth = 0;
  for (std::string& line : linesOf(bytes.str())) {
    if (isContactBegin(line) && depth++ == 0) contacts.emplace_back();
    if (depth == 0) continue;
    contacts.back().push_back(line);
    if (isLoadEnd(line)) --depth;
  }
  return contacts;
}

// What a converted contact means: each property's name and text, in order of name, then text.
std::vector<std::string> meaningOf(const std::vector<std::string>& lines) {
  std::vector<std::string> meaning;
  for (const VcardProperty& property : readProperties(lines)) {
    if (property.name == "VERSION") continue;
    meaning.push_back(property.name + ":" + unescapeText(unfold(property.value)));
  }
  std::sort(meaning.begin(), meaning.end());
  return meaning;
}

TEST(VcardConverter, CorpusRoundTripsThroughEveryVersion) {
  const auto files = testing::corpusFiles();
  PALVREN_REQUIRE_CORPUS(files);
  int contacts = 0;
  for (const auto& file : files) {
    int number = 0;
    for (const std::vector<std::string>& contact : contactsOf(file)) {
      SCOPED_TRACE(file.string() + ", contact " + std::to_string(++number));
      ++contacts;
      ContactConverter to30(VcardVersion::V30), to40(VcardVersion::V40), back(VcardVersion::V30);
      const std::vector<std::string> direct = asVector(to30.convert(contact, 1));
      const std::vector<std::string> via40 =
          asVector(back.convert(asVector(to40.convert(contact, 1)), 1));
      // A value no decoding explains is kept as read in 3.0 and as an X- property in 4.0.
      if (to30.log().valuesAsRead == 0) {
        EXPECT_EQ(meaningOf(via40), meaningOf(direct));
      }
      for (VcardVersion version : {VcardVersion::V21, VcardVersion::V30, VcardVersion::V40}) {
        ContactConverter once(version), twice(version);
        const std::vector<std::string> first = asVector(once.convert(contact, 1));
        EXPECT_EQ(asVector(twice.convert(first, 1)), first) << versionNumber(version);
      }
    }
  }
  EXPECT_GT(contacts, 100);
}

std::string json(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      static constexpr char kHex[] = "0123456789abcdef";
      quoted += std::string("\\u00") + kHex[(c >> 4) & 15] + kHex[c & 15];
    } else {
      quoted += c;
    }
  }
  return quoted + '"';
}

// The FN, EMAIL, TEL, N and ADR values of a converted contact as we read them, as JSON.
std::string expectedValues(const std::vector<std::string>& lines) {
  std::map<std::string, std::vector<std::string>> values{
      {"FN", {}}, {"EMAIL", {}}, {"TEL", {}}, {"N", {}}, {"ADR", {}}};
  for (const VcardProperty& property : readProperties(lines)) {
    auto found = values.find(property.name);
    if (found == values.end()) continue;
    const std::string value = unfold(property.value);
    const bool structured = property.name == "N" || property.name == "ADR";
    if (!structured) {
      found->second.push_back(json(trimSpaces(unescapeText(value))));
      continue;
    }
    std::vector<std::string> parts = structuredParts(value);
    parts.resize(property.name == "N" ? 5 : 7);
    std::string list;
    for (const std::string& part : parts) list += (list.empty() ? "[" : ", ") + json(part);
    found->second.push_back(list + "]");
  }
  std::string object;
  for (const auto& [name, list] : values) {
    std::string items;
    for (const std::string& item : list) items += (items.empty() ? "" : ", ") + item;
    object += (object.empty() ? "{" : ", ") + json(name) + ": [" + items + "]";
  }
  return object + "}";
}

// A reader that is not ours reads every contact of the corpus fully converted to 3.0, and finds
// the values we read in it.
TEST(VcardConverter, AnotherReaderReadsWhatIsConvertedTo30) {
  const auto files = testing::corpusFiles();
  PALVREN_REQUIRE_CORPUS(files);
  std::string cards;
  std::string expected;
  int contacts = 0;
  for (const auto& file : files) {
    for (const std::vector<std::string>& contact : contactsOf(file)) {
      ContactConverter converter(VcardVersion::V30);
      const std::vector<std::string> lines = asVector(converter.convert(contact, 1));
      if (converter.log().valuesAsRead > 0) continue;
      cards += joined(lines);
      expected += (expected.empty() ? "[" : ",\n") + expectedValues(lines);
      ++contacts;
    }
  }
  testing::TempFolder folder;
  const std::string cardsFile = folder.write("cards.vcf", cards);
  const std::string expectedFile = folder.write("expected.json", expected + "]\n");
  const std::string command = "/usr/bin/python3 " PALVREN_TEST_DATA
                              "/../scripts/vobject_check.py '" +
                              cardsFile + "' '" + expectedFile + "'";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  EXPECT_GT(contacts, 100);
}

}  // namespace
}  // namespace palvren
