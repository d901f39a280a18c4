#include "redundancy/prompt_context.h"

#include "platform/text.h"
#include "redundancy/field_key.h"
#include "vcard/value_decoding.h"

namespace palvren {

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
    const std::string& tag = contact == &first ? edit.tag : edit.tagOfSecond();
    if (!contact->listsTag(tag)) continue;
    const std::optional<std::string> bytes = encodeForContact(*contact, tag, trimSpaces(edit.text));
    if (!bytes) continue;
    contact->setValue(tag, keepTrailingSeparators(contact->value(tag), *bytes));
    changed = true;
  }
  return changed;
}

std::optional<EditRefusal> refusalOfEdit(const PromptContext& context, const FieldEdit& edit) {
  const ContactRecord* contacts[] = {context.firstContact, context.secondContact};
  const int positions[] = {context.firstPosition, context.secondPosition};
  for (int i = 0; i < 2; ++i) {
    const std::string& tag = i == 0 ? edit.tag : edit.tagOfSecond();
    if (!contacts[i]->listsTag(tag) || encodeForContact(*contacts[i], tag, edit.text)) continue;
    const std::string_view charset = storageCharset(tag, contacts[i]->value(tag));
    return EditRefusal{positions[i],
                       charset == "windows-1252" ? "Windows-1252" : std::string(charset)};
  }
  return std::nullopt;
}

std::string fieldForDisplay(const ContactRecord& contact, std::string_view tag) {
  return fieldForDisplay(tag, contact.value(tag));
}

std::string fieldForDisplay(std::string_view tag, std::string_view value) {
  if (const std::optional<InlineImage> image = inlineImage(tag, value)) {
    return image->format + " image, " + std::to_string(image->bytes.size()) + " bytes";
  }
  return valueForDisplay(displayUtf8(tag, value));
}

}  // namespace palvren

namespace palvren {

namespace {

// Rows of the first contact's fields, each beside the second contact's line that answers it.
std::vector<ConflictRow> pairedRows(const PromptContext& context,
                                    const std::vector<FieldLine>& mine,
                                    const std::vector<FieldLine>& theirs,
                                    const std::vector<int>& partners) {
  const ContactRecord& first = *context.firstContact;
  const ContactRecord& second = *context.secondContact;
  const std::string matched =
      context.matchedKey.empty() ? matchedFieldKey(mine, theirs) : context.matchedKey;
  std::vector<ConflictRow> rows;
  for (std::size_t p = 0; p < mine.size(); ++p) {
    if (mine[p].kind == FieldKind::Frame) continue;
    ConflictRow row;
    row.firstTag = first.tagAt(mine[p].ordinal);
    row.firstOrdinal = mine[p].ordinal;
    row.label = fieldWords(row.firstTag);
    if (partners[p] >= 0) {
      const FieldLine& other = theirs[std::size_t(partners[p])];
      row.secondTag = second.tagAt(other.ordinal);
      row.secondOrdinal = other.ordinal;
      row.matched = mine[p].key == matched && mine[p].compared == other.compared;
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace

std::vector<ConflictRow> conflictRows(const PromptContext& context) {
  const ContactRecord& first = *context.firstContact;
  const ContactRecord& second = *context.secondContact;
  const std::vector<FieldLine> mine = fieldLines(first, context.rule);
  const std::vector<FieldLine> theirs = fieldLines(second, context.rule);
  const std::vector<int> partners = pairFieldLines(mine, first, theirs, second);
  std::vector<ConflictRow> rows = pairedRows(context, mine, theirs, partners);
  std::vector<char> shown(theirs.size());
  for (int partner : partners) {
    if (partner >= 0) shown[std::size_t(partner)] = 1;
  }
  // A field only the second contact has stands after the first's lines of the same field.
  for (std::size_t q = 0; q < theirs.size(); ++q) {
    if (shown[q] || theirs[q].kind == FieldKind::Frame) continue;
    ConflictRow row;
    row.secondTag = second.tagAt(theirs[q].ordinal);
    row.secondOrdinal = theirs[q].ordinal;
    row.label = fieldWords(row.secondTag);
    auto at = rows.end();
    for (auto it = rows.begin(); it != rows.end(); ++it) {
      const std::string& tag = it->firstTag.empty() ? it->secondTag : it->firstTag;
      if (fieldKeyOf(tag) == theirs[q].key) at = it + 1;
    }
    rows.insert(at, std::move(row));
  }
  const std::string& secondTag =
      context.secondTag.empty() ? context.conflictTag : context.secondTag;
  for (ConflictRow& row : rows) {
    const bool conflict =
        context.firstOrdinal > 0
            ? row.firstOrdinal == context.firstOrdinal && row.secondOrdinal == context.secondOrdinal
            : row.firstTag == context.conflictTag &&
                  (row.secondTag == secondTag || row.secondTag.empty());
    if (conflict) {
      row.conflict = true;
      break;
    }
  }
  return rows;
}

}  // namespace palvren
