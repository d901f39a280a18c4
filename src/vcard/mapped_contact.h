#pragma once

#include <array>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_io.h"
#include "platform/open_input.h"
#include "platform/run_progress.h"

namespace palvren {

// One property of a contact as read for a mapped export: its name without group, upper-cased;
// its types, lower-cased; its value decoded to UTF-8 (escapes still in place).
struct MappedProperty {
  std::string tag;  // as written, group and parameters included
  std::string name;
  std::vector<std::string> types;
  std::string value;

  bool hasType(std::string_view type) const;
};

// A contact's properties, mapped to the fields address-book programs import.
struct MappedContact {
  struct Typed {
    std::string kind;  // "home", "work", "mobile", "fax", "home fax", "work fax", "pager", ""
    std::vector<std::string> parts;  // one part, or ADR's seven
  };
  std::string formattedName;
  std::array<std::string, 5> name;  // family, given, additional, prefix, suffix
  std::string nickname, organization, department, title, birthday, note;
  std::vector<Typed> emails, phones, addresses, websites;
  // Properties no column is for, one "TAG: value" line each.
  std::vector<std::string> other;
};

MappedContact mapContact(const std::vector<MappedProperty>& properties);

// Reads the contacts of a file as a mapped export does, giving each one's properties to sink;
// they are valid until sink returns.
using ContactSink = std::function<void(const std::vector<MappedProperty>& properties)>;
void forEachMappedContact(const OpenInput& input, const ContactSink& sink,
                          FileIo& io = systemFileIo(), RunProgress* ui = nullptr);

// Appends part, after separator unless joined is empty; nothing when part is empty.
void appendNonEmpty(std::string& joined, std::string_view part, std::string_view separator);
// The parts that are not empty, joined by separator.
std::string joinNonEmpty(const std::vector<std::string>& parts, std::string_view separator);
std::string joinNonEmpty(std::initializer_list<std::string_view> parts, std::string_view separator);

}  // namespace palvren
