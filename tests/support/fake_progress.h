#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/run_progress.h"

namespace palvren::testing {

// A run's progress, recorded in order; Port is the port faked, RunProgress or one built on it.
template <class Port = RunProgress>
class FakeProgressOf : public Port {
 public:
  void setStatus(const Message& message) override {
    const std::string text = message.english();
    status = text;
    statuses.push_back(text);
    events.push_back("status:" + text);
  }
  void setCount(const Message& message) override {
    count = message.english();
    events.push_back("count:" + count);
  }
  void setProgress(int done, int total) override { progress.emplace_back(done, total); }
  void yield() override {
    ++yields;
    if (onYield) onYield();
  }

  // Script.
  std::function<void()> onYield;

  // Record.
  std::string status;
  std::string count;
  std::vector<std::string> statuses;
  std::vector<std::string> events;
  std::vector<std::pair<int, int>> progress;
  int yields = 0;
};

using FakeProgress = FakeProgressOf<>;

}  // namespace palvren::testing
