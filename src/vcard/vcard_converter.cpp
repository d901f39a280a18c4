#include "vcard/vcard_converter.h"

#include <algorithm>
#include <cstdlib>
#include <span>
#include <utility>

#include "platform/text.h"
#include "vcard/conversion_notes.h"
#include "vcard/value_decoding.h"
#include "vcard/value_forms.h"
#include "vcard/vcard_property.h"

namespace palvren {

namespace {

// One property between reading and writing.
struct Held {
  VcardProperty property;  // its parameters without ENCODING and CHARSET
  std::string value;       // the held text; base64 on one line when binary
  std::string mediaType;   // of a binary value
  bool binary = false;
  bool asRead = false;   // no decoding explains it: written as read
  std::string encoding;  // as read
  std::string charset;   // as read
  std::string raw;       // the value as read
};

// Properties vCard 4.0 brought that 3.0 and 2.1 have no place for: they go as X- properties.
constexpr std::string_view kOnlyIn40[] = {"KIND",   "GENDER",  "ANNIVERSARY",  "LANG",
                                          "MEMBER", "RELATED", "CLIENTPIDMAP", "XML"};

bool onlyIn40(std::string_view name) {
  return std::find(std::begin(kOnlyIn40), std::end(kOnlyIn40), name) != std::end(kOnlyIn40);
}

// The character set the bytes were read in, for the log; empty when nothing was decoded.
std::string sourceOf(std::string_view bytes, std::string_view charset, bool quotedPrintable) {
  std::string source;
  if (!isAscii(bytes)) {
    if (isValidUtf8(bytes)) {
      source = "UTF-8";
    } else {
      source = isKnownCharset(charset) ? std::string(charset) : "Windows-1252";
    }
  }
  if (quotedPrintable) return source.empty() ? "quoted-printable" : source + " quoted-printable";
  return source == "UTF-8" ? std::string() : source;
}

}  // namespace

// Converts contacts one at a time. Its properties and lines are kept from one contact to the next,
// so that their strings are reused.
class ContactConversion {
 public:
  ContactConversion(VcardVersion target, int& valuesAsRead, bool repairs = true)
      : target_(target),
        version_(versionNumber(target)),
        valuesAsRead_(valuesAsRead),
        repairs_(repairs) {}

  // Hands the lines of the last run over to lines.
  void takeLines(std::vector<std::string>& lines) { out_.swapInto(lines); }

  // The contact's lines in the target's form, valid until the next run; what changed goes into
  // notes.
  const LineSink& run(std::span<const std::string> lines, ConversionNotes& notes) {
    notes_ = &notes;
    count_ = 0;
    readProperties(lines, [this]() -> VcardProperty& { return nextHeld().property; });
    const bool from21 = isVersion21();
    for (Held& held : held()) decode(held, from21);
    for (Held& held : held()) convertParameters(held);
    mapNames();
    if (repairs_) repair();
    // VERSION comes first, as 4.0 requires and many readers of 3.0 expect; where it was read, it
    // is left out.
    out_.clear();
    out_.push("BEGIN:VCARD");
    out_.next().append("VERSION:").append(version_);
    for (const Held& held : held()) {
      if (std::string_view(held.property.name) != "VERSION") write(held, out_);
    }
    out_.push("END:VCARD");
    return out_;
  }

 private:
  std::span<Held> held() { return {held_.data(), count_}; }
  std::span<const Held> held() const { return {held_.data(), count_}; }

  // The next property's place, its strings kept from an earlier contact.
  Held& nextHeld() {
    if (count_ == held_.size()) held_.emplace_back();
    return held_[count_++];
  }
  // A place for a new property at position.
  Held& insertHeld(std::size_t position) {
    nextHeld();
    std::rotate(held_.begin() + std::ptrdiff_t(position),
                held_.begin() + std::ptrdiff_t(count_) - 1, held_.begin() + std::ptrdiff_t(count_));
    Held& held = held_[position];
    held.property.group.clear();
    held.property.parameters.clear();
    held.property.nested.clear();
    held.property.tag.clear();
    held.value.clear();
    held.binary = held.asRead = false;
    return held;
  }
  template <typename Predicate>
  void removeHeld(Predicate predicate) {
    // Swapped, not moved, to the end: their strings stay for the next contact.
    std::size_t kept = 0;
    for (std::size_t k = 0; k < count_; ++k) {
      if (predicate(held_[k])) continue;
      if (kept != k) std::swap(held_[kept], held_[k]);
      ++kept;
    }
    count_ = kept;
  }

