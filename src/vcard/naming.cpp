#include "vcard/naming.h"

#include <cerrno>
#include <charconv>

#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text.h"
#include "vcard/block_rules.h"
#include "vcard/contact_folder.h"
#include "vcard/value_decoding.h"

namespace palvren {

namespace {

constexpr std::size_t kPathLimit = 255;

// Reads an optionally signed whole number; false when the text is anything else.
bool readNumber(std::string_view text, long long& number) {
  if (text.empty()) return false;
  std::size_t start = (text[0] == '+' || text[0] == '-') ? 1 : 0;
  if (start == text.size() || text.size() - start > 18) return false;
  for (std::size_t i = start; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  std::from_chars(text.data() + start, text.data() + text.size(), number);
  if (text[0] == '-') number = -number;
  return true;
}

std::string collapseSpaceRuns(std::string text) {
  for (const char* run : {"     ", "    ", "   ", "  "}) text = replaceAll(text, run, " ");
  return text;
}

}  // namespace

bool NamingSession::isReserved(const std::string& name) const {
  const int number = numberOfContactName(name);
  return number >= current_ && number <= numberedFiles_;
}

std::string NamingSession::continueFrom(const std::string& first) const {
  auto found = lastAssigned_.find(first);
  return found == lastAssigned_.end() ? first : found->second;
}

void NamingSession::remember(const std::string& first, const std::string& assigned) {
  lastAssigned_[first] = assigned;
}

std::string contactFileName(const std::string& outputFolder, std::string_view stem) {
  while (!stem.empty() && (stem.front() == '.' || stem.front() == ' ')) stem.remove_prefix(1);
  if (stem.empty()) return std::string();
  constexpr std::string_view kExtension = ".vcf";
  const std::size_t fixed = outputFolder.size() + 1 + kExtension.size();
  if (fixed >= kPathLimit) return std::string();  // no room left for a stem
  const std::size_t room = kPathLimit - fixed;
  if (stem.size() > room) {
    std::size_t cut = room;
    if (isValidUtf8(stem)) {
      while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80) --cut;
    }
    stem = stem.substr(0, cut);
  }
  return stem.empty() ? std::string() : std::string(stem) + std::string(kExtension);
}

bool renameToContactName(LineWriter& written, const ContactLines& contactLines, RunProgress& ui,
                         NamingSession& session) {
  const std::string folder = written.folder().path();
  const std::string first = contactFileName(folder, nameFromContactLines(contactLines));
  if (first.empty()) return false;
  std::string name = first;
  bool resumed = false;
  while (true) {
    if (!session.isReserved(name)) {
      const int error = written.commitAs(name);
      if (error == 0) break;
      if (error != EEXIST) return false;  // a name the file system refuses
    }
    if (!resumed) {
      // The stem's own name is tried first for every contact; past it, the search goes on
      // where it last stood for this stem.
      resumed = true;
      const std::string last = session.continueFrom(first);
      if (last != first) {
        name = last;
        continue;
      }
    }
    const std::string next = nextUniqueName(folder + "/" + name);
    if (next.empty()) return false;  // the "-#" counter is exhausted
    name = fileNameOf(next);
  }
  session.remember(first, name);
  ui.yield();
  return true;
}

namespace {

// The property a line starts, as the naming rules read it: FN and N with any group and
// parameters, TITLE bare, EMAIL with anything after it. A line starting with a blank continues
// the one before and starts nothing.
bool startsProperty(const std::string& line, std::string_view key) {
  const std::size_t colon = line.find(':');
  if (colon == std::string::npos || line.empty() || line[0] == ' ' || line[0] == '\t') {
    return false;
  }
  if (key == "FN" || key == "N") {
    return equalsUpper(propertyName(std::string_view(line).substr(0, colon)), key);
  }
  return startsWithUpper(line, key);
}

// The decoded text of the property starting at line i, with the lines a quoted-printable soft
// break joins to it.
std::string decodedValueAt(const ContactLines& contactLines, std::size_t i) {
  const std::string& line = contactLines[i];
  const std::size_t colon = line.find(':');
  const std::string_view tag = std::string_view(line).substr(0, colon);
  std::string value = line.substr(colon + 1);
  if (isQuotedPrintable(tag)) {
    while (value.ends_with('=') && ++i < contactLines.size()) value += "\r\n" + contactLines[i];
  }
  return displayUtf8(tag, value);
}

}  // namespace

std::string nameFromContactLines(const ContactLines& contactLines) {
  struct Rule {
    std::string_view key;
    std::string (*result)(std::string_view cleaned);
  };
  static const Rule rules[] = {
      {"FN", [](std::string_view v) { return std::string(v); }},
      {"N", [](std::string_view v) { return swapFirstWord(v); }},
      {"TITLE:", [](std::string_view v) { return std::string(v); }},
      {"EMAIL", [](std::string_view v) { return emailLocalPart(v); }},
  };
  for (const Rule& rule : rules) {
    for (std::size_t i = 1; i < contactLines.size(); ++i) {
      if (!startsProperty(contactLines[i], rule.key)) continue;
      std::string cleaned = cleanNameText(decodedValueAt(contactLines, i));
      if (!cleaned.empty()) return rule.result(cleaned);
    }
  }
  return std::string();
}

std::string cleanNameText(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (char c : trimSpaces(text)) {
    switch (c) {
      case ':':
      case '\\':
      case '/':
      case '?':
      case '"':
        break;
      case ';':
      case '_':
      case ',':
      case '|':
        result.push_back(' ');
        break;
      default:
        result.push_back(static_cast<unsigned char>(c) < 32 ? ' ' : c);
    }
  }
  return std::string(trimSpaces(collapseSpaceRuns(std::move(result))));
}

std::string swapFirstWord(std::string_view text) {
  std::size_t space = text.find(' ');
  if (space == std::string_view::npos) return std::string(text);
  std::string swapped =
      std::string(text.substr(space + 1)) + " " + std::string(text.substr(0, space));
  return std::string(trimSpaces(swapped));
}

std::string emailLocalPart(std::string_view text) {
  std::size_t at = text.find('@');
  if (at == std::string_view::npos) return std::string(text);
  return std::string(trimSpaces(text.substr(0, at)));
}

std::string nextUniqueName(const std::string& path) {
  if (path.empty()) return path;
  std::string base = baseNameOf(path);
  long long number = 0;
  std::size_t mark = base.rfind("-#");
  if (mark != std::string::npos &&
      readNumber(trimSpaces(std::string_view(base).substr(mark + 2)), number)) {
    if (number < -32768 || number > 32767) return std::string();
  } else {
    number = 0;
  }
  std::string newBase;
  if (number != 0) {
    if (number == kMaxCount) return std::string();
    newBase = base.substr(0, mark) + "-#" + std::to_string(number + 1);
  } else {
    newBase = base + "-#1";
  }
  return parentFolder(path) + "/" + newBase + "." + extensionOf(path);
}

}  // namespace palvren
