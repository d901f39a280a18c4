#include "redundancy/field_key.h"

#include <algorithm>
#include <unordered_map>

#include "platform/message.h"
#include "platform/text.h"
#include "redundancy/match_rule.h"
#include "vcard/value_decoding.h"
#include "vcard/vcard_property.h"

namespace palvren {

namespace {

constexpr std::string_view kSingleNames[] = {"N",     "FN",   "BDAY",  "ANNIVERSARY", "GENDER",
                                             "KIND",  "UID",  "PHOTO", "LOGO",        "ORG",
                                             "TITLE", "ROLE", "TZ",    "GEO"};
constexpr std::string_view kFrameNames[] = {"BEGIN", "VERSION", "END", "PRODID", "REV"};

bool isDefaultType(std::string_view upperName, std::string_view type) {
  return type == "pref" || (upperName == "TEL" && type == "voice") ||
         (upperName == "EMAIL" && type == "internet");
}

std::string upperNameOf(std::string_view tag) {
  return toUpperAscii(trimSpaces(propertyName(tag, Group::Dropped)));
}

std::string trimmedLineEnds(std::string text) {
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.pop_back();
  return text;
}

// The first non-empty decoded value of a property name, or the empty text.
std::string firstValueOf(const ContactRecord& contact, std::string_view upperName) {
  for (int k = 1; k <= contact.orderCount(); ++k) {
    const std::string_view tag = contact.tagAt(k);
    if (contact.valueAt(k).empty() || upperNameOf(tag) != upperName) continue;
    std::string text = trimmedLineEnds(displayUtf8(tag, contact.valueAt(k)));
    if (!isEmptyName(text)) return text;
  }
  return {};
}

// A field that is at work, at home or either: its words for each.
struct PlacedWords {
  std::string_view upperName;
  const char* work;
  const char* home;
  const char* plain;
};

std::string spokenName(std::string_view upperName, const std::vector<std::string>& types) {
  auto has = [&](std::string_view type) {
    return std::find(types.begin(), types.end(), type) != types.end();
  };
  static const PlacedWords kPlaced[] = {
      {"TEL", PALVREN_TEXT("Fields", "Work phone").source,
       PALVREN_TEXT("Fields", "Home phone").source, PALVREN_TEXT("Fields", "Telephone").source},
      {"FAX", PALVREN_TEXT("Fields", "Work fax").source, PALVREN_TEXT("Fields", "Home fax").source,
       PALVREN_TEXT("Fields", "Fax").source},
      {"EMAIL", PALVREN_TEXT("Fields", "Work e-mail").source,
       PALVREN_TEXT("Fields", "Home e-mail").source, PALVREN_TEXT("Fields", "E-mail").source},
      {"ADR", PALVREN_TEXT("Fields", "Work address").source,
       PALVREN_TEXT("Fields", "Home address").source, PALVREN_TEXT("Fields", "Address").source},
      {"URL", PALVREN_TEXT("Fields", "Work web page").source,
       PALVREN_TEXT("Fields", "Home web page").source, PALVREN_TEXT("Fields", "Web page").source}};
  std::string_view placed = upperName;
  if (upperName == "TEL") {
    if (has("cell")) return PALVREN_TEXT("Fields", "Mobile").source;
    if (has("fax"))
      placed = "FAX";
    else if (has("pager"))
      return PALVREN_TEXT("Fields", "Pager").source;
  }
  for (const PlacedWords& words : kPlaced) {
    if (words.upperName != placed) continue;
    return has("work") ? words.work : has("home") ? words.home : words.plain;
  }
  static const std::pair<std::string_view, const char*> kWords[] = {
      {"N", PALVREN_TEXT("Fields", "Name").source},
      {"FN", PALVREN_TEXT("Fields", "Display name").source},
      {"ORG", PALVREN_TEXT("Fields", "Organization").source},
      {"TITLE", PALVREN_TEXT("Fields", "Job title").source},
      {"ROLE", PALVREN_TEXT("Fields", "Role").source},
      {"BDAY", PALVREN_TEXT("Fields", "Birthday").source},
      {"NOTE", PALVREN_TEXT("Fields", "Note").source},
      {"PHOTO", PALVREN_TEXT("Fields", "Photo").source},
      {"LOGO", PALVREN_TEXT("Fields", "Logo").source},
      {"NICKNAME", PALVREN_TEXT("Fields", "Nickname").source},
      {"UID", PALVREN_TEXT("Fields", "Unique ID").source},
      {"GEO", PALVREN_TEXT("Fields", "Location").source},
      {"TZ", PALVREN_TEXT("Fields", "Time zone").source},
      {"CATEGORIES", PALVREN_TEXT("Fields", "Categories").source},
      {"GENDER", PALVREN_TEXT("Fields", "Gender").source},
      {"KIND", PALVREN_TEXT("Fields", "Kind").source},
      {"IMPP", PALVREN_TEXT("Fields", "Instant messaging").source},
      {"ANNIVERSARY", PALVREN_TEXT("Fields", "Anniversary").source},
      {"LABEL", PALVREN_TEXT("Fields", "Address label").source},
      {"SOUND", PALVREN_TEXT("Fields", "Sound").source},
      {"KEY", PALVREN_TEXT("Fields", "Key").source},
      {"LANG", PALVREN_TEXT("Fields", "Language").source}};
  for (const auto& [name, words] : kWords) {
    if (name == upperName) return words;
  }
  return {};
}

}  // namespace

bool isEmptyName(std::string_view value) {
  return value.find_first_not_of(" \t;,\r\n") == std::string_view::npos;
}

FieldKind fieldKindOf(std::string_view upperName) {
  for (std::string_view name : kFrameNames) {
    if (name == upperName) return FieldKind::Frame;
  }
  for (std::string_view name : kSingleNames) {
    if (name == upperName) return FieldKind::Single;
  }
  return FieldKind::Multiple;
}

namespace {

std::string keyOfTag(std::string_view tag) {
  VcardProperty property;
  parseTag(tag, property);
  std::string key = upperNameOf(tag);
  if (fieldKindOf(key) != FieldKind::Multiple) return key;
  std::vector<std::string> types = lowerTypes(property);
  std::erase_if(types, [&](const std::string& type) { return isDefaultType(key, type); });
  std::sort(types.begin(), types.end());
  for (const std::string& type : types) key.append(";").append(type);
  return key;
}

}  // namespace

namespace {

// What a tag is to a merge, worked out once.
struct TagField {
  std::string key;
  std::string upperName;
  FieldKind kind;
};

struct TagHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view tag) const { return std::hash<std::string_view>()(tag); }
};