  bool isVersion21() const {
    const std::span<const Held> all = held();
    auto version = std::find_if(all.begin(), all.end(),
                                [](const Held& held) { return held.property.name == "VERSION"; });
    return version != all.end() && trimSpaces(version->property.value) == "2.1";
  }

  bool is40() const { return target_ == VcardVersion::V40; }
  bool is21() const { return target_ == VcardVersion::V21; }

  bool hasProperty(std::string_view name) const {
    const std::span<const Held> all = held();
    return std::any_of(all.begin(), all.end(),
                       [&](const Held& held) { return held.property.name == name; });
  }

  void decode(Held& held, bool from21) {
    VcardProperty& property = held.property;
    held.encoding.clear();
    held.charset.clear();
    if (!property.parameters.empty()) {
      held.encoding = property.firstParameter("ENCODING");
      held.charset = property.firstParameter("CHARSET");
      property.removeParameter("ENCODING");
      property.removeParameter("CHARSET");
    }
    held.raw.swap(property.value);  // its buffer is the value's of the next contact
    property.value.clear();
    held.value.clear();
    held.mediaType.clear();
    held.binary = held.asRead = false;
    // A data: URI is read as one even where a writer also declared base64 for it.
    if (startsWithUpper(trimSpaces(held.raw), "DATA:")) {
      decodeDataUri(held);
    } else if (equalsUpper(held.encoding, "BASE64") || equalsUpper(held.encoding, "B")) {
      decodeBase64Value(held);
    } else {
      decodeText(held, from21);
    }
  }

  void decodeBase64Value(Held& held) {
    std::optional<std::string> base64 = cleanBase64(held.raw);
    if (!base64) return keepAsRead(held, "its base64 does not decode");
    held.binary = true;
    held.mediaType = takeFormatType(held.property);
    held.value = std::move(*base64);
    if (held.mediaType.empty()) held.mediaType = sniffedType(held.value);
  }

  // The media type of base64 by the signature of the bytes it starts with.
  static std::string sniffedType(std::string_view base64) {
    return sniffedMediaType(decodeBase64(base64.substr(0, 16)).value_or(std::string()));
  }

  // The media type a format type names (TYPE=JPEG), taken out of the types; empty when none.
  static std::string takeFormatType(VcardProperty& property) {
    std::vector<std::string> types = lowerTypes(property);
    std::string mediaType;
    std::erase_if(types, [&](const std::string& type) {
      std::optional<std::string> media = mediaTypeOfFormat(type);
      if (media && mediaType.empty()) mediaType = *media;
      return media.has_value();
    });
    setTypes(property, std::move(types));
    return mediaType;
  }

  void decodeDataUri(Held& held) {
    const std::string uri(trimSpaces(unfold(held.raw)));
    const std::size_t comma = uri.find(',');
    const std::string header = toLowerAscii(uri.substr(5, comma - 5));
    if (comma == std::string::npos || !header.ends_with(";base64")) {
      return decodeText(held, false);  // a data: URI of text is a URI like any other
    }
    std::optional<std::string> base64 = cleanBase64(std::string_view(uri).substr(comma + 1));
    if (!base64) return keepAsRead(held, "its base64 does not decode");
    held.binary = true;
    const std::string typed = takeFormatType(held.property);
    held.mediaType = header.substr(0, header.size() - 7);
    if (held.mediaType.empty()) held.mediaType = typed;
    held.value = std::move(*base64);
    if (held.mediaType.empty()) held.mediaType = sniffedType(held.value);
  }

