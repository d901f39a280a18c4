#include "vcard/naming.h"

#include <cerrno>
#include <charconv>

#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text.h"

namespace palvren {

namespace {

constexpr std::size_t kPathLimit = 255;

std::string valueAfterColon(const std::string& line) {
  std::size_t colon = line.find(':');
  return colon == std::string::npos ? std::string() : line.substr(colon + 1);
}

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

std::string limitedTarget(const std::string& outputFolder, const std::string& stem) {
  std::string target = outputFolder + "/" + stem + ".vcf";
  if (characterCount(target) <= kPathLimit) return target;
  std::size_t folderLength = characterCount(outputFolder);
  if (folderLength >= kPathLimit - 5) return std::string();  // no room left for a stem
  std::size_t room = kPathLimit - 5 - folderLength;
  return outputFolder + "/" + std::string(firstCharacters(stem, room)) + ".vcf";
}

}  // namespace

bool NamingSession::isReservedNumberedName(const std::string& path) const {
  std::string name = fileNameOf(path);
  constexpr std::string_view prefix = "contact";
  if (name.size() < prefix.size() + 8 || name.compare(0, prefix.size(), prefix) != 0 ||
      name.compare(name.size() - 4, 4, ".vcf") != 0) {
    return false;
  }
  std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - 4);
  long long number = 0;
  if (!readNumber(digits, number) || digits[0] < '0' || fourDigits(int(number)) != digits) {
    return false;
  }
  return number > lastWritten_ && number <= numberedFiles_;
}

bool NamingSession::isTaken(const std::string& path) const {
  return fileExists(path) || isReservedNumberedName(path);
}

std::string NamingSession::continueFrom(const std::string& target) const {
  auto found = lastAssigned_.find(target);
  return found == lastAssigned_.end() ? target : found->second;
}

void NamingSession::remember(const std::string& target, const std::string& assigned) {
  lastAssigned_[target] = assigned;
}

void RenameToContactName(const std::string& outputFolder, const std::string& writtenFile,
                         const ContactLines& contactLines, UserInterface& ui,
                         NamingSession& session) {
  std::string stem = NameFromContactLines(contactLines);
  if (stem.empty()) return;
  const std::string firstTarget = limitedTarget(outputFolder, stem);
  if (firstTarget.empty()) return;
  std::string target = session.continueFrom(firstTarget);
  while (!target.empty()) {
    while (!target.empty() && session.isTaken(target)) target = NextUniqueName(target);
    if (target.empty()) return;  // the "-#" counter is exhausted: keep the numbered name
    int error = moveWithoutReplacing(writtenFile, target);
    if (error == 0) break;
    if (error != EEXIST) return;  // a name the file system refuses: keep the numbered name
  }
  session.remember(firstTarget, target);
  ui.yield();
}

std::string NameFromContactLines(const ContactLines& contactLines) {
  struct Rule {
    std::string_view key;
    std::string (*result)(std::string_view cleaned);
  };
  static const Rule rules[] = {
      {"FN:", [](std::string_view v) { return std::string(v); }},
      {"N:", [](std::string_view v) { return SwapFirstWord(v); }},
      {"TITLE:", [](std::string_view v) { return std::string(v); }},
      {"EMAIL", [](std::string_view v) { return EmailLocalPart(v); }},
  };
  for (const Rule& rule : rules) {
    for (std::size_t i = 1; i < contactLines.size(); ++i) {
      if (!startsWithUpper(contactLines[i], rule.key)) continue;
      std::string cleaned = CleanNameText(valueAfterColon(contactLines[i]));
      if (!cleaned.empty()) return rule.result(cleaned);
    }
  }
  return std::string();
}

std::string CleanNameText(std::string_view text) {
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

std::string SwapFirstWord(std::string_view text) {
  std::size_t space = text.find(' ');
  if (space == std::string_view::npos) return std::string(text);
  std::string swapped =
      std::string(text.substr(space + 1)) + " " + std::string(text.substr(0, space));
  return std::string(trimSpaces(swapped));
}

std::string EmailLocalPart(std::string_view text) {
  std::size_t at = text.find('@');
  if (at == std::string_view::npos) return std::string(text);
  return std::string(trimSpaces(text.substr(0, at)));
}

std::string NextUniqueName(const std::string& path) {
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
