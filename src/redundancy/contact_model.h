#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace palvren {

// One parsed contact: TagOrder (ordinal 1..k to tag, the order in which lines are written back)
// and TagValues (each distinct tag once, with its value).
class ContactRecord {
 public:
  ContactRecord() = default;
  ContactRecord(const ContactRecord& other) : order_(other.order_), values_(other.values_) {
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
  const std::string& tagAt(int ordinal) const { return order_[ordinal - 1]; }
  const std::vector<std::string>& tagOrder() const { return order_; }
  void appendTag(std::string_view tag) { order_.emplace_back(tag); }
  void replaceTagAt(int ordinal, std::string_view tag) { order_[ordinal - 1] = tag; }
  void removeLastOrdinal() { order_.pop_back(); }
  void setTagOrder(std::vector<std::string> tags) { order_ = std::move(tags); }
  bool listsTag(std::string_view tag) const;

  // TagValues. A tag the record does not hold reads as the empty text.
  int valueCount() const { return static_cast<int>(values_.size()); }
  bool holdsTag(std::string_view tag) const { return find(tag) >= 0; }
  const std::string& value(std::string_view tag) const;
  void setValue(std::string_view tag, std::string value);
  void eraseValue(std::string_view tag);
  // The stored value of a tag the record holds, for appending continuation lines.
  std::string& storedValue(std::string_view tag) { return values_[find(tag)].second; }
  const std::vector<std::pair<std::string, std::string>>& tagValues() const { return values_; }

  // Empties both maps.
  void clear();
  bool empty() const { return order_.empty() && values_.empty(); }

 private:
  int find(std::string_view tag) const;
  void rebuildIndex();

  std::vector<std::string> order_;
  std::vector<std::pair<std::string, std::string>> values_;
  // Built once a contact has many tags, so that hostile contacts of thousands of lines load in
  // linear time; small contacts are searched directly.
  std::unique_ptr<std::unordered_map<std::string, int>> index_;
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
void LoadContacts(const std::string& fileName, ContactList& list, ContactTable& table);

// The property name of a tag: its text before the first ";", upper-cased.
std::string propertyName(std::string_view tag);

}  // namespace palvren
