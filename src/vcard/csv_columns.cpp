#include "vcard/csv_columns.h"

#include <algorithm>
#include <map>
#include <span>

#include "platform/text.h"
#include "vcard/mapped_csv.h"
#include "vcard/value_decoding.h"

namespace palvren {

namespace {

constexpr int kYear = 0, kMonth = 1, kDay = 2;

// Google Contacts' older scheme ("Given Name", "E-mail 1 - Type"), before its numbered groups.
constexpr ColumnField kGoogleOldColumns[] = {
    {"Name", "FN", kWhole, ""},
    {"Given Name", "N", kGiven, ""},
    {"Additional Name", "N", kAdditional, ""},
    {"Family Name", "N", kFamily, ""},
    {"Name Prefix", "N", kPrefix, ""},
    {"Name Suffix", "N", kSuffix, ""},
    {"Nickname", "NICKNAME", kWhole, ""},
    {"Birthday", "BDAY", kWhole, ""},
    {"Notes", "NOTE", kWhole, ""},
};
// Its groups: today's, each label a "Type", and the organisations' groups.
constexpr ColumnField kGoogleOldOrganizationColumns[] = {
    {"Organization # - Name", "ORG", kOrganization, ""},
    {"Organization # - Title", "TITLE", kWhole, ""},
    {"Organization # - Department", "ORG", kUnit, ""},
};

std::span<const ColumnField> googleOldGroupColumns() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> list;
    for (const ColumnField& column : googleGroupColumns()) {
      list.push_back(replaceAll(column.column, " - Label", " - Type"));
    }
    return list;
  }();
  static const std::vector<ColumnField> columns = [] {
    std::vector<ColumnField> list;
    const std::span<const ColumnField> today = googleGroupColumns();
    for (std::size_t k = 0; k < today.size(); ++k) {
      list.push_back({names[k], today[k].property, today[k].part, today[k].kind});
    }
    list.insert(list.end(), std::begin(kGoogleOldOrganizationColumns),
                std::end(kGoogleOldOrganizationColumns));
    return list;
  }();
  return columns;
}
// Columns Outlook writes in some versions beside the ones its export table names.
constexpr ColumnField kOutlookMoreColumns[] = {
    {"Email Address", "EMAIL", kWhole, ""},
    {"Business Phone 2", "TEL", kWhole, "work"},
    {"Home Phone 2", "TEL", kWhole, "home"},
    {"Company Main Phone", "TEL", kWhole, "work"},
    {"Car Phone", "TEL", kWhole, ""},
    {"Primary Phone", "TEL", kWhole, ""},
    {"Other Fax", "TEL", kWhole, "fax"},
    {"Business Street 2", "ADR", kStreet, "work"},
    {"Business Street 3", "ADR", kStreet, "work"},
    {"Home Street 2", "ADR", kStreet, "home"},
    {"Home Street 3", "ADR", kStreet, "home"},
    {"Other Street 2", "ADR", kStreet, ""},
    {"Other Street 3", "ADR", kStreet, ""},
    {"Business PO Box", "ADR", kPoBox, "work"},
    {"Home PO Box", "ADR", kPoBox, "home"},
    {"Other PO Box", "ADR", kPoBox, ""},
    {"Business Country", "ADR", kCountry, "work"},
    {"Home Country", "ADR", kCountry, "home"},
    {"Other Country", "ADR", kCountry, ""},
    {"Personal Web Page", "URL", kWhole, "home"},
    {"Categories", "CATEGORIES", kWhole, ""},
};
constexpr ColumnField kThunderbirdColumns[] = {
    {"First Name", "N", kGiven, ""},
    {"Last Name", "N", kFamily, ""},
    {"Display Name", "FN", kWhole, ""},
    {"Nickname", "NICKNAME", kWhole, ""},
    {"Primary Email", "EMAIL", kWhole, ""},
    {"Secondary Email", "EMAIL", kWhole, ""},
    {"Work Phone", "TEL", kWhole, "work"},
    {"Home Phone", "TEL", kWhole, "home"},
    {"Fax Number", "TEL", kWhole, "fax"},
    {"Pager Number", "TEL", kWhole, "pager"},
    {"Mobile Number", "TEL", kWhole, "mobile"},
    {"Home Address", "ADR", kStreet, "home"},
    {"Home Address 2", "ADR", kStreet, "home"},
    {"Home City", "ADR", kCity, "home"},
    {"Home State", "ADR", kRegion, "home"},
    {"Home ZipCode", "ADR", kPostalCode, "home"},
    {"Home Country", "ADR", kCountry, "home"},
    {"Work Address", "ADR", kStreet, "work"},
    {"Work Address 2", "ADR", kStreet, "work"},
    {"Work City", "ADR", kCity, "work"},
    {"Work State", "ADR", kRegion, "work"},
    {"Work ZipCode", "ADR", kPostalCode, "work"},
    {"Work Country", "ADR", kCountry, "work"},
    {"Job Title", "TITLE", kWhole, ""},
    {"Department", "ORG", kUnit, ""},
    {"Organization", "ORG", kOrganization, ""},
    {"Web Page 1", "URL", kWhole, "work"},
    {"Web Page 2", "URL", kWhole, "home"},
    {"Birth Year", "BDAY", kYear, ""},
    {"Birth Month", "BDAY", kMonth, ""},
    {"Birth Day", "BDAY", kDay, ""},
    {"Notes", "NOTE", kWhole, ""},
};

