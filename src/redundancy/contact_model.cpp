#include "redundancy/contact_model.h"

#include "platform/errors.h"
#include "platform/line_reader.h"
#include "platform/text.h"

namespace palvren {

namespace {
constexpr int kIndexThreshold = 24;
const std::string kEmpty;
}  // namespace

bool ContactRecord::listsTag(std::string_view tag) const {
  for (const std::string& t : order_) {
    if (t == tag) return true;
  }
  return false;
}

int ContactRecord::find(std::string_view tag) const {
  if (index_) {
    auto found = index_->find(std::string(tag));
    return found == index_->end() ? -1 : found->second;
  }
  for (std::size_t i = 0; i < values_.size(); ++i) {
    if (values_[i].first == tag) return static_cast<int>(i);
  }
  return -1;
}

const std::string& ContactRecord::value(std::string_view tag) const {
  int i = find(tag);
  return i < 0 ? kEmpty : values_[i].second;
}

void ContactRecord::setValue(std::string_view tag, std::string value) {
  int i = find(tag);
  if (i >= 0) {
    values_[i].second = std::move(value);
    return;
  }
  values_.emplace_back(std::string(tag), std::move(value));
  if (index_) {
    index_->emplace(values_.back().first, valueCount() - 1);
  } else if (valueCount() > kIndexThreshold) {
    rebuildIndex();
  }
}

void ContactRecord::eraseValue(std::string_view tag) {
  int i = find(tag);
  if (i < 0) return;
  if (i != valueCount() - 1) values_[i] = std::move(values_.back());
  values_.pop_back();
  if (index_) rebuildIndex();
}

void ContactRecord::rebuildIndex() {
  index_ = std::make_unique<std::unordered_map<std::string, int>>();
  for (int i = 0; i < valueCount(); ++i) index_->emplace(values_[i].first, i);
}

void ContactRecord::clear() {
  order_ = {};
  values_ = {};
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

std::vector<int> ContactList::numbers() const {
  std::vector<int> result;
  result.reserve(alive_);
  for (int slot = 0; slot < slotCount(); ++slot) {
    if (present_[slot]) result.push_back(numbers_[slot]);
  }
  return result;
}

std::string propertyName(std::string_view tag) {
  return toUpperAscii(tag.substr(0, tag.find(';')));
}

namespace {

bool isEndTestText(std::string_view line) { return equalsUpper(trimSpaces(line), "END:VCARD"); }

class ContactLoader {
 public:
  ContactLoader(const std::string& fileName, ContactList& list, ContactTable& table)
      : fileName_(fileName), list_(list), table_(table) {}

  void startContact(std::string_view beginLine) {
    const int number = list_.size() + 1;
    if (number > kMaxCount) {
      throw OperationError("\"" + fileName_ + "\" holds more than " + std::to_string(kMaxCount) +
                           " contacts, the most this program can process.");
    }
    list_.append(number);
    table_.resize(number + 1);
    record_ = &table_[number];
    colonLines_ = 1;
    addLine(beginLine, beginLine.find(':'));
  }

  void addContactLine(std::string_view line) {
    std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) {
      std::string& value = record_->storedValue(currentTag_);
      value.append(kCrLf);
      value.append(line);
      return;
    }
    if (++colonLines_ > kMaxCount) {
      throw OperationError("Contact " + std::to_string(list_.size()) + " of \"" + fileName_ +
                           "\" has more than " + std::to_string(kMaxCount) +
                           " lines, the most this program can process.");
    }
    addLine(line, colon);
  }

 private:
  void addLine(std::string_view line, std::size_t colon) {
    currentTag_.assign(line.substr(0, colon));
    record_->appendTag(currentTag_);
    record_->setValue(currentTag_, std::string(line.substr(colon + 1)));
  }

  const std::string& fileName_;
  ContactList& list_;
  ContactTable& table_;
  ContactRecord* record_ = nullptr;
  std::string currentTag_;
  int colonLines_ = 0;
};

}  // namespace

void LoadContacts(const std::string& fileName, ContactList& list, ContactTable& table) {
  LineReader reader(fileName);
  ContactLoader loader(fileName, list, table);
  std::string_view line;
  while (reader.readLine(line)) {
    if (!isBeginLine(line)) continue;
    loader.startContact(line);
    while (!isEndTestText(line) && reader.readLine(line)) loader.addContactLine(line);
  }
}

}  // namespace palvren
