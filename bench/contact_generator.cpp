#include "contact_generator.h"

#include <random>
#include <vector>

namespace palvren::bench {

namespace {

const char* const kGiven[] = {"Ann",     "Bob",    "Chen",  "Dagny",  "Émile",  "Fatima", "Gökhan",
                              "Hiroshi", "Ingrid", "José",  "Kwame",  "Łukasz", "Maria",  "Nnamdi",
                              "Olga",    "Priya",  "Søren", "Thandi", "Uwe",    "Zoë"};
const char* const kFamily[] = {"Adeyemi",  "Berg",   "Castro", "Dubois",  "Eriksson",
                               "Fischer",  "García", "Haddad", "Ivanova", "Jensen",
                               "Kowalski", "López",  "Müller", "Novak",   "O'Brien",
                               "Petrov",   "Quinn",  "Rossi",  "Şahin",   "Tanaka"};

std::string fold(const std::string& line) {
  std::string out;
  for (std::size_t i = 0; i < line.size(); i += 75) {
    if (i > 0) out += " ";
    out += line.substr(i, 75) + "\r\n";
  }
  return out;
}

std::string base64(std::mt19937& random, std::size_t bytes) {
  static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string text;
  for (std::size_t i = 0; i < bytes * 4 / 3; ++i) text += alphabet[random() % 64];
  return text;
}

}  // namespace

std::string generateContacts(const GeneratorOptions& options) {
  std::mt19937 random(options.seed);
  std::vector<std::string> cards;
  cards.reserve(options.contacts);
  std::string file;
  for (int n = 0; n < options.contacts; ++n) {
    const int roll = int(random() % 100);
    if (!cards.empty() && roll < options.duplicatePercent) {
      cards.push_back(cards[random() % cards.size()]);
      file += cards.back();
      continue;
    }
    const bool annLee = options.shape == Shape::SharedNames && n % 2 == 0;
    const std::string given = annLee ? "Ann" : kGiven[random() % 20];
    const std::string family = annLee ? "Lee" : kFamily[random() % 20];
    std::string email = "user" + std::to_string(n) + "@example.org";
    std::string fn = annLee ? "Ann Lee" : given + " " + family + " " + std::to_string(n);
    if (!cards.empty() && roll < options.duplicatePercent + options.similarPercent) {
      email = "user" + std::to_string(random() % n) + "@example.org";  // someone earlier's address
      fn = given + " " + family;
    }
    std::string card = "BEGIN:VCARD\r\nVERSION:3.0\r\n";
    // In the shapes, every other person has a name of their own; in the mix names repeat.
    const std::string ownFamily =
        options.shape == Shape::Mixed || annLee ? family : family + " " + std::to_string(n);
    card += "N:" + ownFamily + ";" + given + ";;;\r\n";
    card += "FN:" + fn + "\r\n";
    card += "ORG:Company " + std::to_string(random() % 500) + "\r\n";
    card += "TITLE:Engineer\r\n";
    card += "TEL;TYPE=CELL:+1 555 " + std::to_string(1000000 + n) + "\r\n";
    if (random() % 2) card += "TEL;TYPE=WORK:+1 555 " + std::to_string(2000000 + n) + "\r\n";
    if (random() % 3 == 0) card += "TEL;TYPE=HOME:+1 555 " + std::to_string(3000000 + n) + "\r\n";
    if (options.shape == Shape::SharedNumbers) {
      card += n % 2 ? "TEL;TYPE=VOICE:+1 555 0100\r\n" : "TEL;TYPE=VOICE:+1 555 0199\r\n";
    }
    if (options.shape == Shape::SharedAddress) {
      card += "ADR;TYPE=WORK:;;1 Office Park;Springfield;IL;62701;USA\r\n";
    }
    if (options.shape == Shape::WideNotes) {
      card += "NOTE;X-LOG:Called back\r\n ref " + std::to_string(n % 4665) +
              ": https://example.org/log\r\n";
    }
    card += "EMAIL;TYPE=INTERNET:" + email + "\r\n";
    if (random() % 2) card += "EMAIL;TYPE=WORK:" + given + std::to_string(n) + "@work.example\r\n";
    card +=
        "ADR;TYPE=HOME:;;" + std::to_string(n + 1) + " Main Street;Springfield;IL;62701;USA\r\n";
    card += fold("NOTE:Met at the conference in " + std::to_string(2000 + random() % 25) +
                 "; interested in the follow-up project, prefers e-mail; call before noon on "
                 "weekdays, never on Fridays.");
    if (int(random() % 100) < options.photoPercent) {
      card += fold("PHOTO;ENCODING=b;TYPE=JPEG:" + base64(random, 3000 + random() % 6000));
    }
    card += "END:VCARD\r\n";
    cards.push_back(card);
    file += card;
  }
  return file;
}

}  // namespace palvren::bench
