#pragma once

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "vcard/vcard_converter.h"

namespace palvren {

// Converts contacts on a second thread while the caller writes those already converted, so that
// the conversion's work overlaps the file system's. Contacts go in and come back in batches, in
// the order they were handed in. Destroying the pipeline stops the thread and waits for it.
class ConversionPipeline {
 public:
  explicit ConversionPipeline(ContactConverter& converter);
  ~ConversionPipeline();
  ConversionPipeline(const ConversionPipeline&) = delete;
  ConversionPipeline& operator=(const ConversionPipeline&) = delete;

  // Contacts a batch holds, and batches handed in and not yet taken back at most.
  static constexpr std::size_t kBatch = 64;
  static constexpr std::size_t kBatches = 2;

  // The contacts of one batch: each one's lines, first number first.
  struct Batch {
    std::vector<std::vector<std::string>> contacts;
    int firstNumber = 1;
  };
  // Hands in a batch; number names each contact in the converter's log.
  void submit(Batch batch);
  // The next batch converted; what its conversion threw is thrown here.
  std::vector<std::vector<std::string>> next();

 private:
  struct Result {
    std::vector<std::vector<std::string>> contacts;
    std::exception_ptr error;
  };

  void work();
  Result convert(Batch& batch);

  ContactConverter& converter_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Batch> batches_;
  std::deque<Result> results_;
  bool stopping_ = false;
  std::thread worker_;
};

}  // namespace palvren