  void decodeText(Held& held, bool from21) {
    const ValueKind kind = valueKindOf(held.property.name);
    // The common case: UTF-8, neither encoded nor in another character set.
    if (held.encoding.empty() && held.charset.empty()) {
      std::string_view text = held.raw;
      if (text.find('\r') != std::string_view::npos) {
        unfoldInto(text, unfolded_);
        text = unfolded_;
      }
      if (isValidUtf8(text)) return takeHeld(held, text, from21, kind);
    }
    const bool quotedPrintable = equalsUpper(held.encoding, "QUOTED-PRINTABLE");
    const std::string bytes = decodedBytes(held.property.tag, held.raw);
    const std::string utf8 = toUtf8(bytes, held.charset);
    if (!explained(bytes, utf8)) return keepAsRead(held, "no character set explains its bytes");
    const std::string source = sourceOf(bytes, held.charset, quotedPrintable);
    if (!source.empty()) notes_->decoded(source, held.property.name);
    takeHeld(held, utf8, from21, kind);
  }

  // The value of text (UTF-8, as its version writes it) in the held form.
  static void takeHeld(Held& held, std::string_view text, bool from21, ValueKind kind) {
    if (from21) {
      held.value = heldFrom21(text, kind);
    } else {
      heldFrom30Into(text, kind, held.value);
    }
    takeEmbeddedCard(held);
  }

