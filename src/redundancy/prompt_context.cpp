#include "redundancy/prompt_context.h"

#include "platform/text.h"

namespace palvren {

namespace {
const std::string kNoDisplayName;
}  // namespace

const std::string& TagDisplayNameTable::lookup(std::string_view key) const {
  for (const auto& [entryKey, display] : entries_) {
    if (entryKey == key) return display;
  }
  return kNoDisplayName;
}

TagDisplayNameTable& TagDisplayNames() {
  static TagDisplayNameTable table;
  return table;
}

void fillTagDisplayNames() {
  TagDisplayNameTable& table = TagDisplayNames();
  table.clear();
  table.add("N", "[name]");
  table.add("NAME", "[name]");
  table.add("FN", "[formatted name]");
  table.add("ADR", "[address]");
  table.add("ORG", "[organization]");
  table.add("TEL", "[telephone #]");
}

std::string TagDisplayName(std::string_view tag) {
  const std::string& whole = TagDisplayNames().lookup(tag);
  if (!whole.empty()) return whole;
  std::size_t semicolon = tag.find(';');
  if (semicolon != std::string_view::npos) {
    // Only the leading property name is replaced: "N;LANGUAGE=en" reads "[name];LANGUAGE=en".
    const std::string& display = TagDisplayNames().lookup(tag.substr(0, semicolon));
    if (!display.empty()) return display + std::string(tag.substr(semicolon));
  }
  return std::string(trimSpaces(tag));
}

std::string ValueForDisplay(std::string_view value) {
  if (value.find(';') == std::string_view::npos) return std::string(value);
  std::string spaced(value);
  for (char& c : spaced) {
    if (c == ';') c = ' ';
  }
  std::string text(trimSpaces(spaced));
  while (text.find("  ") != std::string::npos) text = replaceAll(text, "  ", " ");
  return text;
}

std::string KeepTrailingSeparators(std::string_view oldValue, std::string_view typed) {
  std::size_t separators = 0;
  while (separators < oldValue.size() && oldValue[oldValue.size() - 1 - separators] == ';') {
    ++separators;
  }
  return std::string(trimSpaces(typed)) + std::string(separators, ';');
}

bool applyFieldEdit(PromptContext& context, const std::string& tag, const std::string& typed) {
  if (typed.empty()) return false;
  for (ContactRecord* contact : {context.firstContact, context.secondContact}) {
    contact->setValue(tag, KeepTrailingSeparators(contact->value(tag), typed));
  }
  context.editedTags.push_back(tag);
  return true;
}

}  // namespace palvren