const TagField& tagField(std::string_view tag) {
  // Pass 2 reads the same few tags again and again: what they are is kept, for a bounded
  // number of them (a hostile file may hold any number of tags).
  thread_local std::unordered_map<std::string, TagField, TagHash, std::equal_to<>> known;
  const auto found = known.find(tag);
  if (found != known.end()) return found->second;
  if (known.size() > 4096) known.clear();
  TagField field{{}, upperNameOf(tag), FieldKind::Multiple};
  field.kind = fieldKindOf(field.upperName);
  field.key = field.kind == FieldKind::Multiple ? keyOfTag(tag) : field.upperName;
  return known.emplace(std::string(tag), std::move(field)).first->second;
}

}  // namespace

std::string fieldKeyOf(std::string_view tag) { return tagField(tag).key; }

std::string comparedValue(std::string_view tag, std::string_view value, const MatchRule& rule) {
  std::string text = trimmedLineEnds(displayUtf8(tag, value));
  if (!rule.tolerant) return text;
  const MatchField field = matchFieldOf(tag);
  if (field == MatchField::Other) return text;
  std::string folded = foldedValue(field, text, rule);
  return folded.empty() ? text : "\x01" + folded;
}

std::vector<FieldLine> fieldLines(const ContactRecord& contact, const MatchRule& rule,
                                  bool values) {
  std::vector<FieldLine> lines;
  lines.reserve(std::size_t(contact.orderCount()));
  for (int k = 1; k <= contact.orderCount(); ++k) {
    const std::string_view tag = contact.tagAt(k);
    if (tag.empty()) continue;
    const TagField& field = tagField(tag);
    FieldLine line;
    line.ordinal = k;
    line.upperName = field.upperName;
    line.kind = field.kind;
    line.key = field.key;
    if (values) line.compared = comparedValue(tag, contact.valueAt(k), rule);
    lines.push_back(std::move(line));
  }
  return lines;
}

namespace {

// Lines of b by what they are looked up by, each taken once.
class Partners {
 public:
  Partners(const std::vector<FieldLine>& b, const ContactRecord& second) : taken_(b.size()) {
    for (std::size_t q = 0; q < b.size(); ++q) {
      const std::string tag(second.tagAt(b[q].ordinal));
      byKeyAndValue_[b[q].key + '\0' + b[q].compared].push_back(int(q));
      byTagAndValue_[tag + '\0' + b[q].key + '\0' + b[q].compared].push_back(int(q));
      byTag_[tag].push_back(int(q));
      byKey_[b[q].key].push_back(int(q));
    }
  }

  int take(const std::string& lookup, std::unordered_map<std::string, std::vector<int>>& map) {
    const auto found = map.find(lookup);
    if (found == map.end()) return -1;
    std::vector<int>& candidates = found->second;
    std::size_t& next = cursor_[&candidates];
    while (next < candidates.size() && taken_[std::size_t(candidates[next])]) ++next;
    if (next == candidates.size()) return -1;
    taken_[std::size_t(candidates[next])] = 1;
    return candidates[next];
  }

  std::unordered_map<std::string, std::vector<int>> byKeyAndValue_, byTagAndValue_, byTag_, byKey_;

 private:
  std::vector<char> taken_;
  std::unordered_map<const std::vector<int>*, std::size_t> cursor_;
};

}  // namespace

