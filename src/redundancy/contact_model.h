#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/file_io.h"
#include "platform/open_input.h"
#include "platform/run_progress.h"

namespace palvren {

// One parsed contact: TagOrder (ordinal 1..k to tag, the order in which lines are written back)
// and TagValues (each distinct tag once, with its value).
//
// All of a contact's text lives in one buffer; tags and values are places in it. Views returned
// by tagAt and value stay valid until the record is next changed.
class ContactRecord {
 public:
  ContactRecord() = default;
  ContactRecord(const ContactRecord& other)
      : text_(other.text_), entries_(other.entries_), order_(other.order_) {
    if (other.index_) rebuildIndex();
  }
  ContactRecord& operator=(const ContactRecord& other) {
    if (this != &other) *this = ContactRecord(other);
    return *this;
  }
  ContactRecord(ContactRecord&&) noexcept = default;
  ContactRecord& operator=(ContactRecord&&) noexcept = default;

  // TagOrder, ordinals from 1.
  int orderCount() const { return static_cast<int>(order_.size()); }
  std::string_view tagAt(int ordinal) const { return tagOf(order_[std::size_t(ordinal - 1)]); }
  // The value of the tag at an ordinal: value(tagAt(ordinal)), without the search.
  std::string_view valueAt(int ordinal) const { return valueOf(order_[std::size_t(ordinal - 1)]); }
  std::vector<std::string> tagOrder() const;
  void appendTag(std::string_view tag) {
    if (order_.capacity() == 0) order_.reserve(16);
    order_.push_back(entryFor(tag));
  }
  void replaceTagAt(int ordinal, std::string_view tag) {
    order_[std::size_t(ordinal - 1)] = entryFor(tag);
  }
  void removeTagAt(int ordinal) { order_.erase(order_.begin() + (ordinal - 1)); }
  // The first ordinal listing tag; 0 when none does.
  int ordinalOf(std::string_view tag) const;
  void setTagOrder(const std::vector<std::string_view>& tags);
  bool listsTag(std::string_view tag) const;

  // TagValues. A tag the record does not hold reads as the empty text.
  int valueCount() const { return held_; }
  bool holdsTag(std::string_view tag) const;
  std::string_view value(std::string_view tag) const;
  void setValue(std::string_view tag, std::string_view value);
  void eraseValue(std::string_view tag);
  // Lines of their own. Where the tag is held already, the line keeps a value of its own (a
  // second e-mail a merge kept under the same tag): valueAt and tagValues see it, value(tag) sees
  // the first.
  void appendLine(std::string_view tag, std::string_view value);
  // The same at an ordinal; the lines from there on move one on.
  void insertLineAt(int ordinal, std::string_view tag, std::string_view value);
  // The line at an ordinal becomes tag and value; a tag no longer listed is no longer held.
  void replaceLineAt(int ordinal, std::string_view tag, std::string_view value);
  void setValueAt(int ordinal, std::string_view value);
  // Appends to the value of a tag the record holds (continuation lines).
  void appendToValue(std::string_view tag, std::string_view more);
  // The held (tag, value) pairs.
  std::vector<std::pair<std::string_view, std::string_view>> tagValues() const;

  // Empties both maps.
  void clear();
  bool empty() const { return order_.empty() && held_ == 0; }

 private:
  struct Entry {
    std::uint32_t tagOffset;
    std::uint32_t tagLength;
    std::uint32_t valueOffset;
    std::uint32_t valueLength;
    bool held;         // in TagValues; a tag only listed in TagOrder is not
    bool own = false;  // a line's own value under a tag held by another entry
  };

  std::string_view tagOf(std::uint32_t entry) const {
    return std::string_view(text_).substr(entries_[entry].tagOffset, entries_[entry].tagLength);
  }
  std::string_view valueOf(std::uint32_t entry) const {
    return std::string_view(text_).substr(entries_[entry].valueOffset, entries_[entry].valueLength);
  }
  int find(std::string_view tag) const;
  std::uint32_t entryFor(std::string_view tag);
  // An entry for a new line: the tag's own when the tag is not held yet, else one of its own.
  std::uint32_t lineEntry(std::string_view tag, std::string_view value);
  void setEntryValue(std::uint32_t entry, std::string_view value);
  std::uint32_t appendText(std::string_view bytes);
  void rebuildIndex();

  std::string text_;
  std::vector<Entry> entries_;
  std::vector<std::uint32_t> order_;
  int held_ = 0;
  // Built once a contact has many tags, so that hostile contacts of thousands of lines load in
  // linear time; small contacts are searched directly.
  std::unique_ptr<std::unordered_multimap<std::size_t, std::uint32_t>> index_;
};

// Contact number k at entry k; entry 0 exists and is never filled.
using ContactTable = std::vector<ContactRecord>;

// The numbers of the contacts still present, at 1-based positions. Numbers keep their order;
// removal and the position lookups cost O(log n), so passes can remove thousands of contacts
// while they walk the list.
class ContactList {
 public:
  int size() const { return alive_; }
  void append(int number);
  int numberAt(int position) const { return numbers_[slotOfPosition(position)]; }
  void removeAt(int position);
  // Puts a removed number back at its place.
  void restoreSlot(int slot);
  std::vector<int> numbers() const;

  // Slots: the place a number got when appended; a slot never moves.
  int slotCount() const { return static_cast<int>(numbers_.size()); }
  int slotOfPosition(int position) const;
  int positionOfSlot(int slot) const;
  bool slotAlive(int slot) const { return present_[slot]; }
  int numberAtSlot(int slot) const { return numbers_[slot]; }

 private:
  void buildTree() const;

  std::vector<int> numbers_;
  std::vector<char> present_;
  int alive_ = 0;
  mutable std::vector<int> tree_;  // Fenwick tree of present_, 1-based
  mutable bool treeValid_ = false;
};

// Reads every contact of a vCard file into list and table (which hold only entry 0 on entry).
// Throws OperationError when the file cannot be read, holds more than 32767 contacts, or a
// contact has more than 32767 lines with a colon.
// Yields to ui after each contact when one is given. With continuesContact, the lines before the
// file's first BEGIN continue the last contact of the table, as they would in a plain merge.
// Returns whether the file ended inside a contact (before its END line).
bool loadContacts(const OpenInput& input, ContactList& list, ContactTable& table,
                  FileIo& io = systemFileIo(), RunProgress* ui = nullptr,
                  bool continuesContact = false);
// The same for a file not yet open.
bool loadContacts(const std::string& fileName, ContactList& list, ContactTable& table);

}  // namespace palvren