// One set: its name, its plain columns, its numbered groups, and the columns it must have.
struct KnownSet {
  std::string_view name;
  std::vector<std::span<const ColumnField>> columns;
  std::span<const ColumnField> groups;
  std::vector<std::string_view> required;
};

const std::vector<KnownSet>& knownSets() {
  static const std::vector<KnownSet> sets = {
      {"Google Contacts", {googleColumns()}, googleGroupColumns(), {"First Name", "Last Name"}},
      {"Google Contacts",
       {kGoogleOldColumns},
       googleOldGroupColumns(),
       {"Given Name", "Family Name"}},
      {"Outlook",
       {outlookColumns(), kOutlookMoreColumns},
       {},
       {"First Name", "Last Name", "E-mail Address"}},
      {"Thunderbird", {kThunderbirdColumns}, {}, {"First Name", "Last Name", "Primary Email"}},
  };
  return sets;
}

bool sameHeader(std::string_view a, std::string_view b) {
  a = trimSpaces(a);
  return a.size() == b.size() && toLowerAscii(a) == toLowerAscii(b);
}

// The field a set gives a header, if it knows it.
std::optional<ImportField> knownField(const KnownSet& set, std::string_view header) {
  for (std::span<const ColumnField> columns : set.columns) {
    for (const ColumnField& column : columns) {
      if (!column.property.empty() && sameHeader(header, column.column)) {
        return ImportField{std::string(column.property), column.part, std::string(column.kind)};
      }
    }
  }
  // A numbered group's column: its digits stand where the pattern has "#".
  const std::size_t digits = header.find_first_of("0123456789");
  if (digits == std::string_view::npos) return std::nullopt;
  const std::size_t end = header.find_first_not_of("0123456789", digits);
  std::string pattern(header);
  pattern.replace(digits, end - digits, "#");
  for (const ColumnField& column : set.groups) {
    if (sameHeader(pattern, column.column)) {
      const int group =
          std::stoi(std::string(header.substr(digits, std::min<std::size_t>(end - digits, 4))));
      return ImportField{std::string(column.property), column.part, std::string(column.kind),
                         group};
    }
  }
  return std::nullopt;
}

int score(const KnownSet& set, const std::vector<std::string>& header) {
  return int(std::count_if(header.begin(), header.end(), [&](const std::string& name) {
    return knownField(set, name).has_value();
  }));
}

