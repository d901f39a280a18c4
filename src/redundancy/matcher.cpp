#include "redundancy/matcher.h"

#include <functional>

namespace palvren {

std::unique_ptr<Matcher> matcherFor(const MatchRule& rule) {
  return rule.tolerant ? tolerantMatcher(rule) : exactMatcher();
}

std::uint64_t matchKey(std::string_view field, std::string_view value) {
  std::hash<std::string_view> hash;
  return hash(field) * 0x9e3779b97f4a7c15ULL ^ hash(value);
}

}  // namespace palvren
