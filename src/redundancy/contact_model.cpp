#include "redundancy/contact_model.h"

#include <functional>

#include "platform/errors.h"
#include "platform/line_reader.h"
#include "platform/text.h"
#include "vcard/block_rules.h"

namespace palvren {

namespace {

constexpr std::size_t kIndexThreshold = 24;

std::size_t tagHash(std::string_view tag) { return std::hash<std::string_view>()(tag); }

// A copy of bytes when they lie inside text, which is about to grow.
std::string_view outside(std::string_view bytes, const std::string& text, std::string& holder) {
  const char* begin = text.data();
  if (bytes.data() >= begin && bytes.data() < begin + text.size()) {
    holder.assign(bytes);
    return holder;
  }
  return bytes;
}

}  // namespace

std::vector<std::string> ContactRecord::tagOrder() const {
  std::vector<std::string> tags;
  tags.reserve(order_.size());
  for (std::uint32_t entry : order_) tags.emplace_back(tagOf(entry));
  return tags;
}

void ContactRecord::setTagOrder(const std::vector<std::string_view>& tags) {
  std::vector<std::uint32_t> order;
  order.reserve(tags.size());
  for (std::string_view tag : tags) order.push_back(entryFor(tag));
  order_ = std::move(order);
}

bool ContactRecord::listsTag(std::string_view tag) const {
  const int entry = find(tag);
  if (entry < 0) return false;
  for (std::uint32_t e : order_) {
    if (e == std::uint32_t(entry)) return true;
  }
  return false;
}

int ContactRecord::ordinalOf(std::string_view tag) const {
  const int entry = find(tag);
  if (entry < 0) return 0;
  for (std::size_t k = 0; k < order_.size(); ++k) {
    if (order_[k] == std::uint32_t(entry)) return static_cast<int>(k + 1);
  }
  return 0;
}

int ContactRecord::find(std::string_view tag) const {
  if (index_) {
    auto [first, last] = index_->equal_range(tagHash(tag));
    for (auto it = first; it != last; ++it) {
      if (tagOf(it->second) == tag) return int(it->second);
    }
    return -1;
  }
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].tagLength == tag.size() && !entries_[i].own && tagOf(std::uint32_t(i)) == tag) {
      return int(i);
    }
  }
  return -1;
}

std::uint32_t ContactRecord::appendText(std::string_view bytes) {
  if (text_.size() + bytes.size() > UINT32_MAX) {
    throw OperationError(Message(PALVREN_TEXT(
        "Limits", "A contact holds more than 4 GB of text, more than this program can process.")));
  }
  if (text_.capacity() == 0) text_.reserve(512);  // most contacts fit without growing
  const auto offset = std::uint32_t(text_.size());
  text_.append(bytes);
  return offset;
}

std::uint32_t ContactRecord::entryFor(std::string_view tag) {
  const int found = find(tag);
  if (found >= 0) return std::uint32_t(found);
  std::string holder;
  tag = outside(tag, text_, holder);
  const std::uint32_t offset = appendText(tag);
  if (entries_.capacity() == 0) entries_.reserve(16);
  entries_.push_back({offset, std::uint32_t(tag.size()), offset, 0, false});
  const auto entry = std::uint32_t(entries_.size() - 1);
  if (index_) {
    index_->emplace(tagHash(tag), entry);
  } else if (entries_.size() > kIndexThreshold) {
    rebuildIndex();
  }
  return entry;
}

bool ContactRecord::holdsTag(std::string_view tag) const {
  const int entry = find(tag);
  return entry >= 0 && entries_[std::size_t(entry)].held;
}

std::string_view ContactRecord::value(std::string_view tag) const {
  const int entry = find(tag);
  return entry < 0 ? std::string_view() : valueOf(std::uint32_t(entry));
}

void ContactRecord::setValue(std::string_view tag, std::string_view value) {
  std::string tagHolder;
  std::string valueHolder;
  tag = outside(tag, text_, tagHolder);
  value = outside(value, text_, valueHolder);
  setEntryValue(entryFor(tag), value);
}

void ContactRecord::setValueAt(int ordinal, std::string_view value) {
  std::string valueHolder;
  setEntryValue(order_[std::size_t(ordinal - 1)], outside(value, text_, valueHolder));
}