// Whether a header is a vCard tag: a property name, then parameters.
bool isTag(std::string_view header) {
  const std::string_view name = propertyName(header, Group::Kept);
  return !name.empty() && name.find_first_not_of(
                              "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrst"
                              "uvwxyz0123456789-.") == std::string_view::npos;
}

// A raw export's header: VERSION, N or FN among its columns, and three in four of them tags (the
// rest are lines of the file that were no property, which the raw export keeps as columns).
bool isRawHeader(const std::vector<std::string>& header) {
  const auto tags = std::count_if(header.begin(), header.end(),
                                  [](const std::string& h) { return isTag(trimSpaces(h)); });
  if (header.empty() || tags * 4 < std::ssize(header) * 3) return false;
  return std::any_of(header.begin(), header.end(), [](const std::string& h) {
    const std::string name = toUpperAscii(propertyName(h));
    return name == "VERSION" || name == "N" || name == "FN";
  });
}

ColumnMapping rawMapping(const std::vector<std::string>& header) {
  ColumnMapping mapping{kRawExportColumns, {}, true};
  for (const std::string& column : header) {
    mapping.fields.push_back({std::string(trimSpaces(column)), kWhole, "", 0, true});
  }
  return mapping;
}

// X-CSV- names made distinct: a repeated one numbered -2, -3, ...
void numberRepeatedNames(ColumnMapping& mapping) {
  std::map<std::string, int> seen;
  for (ImportField& field : mapping.fields) {
    if (!field.property.starts_with("X-CSV-")) continue;
    const int count = ++seen[field.property];
    if (count > 1) field.property += "-" + std::to_string(count);
  }
}

ColumnMapping setMapping(const KnownSet& set, const std::vector<std::string>& header) {
  ColumnMapping mapping{std::string(set.name), {}, true};
  for (const std::string& column : header) {
    std::optional<ImportField> field = knownField(set, column);
    mapping.fields.push_back(field ? *field : ImportField{unknownColumnProperty(column)});
  }
  return mapping;
}

std::vector<std::string> missingColumns(const KnownSet& set,
                                        const std::vector<std::string>& header) {
  std::vector<std::string> missing;
  for (std::string_view required : set.required) {
    const bool found = std::any_of(header.begin(), header.end(),
                                   [&](const std::string& h) { return sameHeader(h, required); });
    if (!found) missing.emplace_back(required);
  }
  return missing;
}

}  // namespace

std::optional<ColumnSet> columnSetNamed(std::string_view name) {
  if (name == "auto") return ColumnSet::Auto;
  if (name == "google") return ColumnSet::Google;
  if (name == "outlook") return ColumnSet::Outlook;
  if (name == "raw") return ColumnSet::Raw;
  return std::nullopt;
}

std::string unknownColumnProperty(std::string_view header) {
  std::string name = "X-CSV-";
  for (char c : trimSpaces(header)) {
    const char upper = upperAscii(c);
    const bool kept = (upper >= 'A' && upper <= 'Z') || (upper >= '0' && upper <= '9');
    name += kept ? upper : '-';
  }
  if (name.size() == 6) name += "COLUMN";
  return name;
}

