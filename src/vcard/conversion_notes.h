#pragma once

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace palvren {

// What one contact's conversion changed beyond the form of its lines.
class ConversionNotes {
 public:
  // A value of property name was decoded from source ("Shift_JIS quoted-printable").
  void decoded(const std::string& source, const std::string& name) {
    auto found = std::find_if(decoded_.begin(), decoded_.end(),
                              [&](const auto& entry) { return entry.first == source; });
    if (found == decoded_.end()) found = decoded_.insert(decoded_.end(), {source, {}});
    if (std::find(found->second.begin(), found->second.end(), name) == found->second.end()) {
      found->second.push_back(name);
    }
  }
  void add(const std::string& note) {
    if (std::find(notes_.begin(), notes_.end(), note) == notes_.end()) notes_.push_back(note);
  }
  bool empty() const { return decoded_.empty() && notes_.empty(); }

  std::string text() const {
    std::vector<std::string> parts;
    for (const auto& [source, names] : decoded_) {
      std::string list = names.front();
      for (std::size_t k = 1; k < names.size(); ++k) {
        list += (k + 1 == names.size() ? " and " : ", ") + names[k];
      }
      parts.push_back(list + " decoded from " + source);
    }
    parts.insert(parts.end(), notes_.begin(), notes_.end());
    std::string text = parts.front();
    for (std::size_t k = 1; k < parts.size(); ++k) text += "; " + parts[k];
    return text;
  }

 private:
  std::vector<std::pair<std::string, std::vector<std::string>>> decoded_;
  std::vector<std::string> notes_;
};

}  // namespace palvren