std::uint32_t ContactRecord::lineEntry(std::string_view tag, std::string_view value) {
  std::string tagHolder;
  std::string valueHolder;
  tag = outside(tag, text_, tagHolder);
  value = outside(value, text_, valueHolder);
  if (!holdsTag(tag)) {
    const std::uint32_t entry = entryFor(tag);
    setEntryValue(entry, value);
    return entry;
  }
  const std::uint32_t offset = appendText(tag);
  entries_.push_back({offset, std::uint32_t(tag.size()), offset, 0, false, true});
  const auto entry = std::uint32_t(entries_.size() - 1);
  setEntryValue(entry, value);
  return entry;
}

void ContactRecord::appendLine(std::string_view tag, std::string_view value) {
  const std::uint32_t entry = lineEntry(tag, value);
  order_.push_back(entry);
}

void ContactRecord::insertLineAt(int ordinal, std::string_view tag, std::string_view value) {
  const std::uint32_t entry = lineEntry(tag, value);
  order_.insert(order_.begin() + (ordinal - 1), entry);
}

void ContactRecord::replaceLineAt(int ordinal, std::string_view tag, std::string_view value) {
  const std::string old(tagAt(ordinal));
  if (old == tag) return setValueAt(ordinal, value);
  const std::uint32_t replaced = order_[std::size_t(ordinal - 1)];
  order_.erase(order_.begin() + (ordinal - 1));
  if (entries_[replaced].own || !listsTag(old)) {
    if (entries_[replaced].held) --held_;
    entries_[replaced].held = false;
    entries_[replaced].valueLength = 0;
  }
  insertLineAt(ordinal, tag, value);
}

void ContactRecord::setEntryValue(std::uint32_t entry, std::string_view value) {
  Entry& e = entries_[entry];
  if (!e.held) ++held_;
  e.held = true;
  if (value.size() <= e.valueLength) {  // fits where the old value stood
    text_.replace(e.valueOffset, value.size(), value);
  } else {
    const std::uint32_t offset = appendText(value);
    entries_[entry].valueOffset = offset;
  }
  entries_[entry].valueLength = std::uint32_t(value.size());
}

void ContactRecord::appendToValue(std::string_view tag, std::string_view more) {
  const int found = find(tag);
  if (found < 0) return;
  const auto entry = std::uint32_t(found);
  std::string holder;
  more = outside(more, text_, holder);
  if (entries_[entry].valueOffset + entries_[entry].valueLength != text_.size()) {
    // Move the value to the end of the text, so that it can grow in place.
    const std::string old(valueOf(entry));
    entries_[entry].valueOffset = appendText(old);
  }
  appendText(more);
  entries_[entry].valueLength += std::uint32_t(more.size());
}

void ContactRecord::eraseValue(std::string_view tag) {
  const int entry = find(tag);
  if (entry < 0 || !entries_[std::size_t(entry)].held) return;
  entries_[std::size_t(entry)].held = false;
  entries_[std::size_t(entry)].valueLength = 0;
  --held_;
}

std::vector<std::pair<std::string_view, std::string_view>> ContactRecord::tagValues() const {
  std::vector<std::pair<std::string_view, std::string_view>> pairs;
  pairs.reserve(std::size_t(held_));
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].held) pairs.emplace_back(tagOf(std::uint32_t(i)), valueOf(std::uint32_t(i)));
  }
  return pairs;
}

void ContactRecord::rebuildIndex() {
  index_ = std::make_unique<std::unordered_multimap<std::size_t, std::uint32_t>>();
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].own) continue;
    index_->emplace(tagHash(tagOf(std::uint32_t(i))), std::uint32_t(i));
  }
}

void ContactRecord::clear() {
  text_ = {};
  entries_ = {};
  order_ = {};
  held_ = 0;
  index_.reset();
}

void ContactList::append(int number) {
  numbers_.push_back(number);
  present_.push_back(1);
  ++alive_;
  treeValid_ = false;
}

void ContactList::buildTree() const {
  const int n = slotCount();
  tree_.assign(n + 1, 0);
  for (int i = 1; i <= n; ++i) {
    tree_[i] += present_[i - 1];
    int parent = i + (i & -i);
    if (parent <= n) tree_[parent] += tree_[i];
  }
  treeValid_ = true;
}