std::optional<ColumnMapping> mapColumns(const std::vector<std::string>& header, ColumnSet set,
                                        std::vector<std::string>* missing) {
  if (set == ColumnSet::Raw || (set == ColumnSet::Auto && isRawHeader(header))) {
    if (set == ColumnSet::Raw && !isRawHeader(header)) {
      if (missing) *missing = {"VERSION, N or FN (with three in four columns vCard tags)"};
      return std::nullopt;
    }
    return rawMapping(header);
  }
  const KnownSet* best = nullptr;
  int bestScore = 0;
  for (const KnownSet& known : knownSets()) {
    const bool wanted = set == ColumnSet::Auto ||
                        (set == ColumnSet::Google && known.name == "Google Contacts") ||
                        (set == ColumnSet::Outlook && known.name == "Outlook");
    const int knownScore = wanted ? score(known, header) : 0;
    if (wanted && (best == nullptr || knownScore > bestScore)) {
      best = &known;
      bestScore = knownScore;
    }
  }
  if (set != ColumnSet::Auto) {
    std::vector<std::string> lacking = missingColumns(*best, header);
    if (!lacking.empty()) {
      if (missing) *missing = std::move(lacking);
      return std::nullopt;
    }
  }
  ColumnMapping mapping;
  const int named = int(std::count_if(header.begin(), header.end(),
                                      [](const std::string& h) { return !trimSpaces(h).empty(); }));
  if (set != ColumnSet::Auto || (bestScore >= 2 && bestScore * 3 >= named)) {
    mapping = setMapping(*best, header);
  } else {
    for (const std::string& column : header) mapping.fields.push_back(guessedField(column));
  }
  numberRepeatedNames(mapping);
  return mapping;
}

namespace {

// The kind a header's words name: "work" for work or business, "home" for home or personal.
std::string kindOfWords(std::string_view lower) {
  if (lower.find("work") != lower.npos || lower.find("business") != lower.npos ||
      lower.find("office") != lower.npos) {
    return "work";
  }
  if (lower.find("home") != lower.npos || lower.find("personal") != lower.npos ||
      lower.find("private") != lower.npos) {
    return "home";
  }
  return {};
}

bool hasWord(std::string_view lower, const std::vector<std::string_view>& words) {
  return std::any_of(words.begin(), words.end(),
                     [&](std::string_view word) { return lower.find(word) != lower.npos; });
}

// A telephone column's field by its words.
ImportField phoneField(std::string_view lower, const std::string& kind) {
  if (hasWord(lower, {"mobile", "cell"})) return {"TEL", kWhole, "mobile"};
  if (hasWord(lower, {"fax"})) return {"TEL", kWhole, kind.empty() ? "fax" : kind + " fax"};
  if (hasWord(lower, {"pager"})) return {"TEL", kWhole, "pager"};
  return {"TEL", kWhole, kind};
}

// An address column's field by its words; nothing when they name no part.
std::optional<ImportField> addressField(std::string_view lower, const std::string& kind) {
  static const std::pair<std::vector<std::string_view>, int> kParts[] = {
      {{"zip", "postal", "postcode"}, kPostalCode},
      {{"city", "town"}, kCity},
      {{"state", "region", "province", "county"}, kRegion},
      {{"country"}, kCountry},
      {{"street", "address"}, kStreet},
  };
  for (const auto& [words, part] : kParts) {
    if (hasWord(lower, words)) return ImportField{"ADR", part, kind};
  }
  return std::nullopt;
}

// A name, organisation or other column's field by its words.
std::optional<ImportField> otherField(std::string_view lower) {
  static const std::pair<std::vector<std::string_view>, ImportField> kWords[] = {
      {{"first", "given", "forename"}, {"N", kGiven}},
      {{"last", "family", "surname"}, {"N", kFamily}},
      {{"middle"}, {"N", kAdditional}},
      {{"prefix", "salutation"}, {"N", kPrefix}},
      {{"suffix"}, {"N", kSuffix}},
      {{"nick"}, {"NICKNAME"}},
      {{"department"}, {"ORG", kUnit}},
      {{"company", "organization", "organisation", "employer"}, {"ORG", kOrganization}},
      {{"title", "job", "position", "role"}, {"TITLE"}},
      {{"birth"}, {"BDAY"}},
      {{"note", "comment"}, {"NOTE"}},
      {{"web", "url", "site", "homepage"}, {"URL"}},
      {{"name"}, {"FN"}},
  };
  for (const auto& [words, field] : kWords) {
    if (hasWord(lower, words)) return field;
  }
  return std::nullopt;
}

}  // namespace

