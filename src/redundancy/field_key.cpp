#include "redundancy/field_key.h"

#include <algorithm>
#include <unordered_map>

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

// Nothing but separators and spaces: an empty N is ";;;;".
bool isEmptyText(std::string_view text) {
  return text.find_first_not_of(" \t;,\r\n") == std::string_view::npos;
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
    if (!isEmptyText(text)) return text;
  }
  return {};
}

std::string spokenName(std::string_view upperName, const std::vector<std::string>& types) {
  auto has = [&](std::string_view type) {
    return std::find(types.begin(), types.end(), type) != types.end();
  };
  const char* where = has("work") ? "Work " : has("home") ? "Home " : "";
  if (upperName == "TEL") {
    if (has("cell")) return "Mobile";
    if (has("fax")) return *where ? std::string(where) + "fax" : "Fax";
    if (has("pager")) return "Pager";
    return *where ? std::string(where) + "phone" : "Telephone";
  }
  if (upperName == "EMAIL") return *where ? std::string(where) + "e-mail" : "E-mail";
  if (upperName == "ADR") return *where ? std::string(where) + "address" : "Address";
  if (upperName == "URL") return *where ? std::string(where) + "web page" : "Web page";
  static const std::pair<std::string_view, const char*> kWords[] = {{"N", "Name"},
                                                                    {"FN", "Display name"},
                                                                    {"ORG", "Organization"},
                                                                    {"TITLE", "Job title"},
                                                                    {"ROLE", "Role"},
                                                                    {"BDAY", "Birthday"},
                                                                    {"NOTE", "Note"},
                                                                    {"PHOTO", "Photo"},
                                                                    {"LOGO", "Logo"},
                                                                    {"NICKNAME", "Nickname"},
                                                                    {"UID", "Unique ID"},
                                                                    {"GEO", "Location"},
                                                                    {"TZ", "Time zone"},
                                                                    {"CATEGORIES", "Categories"},
                                                                    {"GENDER", "Gender"},
                                                                    {"KIND", "Kind"},
                                                                    {"IMPP", "Instant messaging"},
                                                                    {"ANNIVERSARY", "Anniversary"},
                                                                    {"LABEL", "Address label"},
                                                                    {"SOUND", "Sound"},
                                                                    {"KEY", "Key"},
                                                                    {"LANG", "Language"}};
  for (const auto& [name, words] : kWords) {
    if (name == upperName) return words;
  }
  return {};
}

}  // namespace

FieldKind fieldKindOf(std::string_view upperName) {
  for (std::string_view name : kFrameNames) {
    if (name == upperName) return FieldKind::Frame;
  }
  for (std::string_view name : kSingleNames) {
    if (name == upperName) return FieldKind::Single;
  }
  return FieldKind::Multiple;
}

std::string fieldKeyOf(std::string_view tag) {
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

std::string comparedValue(std::string_view tag, std::string_view value, const MatchRule& rule) {
  std::string text = trimmedLineEnds(displayUtf8(tag, value));
  if (!rule.tolerant) return text;
  const MatchField field = matchFieldOf(tag);
  if (field == MatchField::Other) return text;
  std::string folded = foldedValue(field, text, rule);
  return folded.empty() ? text : "\x01" + folded;
}

std::vector<FieldLine> fieldLines(const ContactRecord& contact, const MatchRule& rule) {
  std::vector<FieldLine> lines;
  lines.reserve(std::size_t(contact.orderCount()));
  for (int k = 1; k <= contact.orderCount(); ++k) {
    const std::string_view tag = contact.tagAt(k);
    if (tag.empty()) continue;
    FieldLine line;
    line.ordinal = k;
    line.upperName = upperNameOf(tag);
    line.kind = fieldKindOf(line.upperName);
    line.key = line.kind == FieldKind::Multiple ? fieldKeyOf(tag) : line.upperName;
    line.compared = comparedValue(tag, contact.valueAt(k), rule);
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

bool spelledAlike(const ContactRecord& a, const std::vector<FieldLine>& aLines,
                  const ContactRecord& b, const std::vector<FieldLine>& bLines) {
  if (a.value("VERSION") != b.value("VERSION")) return false;
  std::unordered_map<std::string, std::string_view> spelling;
  const auto spell = [&](const ContactRecord& contact, const std::vector<FieldLine>& lines,
                         std::unordered_map<std::string, std::string_view>& into) {
    for (const FieldLine& line : lines) {
      const std::string_view tag = contact.tagAt(line.ordinal);
      const auto [at, added] = into.emplace(line.key, tag);
      if (!added && at->second != tag) return false;  // two spellings in one contact
    }
    return true;
  };
  std::unordered_map<std::string, std::string_view> theirs;
  if (!spell(a, aLines, spelling) || !spell(b, bLines, theirs)) return false;
  for (const auto& [key, tag] : theirs) {
    const auto mine = spelling.find(key);
    if (mine != spelling.end() && mine->second != tag) return false;
  }
  return true;
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
