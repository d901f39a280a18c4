#pragma once

#include <algorithm>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text.h"

namespace palvren {

// One parameter of a property. A vCard 2.1 bare parameter is named by what it is: ENCODING
// (QUOTED-PRINTABLE, BASE64, 8BIT, 7BIT), VALUE (INLINE, URL, CONTENT-ID, CID) or TYPE.
struct VcardParameter {
  std::string name;                 // upper-cased
  std::vector<std::string> values;  // unquoted, in order; TYPE=a,b gives two
};

// One property of a contact as read: its name and parameters taken apart, its value as it
// stands in the file (folded and soft-broken lines joined by CR LF, as read).
struct VcardProperty {
  std::string tag;    // as read, group and parameters included
  std::string group;  // without its dot; empty when none
  std::string name;   // upper-cased
  std::vector<VcardParameter> parameters;
  std::string value;
  // A card written inside this one (a vCard 2.1 AGENT), its lines as read.
  std::vector<std::string> nested;

  // The values of a parameter, all of its kind together; empty when it has none.
  std::vector<std::string> parameterValues(std::string_view upperName) const;
  // The first value of a parameter, or the empty text.
  std::string firstParameter(std::string_view upperName) const;
  void removeParameter(std::string_view upperName);
};

// Takes a tag ("item1.TEL;TYPE=CELL,VOICE;PREF") apart into property's group, name and
// parameters; the parameters it held are replaced, their storage used again.
void parseTag(std::string_view tag, VcardProperty& property);

// The properties of one contact from its lines as read, BEGIN and END left out: folded lines,
// quoted-printable soft line breaks and unindented base64 lines joined to their property, empty
// lines skipped, and a card begun inside it held by the property before it. A line may hold
// several lines (joined by CR LF). Reading stops at the contact's END line.
std::vector<VcardProperty> readProperties(const std::vector<std::string>& lines);
// The same, each property read into the one next gives, whose strings are reused: a converter
// reads many contacts with few allocations.
using PropertySlot = std::function<VcardProperty&()>;
void readProperties(std::span<const std::string> lines, const PropertySlot& next);

// Physical lines written one after another into strings that are kept from one contact to the
// next.
class LineSink {
 public:
  // An empty line to fill.
  std::string& next() {
    if (count_ == lines_.size()) lines_.emplace_back();
    std::string& line = lines_[count_++];
    line.clear();
    return line;
  }
  void push(std::string_view line) { assignText(next(), line); }
  // An empty line to fill at position at, the lines from there on moved down one.
  std::string& insertAt(std::size_t at) {
    next();
    std::rotate(lines_.begin() + std::ptrdiff_t(at), lines_.begin() + std::ptrdiff_t(count_ - 1),
                lines_.begin() + std::ptrdiff_t(count_));
    return lines_[at];
  }
  // Takes the last line back.
  void pop() { --count_; }
  void clear() { count_ = 0; }
  std::size_t size() const { return count_; }
  const std::string* begin() const { return lines_.data(); }
  const std::string* end() const { return lines_.data() + count_; }
  // Hands the lines over to into, in place of what it held; the sink keeps into's strings to
  // write the next lines in.
  void swapInto(std::vector<std::string>& into) {
    into.resize(count_);
    for (std::size_t k = 0; k < count_; ++k) into[k].swap(lines_[k]);
  }

 private:
  std::vector<std::string> lines_;
  std::size_t count_ = 0;
};

// A property's types, lower-cased, each once; a quoted list (TYPE="work,voice") is taken apart.
std::vector<std::string> lowerTypes(const VcardProperty& property);
// The same, put in place of types (whose storage it reuses).
void lowerTypesInto(const VcardProperty& property, std::vector<std::string>& types);
// Whether the types are already as setTypes puts those lowerTypes reads, in lower case or upper
// case: one TYPE parameter, or none, whose values are each one type, in that case, once, and
// none of them PREF (which vCard 4.0 writes as a parameter of its own).
bool typesAsSet(const VcardProperty& property, bool lowerCase);
// Puts the TYPE parameter of types where the first one stood (or last); none when types is empty.
void setTypes(VcardProperty& property, const std::vector<std::string>& types);

// A tag in the syntax of a version: group, name and each parameter; in 2.1 a TYPE's values
// bare, in 3.0 and 4.0 as TYPE=a,b. A value holding ':' ';' ',' or a blank is quoted.
std::string writeTag(const VcardProperty& property, std::string_view version);
// The same, appended to line.
void appendTag(std::string& line, const VcardProperty& property, std::string_view version);

// The octets a physical line holds at most.
constexpr std::size_t kFoldedLength = 75;

// A logical line folded at 75 octets, never inside a UTF-8 character: each further line starts
// with a space. Appends the physical lines to out.
void foldLine(std::string_view line, LineSink& out);

// A vCard 2.1 property whose value is quoted-printable: the encoded value broken with soft line
// breaks so that no physical line is longer than 76 octets, never inside an escape, and no line
// after the first starts with a blank. Appends the physical lines to out.
void writeQuotedPrintable(std::string_view tag, std::string_view encoded, LineSink& out);

}  // namespace palvren