ImportField guessedField(std::string_view header) {
  const std::string lower = toLowerAscii(trimSpaces(header));
  const std::string kind = kindOfWords(lower);
  if (hasWord(lower, {"mail"})) return {"EMAIL", kWhole, kind};
  if (hasWord(lower, {"phone", "tel", "mobile", "cell", "fax", "pager"})) {
    return phoneField(lower, kind);
  }
  if (std::optional<ImportField> address = addressField(lower, kind)) return *address;
  if (std::optional<ImportField> other = otherField(lower)) {
    if (other->property == "URL") other->kind = kind;
    return *other;
  }
  return {unknownColumnProperty(header)};
}

const std::vector<FieldChoice>& fieldChoices() {
  static const std::vector<FieldChoice> choices = [] {
    std::vector<FieldChoice> list = {
        {"Its own field (X-CSV-...)", {""}},
        {"Full name", {"FN"}},
        {"First name", {"N", kGiven}},
        {"Middle name", {"N", kAdditional}},
        {"Last name", {"N", kFamily}},
        {"Name prefix", {"N", kPrefix}},
        {"Name suffix", {"N", kSuffix}},
        {"Nickname", {"NICKNAME"}},
        {"Company", {"ORG", kOrganization}},
        {"Department", {"ORG", kUnit}},
        {"Job title", {"TITLE"}},
        {"Birthday", {"BDAY"}},
        {"Note", {"NOTE"}},
    };
    for (std::string_view kind : {"", "work", "home"}) {
      const std::string k(kind);
      list.push_back({"", {"EMAIL", kWhole, k}});
      list.push_back({"", {"TEL", kWhole, k}});
      list.push_back({"", {"URL", kWhole, k}});
    }
    for (std::string_view kind : {"mobile", "fax", "work fax", "home fax", "pager"}) {
      list.push_back({"", {"TEL", kWhole, std::string(kind)}});
    }
    for (std::string_view kind : {"", "work", "home"}) {
      for (int part : {kStreet, kCity, kRegion, kPostalCode, kCountry, kPoBox}) {
        list.push_back({"", {"ADR", part, std::string(kind)}});
      }
    }
    return list;
  }();
  return choices;
}

std::string fieldLabel(const ImportField& field) {
  if (field.group > 0 || field.part == kLabel) {
    ImportField plain = field;
    plain.group = 0;
    if (plain.part == kLabel) plain.part = kWhole;
    std::string label = fieldLabel(plain);
    if (field.group > 0) label += " " + std::to_string(field.group);
    return field.part == kLabel ? label + ", its label" : label;
  }
  for (const FieldChoice& choice : fieldChoices()) {
    const ImportField& f = choice.field;
    if (!choice.label.empty() && f.property == field.property && f.part == field.part) {
      return std::string(choice.label);
    }
  }
  if (field.property.starts_with("X-CSV-") || field.property.empty() || field.raw) {
    return field.property.empty() ? "Its own field" : field.property;
  }
  static constexpr std::string_view kAddressParts[] = {
      "PO box", "extended address", "street", "city", "region", "postal code", "country"};
  const std::string kind = field.kind.empty() ? "" : field.kind + " ";
  std::string label;
  if (field.property == "EMAIL") label = kind + "e-mail";
  if (field.property == "TEL") label = field.kind == "mobile" ? "mobile phone" : kind + "phone";
  if (field.property == "URL") label = kind + "web site";
  if (field.property == "ADR") {
    label = kind + (field.part >= 0 && field.part < 7 ? std::string(kAddressParts[field.part])
                                                      : std::string("address"));
  }
  if (field.property == "BDAY" && field.part >= 0 && field.part < 3) {
    static constexpr std::string_view kDateParts[] = {"year", "month", "day"};
    label = "birthday's " + std::string(kDateParts[field.part]);
  }
  if (label.empty()) label = field.property;
  label[0] = upperAscii(label[0]);
  return label;
}

}  // namespace palvren
