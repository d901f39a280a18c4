#pragma once

#include <algorithm>
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
};

// A contact's properties, mapped to the fields address-book programs import.
struct MappedContact {
  struct Typed {
    std::string kind;  // "home", "work", "mobile", "fax", "home fax", "work fax", "pager", ""
    std::vector<std::string> parts;  // one part, or ADR's seven
  };
  // The values of one field, in order. Emptied for the next contact, a list keeps its values'
  // storage: an export of many contacts maps each into the same one.
  class TypedList {
   public:
    Typed& add() {
      if (size_ == items_.size()) items_.emplace_back();
      return items_[size_++];
    }
    void clear() { size_ = 0; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const Typed& operator[](std::size_t i) const { return items_[i]; }
    const Typed* begin() const { return items_.data(); }
    const Typed* end() const { return items_.data() + size_; }
    template <typename Predicate>
    void removeIf(Predicate predicate) {
      const auto kept = std::remove_if(items_.begin(), items_.begin() + long(size_), predicate);
      size_ = std::size_t(kept - items_.begin());
    }

   private:
    std::vector<Typed> items_;
    std::size_t size_ = 0;
  };
  std::string formattedName;
  std::array<std::string, 5> name;  // family, given, additional, prefix, suffix
  std::string nickname, organization, department, title, birthday, note;
  TypedList emails, phones, addresses, websites;
  // Properties no column is for, one "TAG: value" line each.
  std::vector<std::string> other;
};

MappedContact mapContact(const std::vector<MappedProperty>& properties);

// Maps contact after contact into one MappedContact, whose strings are reused.
class ContactMapper {
 public:
  // The contact of properties; valid until the next call.
  const MappedContact& map(const std::vector<MappedProperty>& properties);

 private:
  void clear();
  bool place(const MappedProperty& property);
  bool placeOrganization(const MappedProperty& property);

  MappedContact contact_;
  std::vector<std::string> parts_;
  std::string text_;
};

// Reads the contacts of a file as a mapped export does, giving each one's properties to sink;
// they are valid until sink returns, which may take them (swap them for a vector to reuse).
using ContactSink = std::function<void(std::vector<MappedProperty>& properties)>;
void forEachMappedContact(const OpenInput& input, const ContactSink& sink,
                          FileIo& io = systemFileIo(), RunProgress* ui = nullptr);

// Appends part, after separator unless joined is empty; nothing when part is empty.
void appendNonEmpty(std::string& joined, std::string_view part, std::string_view separator);
// The parts that are not empty, joined by separator.
std::string joinNonEmpty(std::initializer_list<std::string_view> parts, std::string_view separator);

}  // namespace palvren