  // An AGENT whose text is a card is converted as one.
  static void takeEmbeddedCard(Held& held) {
    const std::string_view name = held.property.name;
    if (name != "AGENT" && name != "X-AGENT") return;
    const std::string card = unescapeText(held.value);
    if (!startsWithUpper(trimSpaces(card), "BEGIN:VCARD")) return;
    std::string_view rest(card);
    while (!rest.empty()) {
      const std::size_t end = rest.find('\n');
      held.property.nested.emplace_back(rest.substr(0, end));
      rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
  }

  void keepAsRead(Held& held, const std::string& why) {
    held.asRead = true;
    ++valuesAsRead_;
    const std::string& name = held.property.name;
    notes_->add(is40() ? name + " written as X-" + name + ", its bytes in base64: " + why
                       : name + " written as read: " + why);
  }

  void convertParameters(Held& held) {
    if (held.property.parameters.empty()) return;
    convertValueParameter(held);
    const std::vector<VcardParameter>& parameters = held.property.parameters;
    const bool noPref = std::none_of(parameters.begin(), parameters.end(), [](const auto& p) {
      return std::string_view(p.name) == "PREF";
    });
    if (noPref && typesAsSet(held.property, is40())) return;  // as most are
    std::vector<std::string>& types = types_;
    lowerTypesInto(held.property, types);
    const auto pref = std::find(types.begin(), types.end(), "pref");
    const bool typePref = pref != types.end();
    if (is40()) {
      if (typePref) types.erase(pref);
      if (typePref && held.property.firstParameter("PREF").empty()) {
        held.property.parameters.push_back({"PREF", {"1"}});
        notes_->add("TYPE=PREF became PREF=1");
      }
    } else if (trimSpaces(held.property.firstParameter("PREF")) == "1") {
      held.property.removeParameter("PREF");
      if (!typePref) types.emplace_back("pref");
      notes_->add("PREF=1 became TYPE=PREF");
    }
    for (std::string& type : types) {
      for (char& c : type) c = is40() ? lowerAscii(c) : upperAscii(c);
    }
    setTypes(held.property, types);
  }

  void convertValueParameter(Held& held) {
    const std::vector<VcardParameter>& parameters = held.property.parameters;
    if (std::none_of(parameters.begin(), parameters.end(),
                     [](const VcardParameter& p) { return std::string_view(p.name) == "VALUE"; })) {
      return;
    }
    std::string value = toLowerAscii(trimSpaces(held.property.firstParameter("VALUE")));
    held.property.removeParameter("VALUE");
    if (value == "url") value = "uri";
    if (value.empty() || value == "inline" || value == "binary" || held.binary) return;
    if (is21()) {
      if (value == "uri") value = "url";
      if (value != "url" && value != "content-id" && value != "cid") return;
      value = toUpperAscii(value);
    }
    held.property.parameters.insert(held.property.parameters.begin(), {"VALUE", {value}});
  }

  void rename(Held& held, const std::string& name) {
    notes_->add(held.property.name + " became " + name);
    held.property.name = name;
  }

  void mapNames() {
    for (std::size_t k = 0; k < count_; ++k) {
      Held& held = held_[k];
      // The name as it is at each test: a renaming changes it.
      const auto named = [&held](std::string_view name) { return held.property.name == name; };
      if (is40()) {
        if (named("LABEL") && !held.asRead) labelToAddress(k);
        if (named("AGENT")) rename(held, "X-AGENT");
        continue;
      }
      if (named("X-LABEL")) rename(held, "LABEL");
      if (named("X-AGENT")) rename(held, "AGENT");
      if (onlyIn40(held.property.name)) rename(held, "X-" + held.property.name);
      if (named("ADR")) addressLabelToLabel(k);
    }
    if (labelMoved_) removeHeld([](const Held& held) { return held.property.name.empty(); });
    labelMoved_ = false;
  }

  // vCard 4.0 has no LABEL: it goes on the one ADR of the same types, or becomes X-LABEL.
  void labelToAddress(std::size_t k) {
    std::vector<std::string> types = lowerTypes(held_[k].property);
    std::sort(types.begin(), types.end());
    Held* match = nullptr;
    int matches = 0;
    for (Held& other : held()) {
      if (other.property.name != "ADR" || !other.property.parameterValues("LABEL").empty()) {
        continue;
      }
      std::vector<std::string> adrTypes = lowerTypes(other.property);
      std::sort(adrTypes.begin(), adrTypes.end());
      if (adrTypes == types && ++matches == 1) match = &other;
    }
    if (matches != 1) return rename(held_[k], "X-LABEL");
    match->property.parameters.push_back({"LABEL", {heldToParameter(held_[k].value)}});
    notes_->add("LABEL became ADR's LABEL parameter");
    held_[k].property.name.clear();  // removed once every property is mapped
    labelMoved_ = true;
  }

  // An ADR's LABEL parameter becomes a LABEL property after it.
  void addressLabelToLabel(std::size_t k) {
    const std::string label = held_[k].property.firstParameter("LABEL");
    if (label.empty()) return;
    held_[k].property.removeParameter("LABEL");
    const std::string group = held_[k].property.group;
    const std::vector<std::string> types = held_[k].property.parameterValues("TYPE");
    Held& labelHeld = insertHeld(k + 1);
    labelHeld.property.name = "LABEL";
    labelHeld.property.group = group;
    if (!types.empty()) labelHeld.property.parameters.push_back({"TYPE", types});
    labelHeld.value = parameterToHeld(label);
    notes_->add("ADR's LABEL parameter became LABEL");
  }

  // What the target requires: FN in 3.0 and 4.0, N in 2.1 and 3.0, first after VERSION.
  void repair() {
    std::size_t at = 0;
    if (!is40() && !hasProperty("N")) {
      insertProperty(at++, "N", ";;;;");
      notes_->add("N added");
    }
    if (!is21() && !hasProperty("FN")) insertProperty(at, "FN", formattedName());
  }

  void insertProperty(std::size_t at, const std::string& name, std::string value) {
    Held& held = insertHeld(at);
    held.property.name = name;
    held.value = std::move(value);
  }

  // FN made from N, else ORG, else EMAIL; empty when the contact has none of them.
  std::string formattedName() {
    const std::string fromName = nameText();
    if (!fromName.empty()) return made(fromName, "N");
    for (const char* name : {"ORG", "EMAIL"}) {
      for (const Held& held : held()) {
        if (held.property.name != name || held.asRead || held.binary) continue;
        const std::string first = structuredParts(held.value).front();
        if (!trimSpaces(first).empty()) return made(std::string(trimSpaces(first)), name);
      }
    }
    notes_->add("FN added empty: the contact has no N, ORG or EMAIL to make it from");
    return {};
  }

  std::string made(const std::string& plain, const std::string& from) {
    notes_->add("FN made from " + from);
    return plainToHeld(plain);
  }

  // N's parts in reading order: prefix, given, additional, family, suffix.
  std::string nameText() const {
    for (const Held& held : held()) {
      if (held.property.name != "N" || held.asRead) continue;
      std::vector<std::string> parts = structuredParts(held.value);
      parts.resize(5);
      std::vector<std::string> ordered{parts[3], parts[1], parts[2], parts[0], parts[4]};
      for (std::string& part : ordered) part = std::string(trimSpaces(part));
      std::string text;
      for (const std::string& part : ordered) {
        if (part.empty()) continue;
        if (!text.empty()) text += ' ';
        text += part;
      }
      return text;
    }
    return {};
  }

  void write(const Held& held, LineSink& out) const {
    if (held.asRead) {
      writeAsRead(held, out);
    } else if (!held.property.nested.empty()) {
      writeNested(held, out);
    } else if (held.binary) {
      writeBinary(held, out);
    } else {
      writeText(held, out);
    }
  }

  void writeAsRead(const Held& held, LineSink& out) const {
    VcardProperty property = held.property;
    if (is40()) {
      property.name = "X-" + property.name;
      if (!held.encoding.empty()) property.parameters.push_back({"X-ENCODING", {held.encoding}});
      if (!held.charset.empty()) property.parameters.push_back({"X-CHARSET", {held.charset}});
      return foldLine(writeTag(property, version_) + ":" + encodeBase64(held.raw), out);
    }
    if (!held.encoding.empty()) property.parameters.push_back({"ENCODING", {held.encoding}});
    if (!held.charset.empty()) property.parameters.push_back({"CHARSET", {held.charset}});
    const std::string line = writeTag(property, version_) + ":" + held.raw;
    std::string_view rest(line);
    for (std::size_t end = rest.find(kCrLf); end != rest.npos; end = rest.find(kCrLf)) {
      out.push(rest.substr(0, end));
      rest.remove_prefix(end + 2);
    }
    out.push(rest);
  }

  void writeNested(const Held& held, LineSink& out) const {
    ContactConversion nested(target_, valuesAsRead_);
    const LineSink& lines = nested.run(held.property.nested, *notes_);
    VcardProperty property = held.property;
    if (is21()) {
      out.push(writeTag(property, version_) + ":");
      for (const std::string& line : lines) out.push(line);
      return;
    }
    std::string card;
    for (const std::string& line : lines) {
      if (line.starts_with(' ')) {
        card += line.substr(1);
      } else {
        card += (card.empty() ? "" : "\n") + line;
      }
    }
    foldLine(writeTag(property, version_) + ":" + plainToHeld(card), out);
  }

  void writeBinary(const Held& held, LineSink& out) const {
    VcardProperty property = held.property;
    std::string_view prefix;
    if (is40()) {
      prefix = "data:";
    } else {
      const std::string format = formatOfMediaType(held.mediaType);
      std::vector<std::string> types = property.parameterValues("TYPE");
      if (!format.empty()) types.insert(types.begin(), format);
      property.removeParameter("TYPE");
      if (!types.empty()) property.parameters.insert(property.parameters.begin(), {"TYPE", types});
      property.parameters.insert(property.parameters.begin(),
                                 {"ENCODING", {is21() ? "BASE64" : "b"}});
    }
    std::string line = writeTag(property, version_);
    line.reserve(line.size() + held.mediaType.size() + held.value.size() + 16);
    line.append(":").append(prefix);
    if (is40()) line.append(held.mediaType).append(";base64,");
    foldLine(line.append(held.value), out);
    if (is21()) out.next();  // the blank line 2.1 readers look for after base64
  }

  void writeText(const Held& held, LineSink& out) const {
    if (!is21()) {
      // Written in place; a line too long is taken back and folded.
      std::string& line = out.next();
      appendTag(line, held.property, version_);
      line.append(":").append(held.value);
      if (line.size() <= kFoldedLength) return;
      long_.swap(line);
      out.pop();
      return foldLine(long_, out);
    }
    const std::string text = heldTo21(held.value, valueKindOf(held.property.name));
    std::string tag = writeTag(held.property, version_);
    const bool ascii = isAscii(text);
    if (ascii && text.find('\n') == text.npos && text.find('\r') == text.npos &&
        tag.size() + 1 + text.size() <= 75) {
      out.push(tag + ":" + text);
      return;
    }
    VcardProperty property = held.property;
    property.parameters.push_back({"ENCODING", {"QUOTED-PRINTABLE"}});
    if (!ascii) property.parameters.push_back({"CHARSET", {"UTF-8"}});
    writeQuotedPrintable(writeTag(property, version_), encodeQuotedPrintable(text), out);
  }

  VcardVersion target_;
  std::string_view version_;
  ConversionNotes* notes_ = nullptr;
  int& valuesAsRead_;
  bool repairs_;
  std::vector<Held> held_;  // the first count_ are the contact's
  std::size_t count_ = 0;
  bool labelMoved_ = false;  // a LABEL went onto its ADR: its own place is to go
  LineSink out_;
  std::vector<std::string> types_;  // a property's, as they are converted
  mutable std::string long_;        // a line to fold
  std::string unfolded_;            // a folded value, unfolded
};

ContactConverter::ContactConverter(VcardVersion target, bool repairs)
    : target_(target),
      conversion_(std::make_unique<ContactConversion>(target, log_.valuesAsRead, repairs)) {}

ContactConverter::~ContactConverter() = default;

std::span<const std::string> ContactConverter::convert(std::span<const std::string> lines,
                                                       int number) {
  ConversionNotes notes;
  const LineSink& converted = conversion_->run(lines, notes);
  ++log_.contacts;
  if (!notes.empty()) {
    log_.entries.push_back("contact " + std::to_string(number) + ": " + notes.text());
  }
  return {converted.begin(), converted.end()};
}

void ContactConverter::convertInPlace(std::vector<std::string>& lines, int number) {
  convert(lines, number);
  conversion_->takeLines(lines);
}

void ContactConverter::absorb(const ConversionLog& other) {
  log_.contacts += other.contacts;
  log_.valuesAsRead += other.valuesAsRead;
  log_.entries.insert(log_.entries.end(), other.entries.begin(), other.entries.end());
  const auto number = [](const std::string& entry) {
    return std::atoi(entry.c_str() + entry.find(' ') + 1);  // "contact 12: ..."
  };
  std::stable_sort(
      log_.entries.begin(), log_.entries.end(),
      [&](const std::string& a, const std::string& b) { return number(a) < number(b); });
}

std::string ContactConverter::report() const {
  std::string text = "Written as vCard " + std::string(versionNumber(target_)) + ": " +
                     std::to_string(log_.contacts) + " contacts, " +
                     std::to_string(log_.entries.size()) + " of them changed beyond their form";
  if (log_.valuesAsRead > 0) {
    text += "; " + std::to_string(log_.valuesAsRead) +
            " values could not be decoded and were written as read";
  }
  text += ".\n";
  for (const std::string& entry : log_.entries) text += escapeControls(entry) + "\n";
  return text;
}

Message ContactConverter::summary() const {
  Message text(PALVREN_TEXT("Convert", "Written as vCard %1."),
               {std::string(versionNumber(target_))});
  if (log_.valuesAsRead > 0) {
    text += Message::asIs(" ") +
            Message(PALVREN_COUNTED_TEXT("Convert",
                                         "%n values could not be decoded and were "
                                         "written as read; the report names them."),
                    log_.valuesAsRead);
  }
  return text;
}

}  // namespace palvren
