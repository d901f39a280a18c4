#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "driver/run_options.h"
#include "driver/user_interface.h"
#include "redundancy/prompt_context.h"

namespace palvren::fuzz {

// A folder of this fuzzing process's own on a memory file system, emptied for each input.
inline std::string scratchFolder() {
  static const std::string folder = [] {
    std::string path =
        (std::filesystem::exists("/dev/shm") ? std::string("/dev/shm") : std::string("/tmp")) +
        "/palvren-fuzz-" + std::to_string(getpid());
    std::filesystem::create_directories(path);
    return path;
  }();
  return folder;
}

inline std::string writeInput(const uint8_t* data, size_t size) {
  const std::string folder = scratchFolder();
  std::error_code ignored;
  std::filesystem::remove_all(folder + "/Split-vCards", ignored);
  std::filesystem::remove(folder + "/Contacts_Imported.vcf", ignored);
  const std::string path = folder + "/in.vcf";
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(data), std::streamsize(size));
  return path;
}

// Options and answers derived from the input itself, so that every path is reachable.
class FuzzUserInterface : public UserInterface {
 public:
  explicit FuzzUserInterface(uint32_t seed) : seed_(seed) {}
  void setStatus(const Message&) override {}
  void setCount(const Message&) override {}
  void yield() override {}
  // Put together as the command line would, so that every message's words are built.
  void showMessage(const Message& text, const Message& title, MessageIcon) override {
    shown_ = title.english() + text.english();
  }
  bool askYesNo(const Message& text, const Message&) override {
    shown_ = text.english();
    return seed_ & 1;
  }
  EarlierResultAnswer askEarlierResult(const EarlierResult&) override {
    return static_cast<EarlierResultAnswer>(seed_ % 3);
  }
  void openInFileBrowser(const std::string&) override {}
  // The options of a run of mode.
  RunOptions options(RunMode mode) const {
    RunOptions options;
    options.mode = mode;
    options.naming = (seed_ & 2) ? NamingMode::ContactInfo : NamingMode::Numeric;
    options.checkOptions.passes =
        (seed_ & 4) ? RedundancyMode::Pass1And2 : RedundancyMode::Pass1Only;
    options.check = seed_ & 8;
    const uint32_t format = (seed_ >> 5) & 3;
    options.format = format == 0   ? ExportFormat::Raw
                     : format == 2 ? ExportFormat::Outlook
                                   : ExportFormat::Google;
    options.checkOptions.rule.tolerant = seed_ & 128;
    if (seed_ & 32) options.checkOptions.rule.countryCode = "44";
    return options;
  }
  ConflictDecision askConflict(const PromptContext& context) override {
    const uint32_t mix = seed_ + uint32_t(context.firstPosition) * 7 +
                         uint32_t(context.secondPosition) * 3 +
                         uint32_t(context.conflictTag.size());
    ConflictDecision decision(ConflictChoice(mix % 4));
    if (mix % 9 == 0) decision.edits.push_back({context.conflictTag, "edited;value \xE2\x82\xAC"});
    return decision;
  }

 private:
  uint32_t seed_;
  std::string shown_;
};

}  // namespace palvren::fuzz