std::vector<int> pairFieldLines(const std::vector<FieldLine>& a, const ContactRecord& first,
                                const std::vector<FieldLine>& b, const ContactRecord& second) {
  Partners partners(b, second);
  std::vector<int> paired(a.size(), -1);
  const auto stage = [&](auto lookupOf, auto& map) {
    for (std::size_t p = 0; p < a.size(); ++p) {
      if (paired[p] < 0) paired[p] = partners.take(lookupOf(a[p]), map);
    }
  };
  const auto tag = [&](const FieldLine& line) { return std::string(first.tagAt(line.ordinal)); };
  stage([&](const FieldLine& l) { return tag(l) + '\0' + l.key + '\0' + l.compared; },
        partners.byTagAndValue_);
  stage([&](const FieldLine& l) { return l.key + '\0' + l.compared; }, partners.byKeyAndValue_);
  stage(tag, partners.byTag_);
  stage([&](const FieldLine& l) { return l.key; }, partners.byKey_);
  return paired;
}

std::string matchedFieldKey(const std::vector<FieldLine>& a, const std::vector<FieldLine>& b) {
  std::vector<std::string> theirs;
  for (const FieldLine& line : b) theirs.push_back(line.key + '\0' + line.compared);
  std::sort(theirs.begin(), theirs.end());
  for (std::string_view name : {"EMAIL", "TEL", "ADR"}) {
    for (const FieldLine& line : a) {
      if (line.upperName == name && !line.compared.empty() &&
          std::binary_search(theirs.begin(), theirs.end(), line.key + '\0' + line.compared)) {
        return line.key;
      }
    }
  }
  return {};
}

namespace {

// The lines' places, in the order of their keys.
std::vector<std::size_t> byKey(const std::vector<FieldLine>& lines) {
  std::vector<std::size_t> order(lines.size());
  for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t x, std::size_t y) { return lines[x].key < lines[y].key; });
  return order;
}

// Whether each field of a contact is spelled one way; notes a field of several lines.
bool spelledOneWay(const ContactRecord& contact, const std::vector<FieldLine>& lines,
                   const std::vector<std::size_t>& order, bool& oneLineAField) {
  for (std::size_t k = 1; k < order.size(); ++k) {
    const FieldLine& before = lines[order[k - 1]];
    const FieldLine& line = lines[order[k]];
    if (before.key != line.key) continue;
    oneLineAField = false;
    if (contact.tagAt(before.ordinal) != contact.tagAt(line.ordinal)) return false;
  }
  return true;
}

}  // namespace

AlikePairing pairAlike(const ContactRecord& a, const std::vector<FieldLine>& aLines,
                       const ContactRecord& b, const std::vector<FieldLine>& bLines) {
  AlikePairing pairing;
  if (a.value("VERSION") != b.value("VERSION")) return pairing;
  const std::vector<std::size_t> mine = byKey(aLines);
  const std::vector<std::size_t> theirs = byKey(bLines);
  pairing.oneLineAField = true;
  if (!spelledOneWay(a, aLines, mine, pairing.oneLineAField) ||
      !spelledOneWay(b, bLines, theirs, pairing.oneLineAField)) {
    return pairing;
  }
  pairing.partners.assign(aLines.size(), -1);
  std::size_t j = 0;
  for (std::size_t i = 0; i < mine.size(); ++i) {
    const FieldLine& line = aLines[mine[i]];
    while (j < theirs.size() && bLines[theirs[j]].key < line.key) ++j;
    if (j == theirs.size() || bLines[theirs[j]].key != line.key) continue;
    if (a.tagAt(line.ordinal) != b.tagAt(bLines[theirs[j]].ordinal)) return pairing;
    pairing.partners[mine[i]] = int(theirs[j]);
  }
  pairing.alike = true;
  return pairing;
}

std::string fieldWords(std::string_view tag) {
  VcardProperty property;
  parseTag(tag, property);
  const std::string upperName = upperNameOf(tag);
  std::string words = spokenName(upperName, lowerTypes(property));
  return words.empty() ? std::string(trimSpaces(propertyName(tag, Group::Dropped))) : words;
}

bool namesAgree(const ContactRecord& a, const ContactRecord& b, const MatchRule& rule) {
  for (std::string_view name : {"FN", "N"}) {
    const std::string mine = firstValueOf(a, name);
    const std::string theirs = firstValueOf(b, name);
    if (mine.empty() || theirs.empty()) continue;
    if (!rule.tolerant) return mine == theirs;
    const MatchField field = name == "FN" ? MatchField::FormattedName : MatchField::Name;
    const std::string folded = foldedValue(field, mine, rule);
    return !folded.empty() && folded == foldedValue(field, theirs, rule);
  }
  return false;
}

std::string readableName(const ContactRecord& contact) {
  for (std::string_view name : {"FN", "N", "ORG", "EMAIL"}) {
    const std::string text = firstValueOf(contact, name);
    if (text.empty()) continue;
    std::string readable;
    if (name == "N" || name == "ORG") {
      for (const std::string& part : structuredParts(text)) {
        if (trimSpaces(part).empty()) continue;
        if (!readable.empty()) readable += ' ';
        readable += trimSpaces(part);
      }
    } else {
      readable = unescapeText(text);
    }
    return replaceAll(replaceAll(readable, "\r\n", " "), "\n", " ");
  }
  return {};
}

}  // namespace palvren
