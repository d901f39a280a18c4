#include "redundancy/prompt_context.h"

#include "platform/text.h"
#include "vcard/value_decoding.h"

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

TagDisplayNameTable::TagDisplayNameTable()
    : entries_{{"N", "[name]"},      {"NAME", "[name]"},        {"FN", "[formatted name]"},
               {"ADR", "[address]"}, {"ORG", "[organization]"}, {"TEL", "[telephone #]"}} {}

const TagDisplayNameTable& tagDisplayNames() {
  static const TagDisplayNameTable table;
  return table;
}

std::string tagDisplayName(std::string_view tag) {
  const std::string& whole = tagDisplayNames().lookup(tag);
  if (!whole.empty()) return whole;
  std::size_t semicolon = tag.find(';');
  if (semicolon != std::string_view::npos) {
    // Only the leading property name is replaced: "N;LANGUAGE=en" reads "[name];LANGUAGE=en".
    const std::string& display = tagDisplayNames().lookup(tag.substr(0, semicolon));
    if (!display.empty()) return display + std::string(tag.substr(semicolon));
  }
  return std::string(trimSpaces(tag));
}

std::string valueForDisplay(std::string_view value) {
  if (value.find(';') == std::string_view::npos) return std::string(value);
  std::string spaced(value);
  for (char& c : spaced) {
    if (c == ';') c = ' ';
  }
  std::string text(trimSpaces(spaced));
  while (text.find("  ") != std::string::npos) text = replaceAll(text, "  ", " ");
  return text;
}

std::string keepTrailingSeparators(std::string_view oldValue, std::string_view typed) {
  std::size_t separators = 0;
  while (separators < oldValue.size() && oldValue[oldValue.size() - 1 - separators] == ';') {
    ++separators;
  }
  return std::string(trimSpaces(typed)) + std::string(separators, ';');
}

std::optional<std::string> encodeForContact(const ContactRecord& contact, std::string_view tag,
                                            std::string_view typed) {
  return encodeTypedValue(tag, typed, contact.value(tag));
}

bool applyFieldEdit(ContactRecord& first, ContactRecord& second, const FieldEdit& edit) {
  if (edit.text.empty()) return false;
  bool changed = false;
  for (ContactRecord* contact : {&first, &second}) {
    if (!contact->listsTag(edit.tag)) continue;
    const std::optional<std::string> bytes =
        encodeForContact(*contact, edit.tag, trimSpaces(edit.text));
    if (!bytes) continue;
    contact->setValue(edit.tag, keepTrailingSeparators(contact->value(edit.tag), *bytes));
    changed = true;
  }
  return changed;
}

std::optional<EditRefusal> refusalOfEdit(const PromptContext& context, const FieldEdit& edit) {
  const ContactRecord* contacts[] = {context.firstContact, context.secondContact};
  const int positions[] = {context.firstPosition, context.secondPosition};
  for (int i = 0; i < 2; ++i) {
    if (!contacts[i]->listsTag(edit.tag) || encodeForContact(*contacts[i], edit.tag, edit.text)) {
      continue;
    }
    const std::string_view charset = storageCharset(edit.tag, contacts[i]->value(edit.tag));
    return EditRefusal{positions[i],
                       charset == "windows-1252" ? "Windows-1252" : std::string(charset)};
  }
  return std::nullopt;
}

std::string fieldForDisplay(const ContactRecord& contact, std::string_view tag) {
  const std::string_view value = contact.value(tag);
  if (const std::optional<InlineImage> image = inlineImage(tag, value)) {
    return image->format + " image, " + std::to_string(image->bytes.size()) + " bytes";
  }
  return valueForDisplay(displayUtf8(tag, value));
}

}  // namespace palvren
