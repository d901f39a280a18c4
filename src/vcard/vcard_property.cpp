#include "vcard/vcard_property.h"

#include <algorithm>

#include "platform/text.h"
#include "vcard/block_rules.h"
#include "vcard/value_decoding.h"

namespace palvren {

namespace {

// The position of the first sep in text outside double quotes; npos when none.
std::size_t findUnquoted(std::string_view text, char sep, std::size_t from = 0) {
  bool quoted = false;
  for (std::size_t i = from; i < text.size(); ++i) {
    if (text[i] == '"') quoted = !quoted;
    if (text[i] == sep && !quoted) return i;
  }
  return std::string_view::npos;
}

std::string_view unquoted(std::string_view value) {
  value = trimSpaces(value);
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

// What a vCard 2.1 bare parameter names.
std::string bareParameterName(std::string_view value) {
  for (std::string_view encoding : {"QUOTED-PRINTABLE", "BASE64", "8BIT", "7BIT"}) {
    if (equalsUpper(value, encoding)) return "ENCODING";
  }
  for (std::string_view kind : {"INLINE", "URL", "CONTENT-ID", "CID"}) {
    if (equalsUpper(value, kind)) return "VALUE";
  }
  return "TYPE";
}

// Reads a parameter into the property's parameter at used (an earlier one's storage, or new),
// moving used past it.
void addParameter(std::string_view text, VcardProperty& property, std::size_t& used) {
  text = trimSpaces(text);
  if (text.empty()) return;
  if (used == property.parameters.size()) property.parameters.emplace_back();
  VcardParameter& parameter = property.parameters[used++];
  parameter.values.clear();
  const std::size_t equals = findUnquoted(text, '=');
  if (equals == std::string_view::npos) {
    parameter.name = bareParameterName(text);
    parameter.values.emplace_back(unquoted(text));
    return;
  }
  toUpperAsciiInto(trimSpaces(text.substr(0, equals)), parameter.name);
  const std::string_view values = text.substr(equals + 1);
  for (std::size_t start = 0;;) {  // cut at each comma outside double quotes
    const std::size_t end = findUnquoted(values, ',', start);
    parameter.values.emplace_back(unquoted(values.substr(start, end - start)));
    if (end == std::string_view::npos) return;
    start = end + 1;
  }
}

// The lines of the contact, each line a value may hold (joined by CR LF) on its own.
void physicalLines(std::span<const std::string> lines, std::vector<std::string_view>& physical) {
  physical.clear();
  for (const std::string& line : lines) {
    std::string_view rest(line);
    for (std::size_t end = rest.find('\n'); end != std::string_view::npos; end = rest.find('\n')) {
      std::string_view piece = rest.substr(0, end);
      if (piece.ends_with('\r')) piece.remove_suffix(1);
      physical.push_back(piece);
      rest.remove_prefix(end + 1);
    }
    if (rest.ends_with('\r')) rest.remove_suffix(1);
    physical.push_back(rest);
  }
}

// Whether a line starts a tag that goes on past it (a folded tag): a property name, then ";".
bool startsFoldedTag(std::string_view line) {
  const std::size_t end =
      line.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-.");
  return end > 0 && end != std::string_view::npos && line[end] == ';';
}

// Whether a line starts a property this program knows by name (or an X- one): a group, the
// name, then ";" or ":".
bool startsKnownProperty(std::string_view line) {
  static constexpr std::string_view kNames[] = {
      "ADR",    "AGENT",  "ANNIVERSARY", "BDAY", "BEGIN", "CATEGORIES", "CLASS",  "EMAIL", "END",
      "FN",     "GENDER", "GEO",         "IMPP", "KEY",   "KIND",       "LABEL",  "LANG",  "LOGO",
      "MAILER", "N",      "NICKNAME",    "NOTE", "ORG",   "PHOTO",      "PRODID", "REV",   "ROLE",
      "SOUND",  "TEL",    "TITLE",       "TZ",   "UID",   "URL",        "VERSION"};
  static constexpr ByteSet kTagEnds(";:");
  const std::size_t end = findAnyOf(line, kTagEnds);
  if (end == std::string_view::npos) return false;
  std::string_view name = line.substr(0, end);
  if (const std::size_t dot = name.find('.'); dot != std::string_view::npos) {
    name.remove_prefix(dot + 1);
  }
  if (name.empty() || name.find_first_of(" \t=") != std::string_view::npos) return false;
  const std::string upper = toUpperAscii(name);
  if (upper.starts_with("X-")) return true;
  return std::find(std::begin(kNames), std::end(kNames), upper) != std::end(kNames);
}

// Whether a line goes on the logical line before it (a property's tag and value, as read, from
// its first physical line to its last) rather than starting one. Some phones end a
// quoted-printable value with a soft break and nothing after it: a known property on the next
// line starts anew.
bool continues(std::string_view first, std::string_view last, std::string_view line) {
  const bool softBreak = last.ends_with('=') && isQuotedPrintable(first.substr(0, first.find(':')));
  if (softBreak) return !startsKnownProperty(line);
  if (line.front() == ' ' || line.front() == '\t') return true;
  // A line without a colon goes on the value before it (unindented base64, a line break
  // written as it stands), unless it starts a folded tag.
  return line.find(':') == std::string_view::npos && !startsFoldedTag(line);
}

// The lines of a card begun at index begin, through its END line; the index after them.
std::size_t nestedCard(const std::vector<std::string_view>& lines, std::size_t begin,
                       std::vector<std::string>& nested) {
  int depth = 0;
  std::size_t i = begin;
  for (; i < lines.size(); ++i) {
    nested.emplace_back(lines[i]);
    if (isContactBegin(lines[i])) ++depth;
    if (isLoadEnd(lines[i]) && --depth == 0) return i + 1;
  }
  return i;
}

// A property from its logical line: the tag (folds inside it undone) before the first colon
// outside quotes, the value after it as read.
void fillProperty(std::string_view line, VcardProperty& property) {
  std::size_t colon = findUnquoted(line, ':');
  if (colon == std::string_view::npos) colon = line.find(':');
  const std::string_view tag = trimSpaces(line.substr(0, colon));
  if (tag.find('\r') == std::string_view::npos) {
    assignText(property.tag, tag);
  } else {
    property.tag = unfold(tag);
  }
  property.value.clear();
  if (colon != std::string_view::npos) assignText(property.value, line.substr(colon + 1));
  property.group.clear();
  property.nested.clear();
  parseTag(property.tag, property);
}

// Gathers logical lines into properties.
class PropertyGatherer {
 public:
  explicit PropertyGatherer(const PropertySlot& next) : next_(next) {}
  ~PropertyGatherer() { finish(); }
  PropertyGatherer(const PropertyGatherer&) = delete;
  PropertyGatherer& operator=(const PropertyGatherer&) = delete;

  void add(std::string_view line) {
    if (open_ && continues(first_, last_, line)) {
      if (!joined_) pending_.assign(first_);
      pending_.append(kCrLf).append(line);
      joined_ = true;
      last_ = line;
      return;
    }
    finish();
    first_ = last_ = line;
    open_ = true;
  }
  // The property whose value is empty, to hold a card that follows; a new AGENT when none.
  VcardProperty& holder() {
    finish();
    if (last_property_ == nullptr || !trimSpaces(last_property_->value).empty()) {
      last_property_ = &next_();
      fillProperty("AGENT:", *last_property_);
    }
    return *last_property_;
  }
  void finish() {
    if (open_) {
      last_property_ = &next_();
      fillProperty(joined_ ? std::string_view(pending_) : first_, *last_property_);
    }
    open_ = false;
    joined_ = false;
  }

 private:
  const PropertySlot& next_;
  VcardProperty* last_property_ = nullptr;
  std::string_view first_;  // a property's first line
  std::string_view last_;   // and its last
  std::string pending_;     // its lines joined, when it has more than one
  bool open_ = false;
  bool joined_ = false;
};

}  // namespace

std::vector<std::string> VcardProperty::parameterValues(std::string_view upperName) const {
  std::vector<std::string> values;
  for (const VcardParameter& parameter : parameters) {
    if (parameter.name == upperName) {
      values.insert(values.end(), parameter.values.begin(), parameter.values.end());
    }
  }
  return values;
}

std::string VcardProperty::firstParameter(std::string_view upperName) const {
  for (const VcardParameter& parameter : parameters) {
    if (parameter.name == upperName && !parameter.values.empty()) return parameter.values.front();
  }
  return {};
}

void VcardProperty::removeParameter(std::string_view upperName) {
  std::erase_if(parameters, [&](const VcardParameter& p) { return p.name == upperName; });
}

void parseTag(std::string_view tag, VcardProperty& property) {
  std::size_t end = findUnquoted(tag, ';');
  const std::string_view fullName = trimSpaces(tag.substr(0, end));
  const std::size_t dot = fullName.rfind('.');
  if (dot != std::string_view::npos) property.group.assign(fullName.substr(0, dot));
  toUpperAsciiInto(dot == std::string_view::npos ? fullName : fullName.substr(dot + 1),
                   property.name);
  std::size_t used = 0;
  while (end != std::string_view::npos) {
    const std::size_t start = end + 1;
    end = findUnquoted(tag, ';', start);
    addParameter(tag.substr(start, end - start), property, used);
  }
  property.parameters.resize(used);
}

std::vector<VcardProperty> readProperties(const std::vector<std::string>& lines) {
  std::vector<VcardProperty> properties;
  properties.reserve(lines.size());
  readProperties(lines, [&]() -> VcardProperty& { return properties.emplace_back(); });
  return properties;
}

void readProperties(std::span<const std::string> lines, const PropertySlot& next) {
  thread_local std::vector<std::string_view> physical;
  physicalLines(lines, physical);
  {
    PropertyGatherer gatherer(next);
    std::size_t i = !physical.empty() && isContactBegin(physical.front()) ? 1 : 0;
    while (i < physical.size()) {
      const std::string_view line = physical[i];
      if (isLoadEnd(line)) break;
      if (isContactBegin(line)) {
        i = nestedCard(physical, i, gatherer.holder().nested);
        continue;
      }
      if (!trimSpaces(line).empty()) gatherer.add(line);
      ++i;
    }
  }
}

namespace {

// A parameter's value as a tag holds it: a double quote written as a single one, and the value
// quoted when it holds a separator.
void appendParameterValue(std::string& tag, std::string_view value) {
  static constexpr ByteSet kChanged(":;, \"");  // quoted for, or replaced
  if (findAnyOf(value, kChanged) == std::string_view::npos) {
    tag.append(value);
    return;
  }
  const bool quote = value.find_first_of(":;, ") != std::string_view::npos;
  if (quote) tag += '"';
  const std::size_t from = tag.size();
  tag.append(value);
  std::replace(tag.begin() + std::ptrdiff_t(from), tag.end(), '"', '\'');
  if (quote) tag += '"';
}

}  // namespace

std::string writeTag(const VcardProperty& property, std::string_view version) {
  std::string tag;
  appendTag(tag, property, version);
  return tag;
}

void appendTag(std::string& tag, const VcardProperty& property, std::string_view version) {
  if (!property.group.empty()) tag.append(property.group).append(".");
  tag.append(property.name);
  const bool v21 = version == "2.1";
  for (const VcardParameter& parameter : property.parameters) {
    const bool bare = v21 && std::string_view(parameter.name) == "TYPE";
    if (!bare) tag.append(1, ';').append(parameter.name).append(1, '=');
    const std::size_t valuesStart = tag.size();
    for (const std::string& value : parameter.values) {
      if (bare) {
        tag += ';';
      } else if (tag.size() > valuesStart) {
        tag += ',';  // after the values written so far, when there are any
      }
      appendParameterValue(tag, value);
    }
  }
}

void foldLine(std::string_view line, LineSink& out) {
  std::size_t limit = kFoldedLength;
  bool first = true;
  while (line.size() > limit) {
    std::size_t cut = limit;
    while (cut > 1 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
    std::string& physical = out.next();
    if (!first) physical += ' ';
    physical.append(line.substr(0, cut));
    line.remove_prefix(cut);
    limit = kFoldedLength - 1;
    first = false;
  }
  std::string& physical = out.next();
  if (!first) physical += ' ';
  physical.append(line);
}

void writeQuotedPrintable(std::string_view tag, std::string_view encoded, LineSink& out) {
  constexpr std::size_t kMost = 75;  // and the soft break's "="
  std::string line = std::string(tag) + ":";
  std::size_t i = 0;
  while (i < encoded.size()) {
    std::string unit(encoded.substr(i, encoded[i] == '=' ? 3 : 1));
    const bool lineStart = line.empty();
    if (lineStart && (unit == " " || unit == "\t")) unit = unit == " " ? "=20" : "=09";
    if (!lineStart && line.size() + unit.size() > kMost) {
      out.push(line + "=");
      line.clear();
      continue;
    }
    line += unit;
    i += encoded[i] == '=' ? 3 : 1;
  }
  out.push(line);
}

std::vector<std::string> lowerTypes(const VcardProperty& property) {
  std::vector<std::string> types;
  lowerTypesInto(property, types);
  return types;
}

void lowerTypesInto(const VcardProperty& property, std::vector<std::string>& types) {
  types.clear();
  for (const VcardParameter& parameter : property.parameters) {
    if (std::string_view(parameter.name) != "TYPE") continue;
    for (const std::string& value : parameter.values) {
      std::string_view rest(value);
      while (!rest.empty()) {
        const std::size_t comma = rest.find(',');
        std::string lower = toLowerAscii(trimSpaces(rest.substr(0, comma)));
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        if (!lower.empty() && std::find(types.begin(), types.end(), lower) == types.end()) {
          types.push_back(std::move(lower));
        }
      }
    }
  }
}

bool typesAsSet(const VcardProperty& property, bool lowerCase) {
  const VcardParameter* typeParameter = nullptr;
  for (const VcardParameter& parameter : property.parameters) {
    if (std::string_view(parameter.name) != "TYPE") continue;
    if (typeParameter) return false;
    typeParameter = &parameter;
  }
  if (!typeParameter) return true;
  const std::vector<std::string>& values = typeParameter->values;
  if (values.empty()) return false;
  for (auto value = values.begin(); value != values.end(); ++value) {
    if (value->empty() || value->front() == ' ' || value->back() == ' ' ||
        equalsUpper(*value, "PREF") || std::find(values.begin(), value, *value) != value) {
      return false;
    }
    for (char c : *value) {
      if (c == ',' || c != (lowerCase ? lowerAscii(c) : upperAscii(c))) return false;
    }
  }
  return true;
}

void setTypes(VcardProperty& property, const std::vector<std::string>& types) {
  std::vector<VcardParameter>& parameters = property.parameters;
  const auto isType = [](const VcardParameter& p) { return std::string_view(p.name) == "TYPE"; };
  const auto first = std::find_if(parameters.begin(), parameters.end(), isType);
  if (types.empty()) return property.removeParameter("TYPE");
  if (first == parameters.end()) {
    parameters.push_back({"TYPE", types});
    return;
  }
  // The first keeps its place (and its storage) for the types; any others go.
  first->values.assign(types.begin(), types.end());
  parameters.erase(std::remove_if(first + 1, parameters.end(), isType), parameters.end());
}

}  // namespace palvren