int ContactList::slotOfPosition(int position) const {
  if (!treeValid_) buildTree();
  int slot = 0;
  int remaining = position;
  int step = 1;
  while (step * 2 <= slotCount()) step *= 2;
  for (; step > 0; step /= 2) {
    if (slot + step <= slotCount() && tree_[slot + step] < remaining) {
      slot += step;
      remaining -= tree_[slot];
    }
  }
  return slot;  // the 0-based slot holding the position-th present number
}

int ContactList::positionOfSlot(int slot) const {
  if (!treeValid_) buildTree();
  int position = 0;
  for (int i = slot + 1; i > 0; i -= i & -i) position += tree_[i];
  return position;
}

void ContactList::removeAt(int position) {
  int slot = slotOfPosition(position);
  present_[slot] = 0;
  --alive_;
  for (int i = slot + 1; i <= slotCount(); i += i & -i) tree_[i] -= 1;
}

void ContactList::restoreSlot(int slot) {
  if (present_[slot]) return;
  present_[slot] = 1;
  ++alive_;
  treeValid_ = false;
}

std::vector<int> ContactList::numbers() const {
  std::vector<int> result;
  result.reserve(alive_);
  for (int slot = 0; slot < slotCount(); ++slot) {
    if (present_[slot]) result.push_back(numbers_[slot]);
  }
  return result;
}

namespace {

class ContactLoader {
 public:
  ContactLoader(const std::string& fileName, ContactList& list, ContactTable& table)
      : fileName_(fileName), list_(list), table_(table) {}

  // Goes on with the last contact loaded, which an earlier file left without its END line.
  void continueLastContact() {
    record_ = &table_[list_.numberAt(list_.size())];
    const int count = record_->orderCount();
    currentTag_.assign(count > 0 ? record_->tagAt(count) : std::string_view());
    colonLines_ = count;
  }

  void startContact(std::string_view beginLine) {
    const int number = list_.size() + 1;
    checkFileContacts(number, fileName_);
    list_.append(number);
    table_.resize(number + 1);
    record_ = &table_[number];
    colonLines_ = 1;
    addLine(beginLine, beginLine.find(':'));
  }

  void addContactLine(std::string_view line) {
    std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) {
      record_->appendToValue(currentTag_, kCrLf);
      record_->appendToValue(currentTag_, line);
      return;
    }
    checkContactLines(++colonLines_, list_.size(), fileName_);
    addLine(line, colon);
  }

 private:
  void addLine(std::string_view line, std::size_t colon) {
    currentTag_.assign(line.substr(0, colon));
    record_->appendTag(currentTag_);
    record_->setValue(currentTag_, line.substr(colon + 1));
  }

  const std::string& fileName_;
  ContactList& list_;
  ContactTable& table_;
  ContactRecord* record_ = nullptr;
  std::string currentTag_;
  int colonLines_ = 0;
};

}  // namespace

bool loadContacts(const std::string& fileName, ContactList& list, ContactTable& table) {
  return loadContacts(OpenInput(fileName), list, table);
}

bool loadContacts(const OpenInput& input, ContactList& list, ContactTable& table, FileIo& io,
                  RunProgress* ui, bool continuesContact) {
  LineReader reader(input, io);
  ContactLoader loader(input.path(), list, table);
  std::string_view line;
  bool open = false;
  bool pending = reader.readLine(line);
  if (continuesContact && list.size() > 0) {
    // What a plain merge would join to the open contact joins it here too, up to its END.
    loader.continueLastContact();
    open = true;
    for (; pending && !isContactBegin(line); pending = reader.readLine(line)) {
      loader.addContactLine(line);
      if (isLoadEnd(line)) {
        open = false;
        pending = reader.readLine(line);
        break;
      }
    }
  }
  for (; pending; pending = reader.readLine(line)) {
    if (!isContactBegin(line)) continue;
    loader.startContact(line);
    open = true;
    while (open && reader.readLine(line)) {
      loader.addContactLine(line);
      open = !isLoadEnd(line);
    }
    if (ui) ui->yield();
  }
  return open;
}

}  // namespace palvren
