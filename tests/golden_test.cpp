// Byte-exact fixtures in tests/data with the expected outputs beside them: <name>.vcf and the
// folder <name>.expected holding split/, pass1/ and export.csv. PALVREN_UPDATE_GOLDEN=1 writes
// the expected files anew (review them before committing).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "redundancy/redundancy_run.h"
#include "support/fake_ui.h"
#include "support/temp_folder.h"
#include "vcard/csv_export.h"
#include "vcard/split_writer.h"

namespace palvren {
namespace {

namespace fs = std::filesystem;
using testing::FakeUserInterface;
using testing::fileNames;
using testing::readBytes;
using testing::TempFolder;

std::vector<std::string> fixtureNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(PALVREN_TEST_DATA)) {
    if (entry.path().extension() == ".vcf") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Where two texts first differ, line by line, for a readable failure.
std::string firstDifference(const std::string& expected, const std::string& actual) {
  std::size_t line = 1;
  std::size_t start = 0;
  for (std::size_t i = 0; i < std::min(expected.size(), actual.size()); ++i) {
    if (expected[i] != actual[i]) {
      auto show = [&](const std::string& text) {
        std::string shown = text.substr(start, text.find('\n', i) - start);
        for (std::size_t k = 0; k < shown.size(); ++k) {
          if (shown[k] == '\r') shown.replace(k, 1, "\\r");
        }
        return shown;
      };
      return "line " + std::to_string(line) + ": expected [" + show(expected) + "] got [" +
             show(actual) + "]";
    }
    if (expected[i] == '\n') {
      ++line;
      start = i + 1;
    }
  }
  return expected.size() == actual.size() ? ""
                                          : "lengths differ after line " + std::to_string(line);
}

void compareFolder(const std::string& expected, const std::string& actual, bool update) {
  if (update) {
    fs::remove_all(expected);
    fs::create_directories(expected);
    for (const std::string& name : fileNames(actual))
      fs::copy_file(actual + "/" + name, expected + "/" + name);
  }
  ASSERT_EQ(fileNames(actual), fileNames(expected)) << expected;
  for (const std::string& name : fileNames(expected)) {
    const std::string want = readBytes(expected + "/" + name);
    const std::string got = readBytes(actual + "/" + name);
    EXPECT_EQ(want, got) << name << ": " << firstDifference(want, got);
  }
}

class Golden : public ::testing::TestWithParam<std::string> {};

TEST_P(Golden, SplitPassOneAndExportGiveTheExpectedBytes) {
  const bool update = std::getenv("PALVREN_UPDATE_GOLDEN") != nullptr;
  const std::string fixture = std::string(PALVREN_TEST_DATA) + "/" + GetParam();
  const std::string expected = fixture + ".expected";
  const std::string bytes = readBytes(fixture + ".vcf");

  TempFolder plain;
  FakeUserInterface ui;
  const Written split = splitContacts(OpenInput(plain.write("in.vcf", bytes)), ui, ui.naming);
  compareFolder(expected + "/split", split.path, update);

  TempFolder checked;
  const Written pass1 = splitWithRedundancyCheck(OpenInput(checked.write("in.vcf", bytes)), ui,
                                                 ui.checkOptions(), ui.naming);
  compareFolder(expected + "/pass1", pass1.path, update);

  TempFolder exported;
  const std::string csv = exportContactsToCsv(OpenInput(exported.write("in.vcf", bytes))).path;
  if (update) fs::copy_file(csv, expected + "/export.csv", fs::copy_options::overwrite_existing);
  const std::string want = readBytes(expected + "/export.csv");
  EXPECT_EQ(want, readBytes(csv)) << firstDifference(want, readBytes(csv));
}

INSTANTIATE_TEST_SUITE_P(Fixtures, Golden, ::testing::ValuesIn(fixtureNames()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace palvren
