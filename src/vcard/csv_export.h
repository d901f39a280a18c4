#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/file_io.h"
#include "platform/open_input.h"
#include "platform/run_progress.h"
#include "vcard/output_plan.h"

namespace palvren {

// The items of every contact of a file: a property line, or a property line with its
// continuation lines joined by CR LF, each trimmed of spaces. All item texts live in one
// buffer, so a large file costs little more than its own size.
struct ContactItems {
  struct Item {
    std::size_t offset;
    std::size_t length;
  };
  std::string text;
  std::vector<Item> items;
  std::vector<std::size_t> firstItem;  // per contact, from index 0
  std::vector<bool> closed;            // per contact: whether an END line ended it

  std::size_t contactCount() const { return firstItem.size(); }
  // Items of contact c (0-based) that carry data: all but a closing END line.
  std::size_t dataItemsBegin(std::size_t c) const { return firstItem[c]; }
  std::size_t dataItemsEnd(std::size_t c) const;
  std::string_view itemText(std::size_t i) const {
    return std::string_view(text).substr(items[i].offset, items[i].length);
  }
};

// The distinct tags in order of first appearance, from index 1 (entry 0 is empty).
class ColumnTags {
 public:
  ColumnTags() : tags_(1) {}
  int size() const { return static_cast<int>(tags_.size()) - 1; }
  const std::string& operator[](int index) const { return tags_[index]; }
  int find(std::string_view tag) const;
  int append(std::string_view tag);

 private:
  std::deque<std::string> tags_;  // a deque keeps the index's views valid
  std::unordered_map<std::string_view, int> index_;
};

// Appends value as one quoted cell, its quotes doubled.
void appendQuoted(std::string& row, std::string_view value);
// Appends value as a cell, quoted only when it holds a comma, quote or line end (RFC 4180).
void appendCsvField(std::string& row, std::string_view value);

// Text before and after an item's first colon, each trimmed of spaces.
std::string_view itemTag(std::string_view item);
std::string_view itemValue(std::string_view item);

// Index (1 upward) of the column whose tag equals tag exactly, or -1.
int findColumn(std::string_view tag, const ColumnTags& columnTags);
// Appends every tag of the contacts' data items not yet present; returns each item's column.
std::vector<int> buildCsvColumns(const ContactItems& contacts, ColumnTags& columnTags);

// Writes Contacts_Export.csv in the split folder beside the input. Returns the number of
// contacts and the file's path. Throws OperationError on a failure or limit.
// Shows its progress on ui, when one is given, and yields to it.
// The file's name is numbered, and an earlier one replaced, as the plan says.
Written exportContactsToCsv(const OpenInput& input, FileIo& io = systemFileIo(),
                            RunProgress* ui = nullptr, const OutputPlan& plan = {});

// Reads the contact blocks of a file into items.
ContactItems readContactItems(const OpenInput& input, FileIo& io = systemFileIo(),
                              RunProgress* ui = nullptr);

}  // namespace palvren
