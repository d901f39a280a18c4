#pragma once

#include <string>
#include <vector>

#include "platform/batch_worker.h"
#include "vcard/vcard_converter.h"

namespace palvren {

// Converts contacts on a second thread while the caller writes those already converted, so that
// the conversion's work overlaps the file system's. Contacts go in and come back in batches, in
// the order they were handed in. Destroying the pipeline stops the thread and waits for it.
class ConversionPipeline {
 public:
  explicit ConversionPipeline(ContactConverter& converter)
      : worker_([&converter](Batch& batch) {
          int number = batch.firstNumber;
          for (std::vector<std::string>& contact : batch.contacts) {
            converter.convertInPlace(contact, number++);
          }
        }) {}

  // Contacts a batch holds, and batches handed in and not yet taken back at most.
  static constexpr std::size_t kBatch = 64;
  static constexpr std::size_t kBatches = 2;

  // The contacts of one batch: each one's lines, first number first.
  struct Batch {
    std::vector<std::vector<std::string>> contacts;
    int firstNumber = 1;
  };
  // Hands in a batch; number names each contact in the converter's log.
  void submit(Batch batch) { worker_.submit(std::move(batch)); }
  // The next batch converted; what a conversion threw is thrown here.
  std::vector<std::vector<std::string>> next() { return std::move(worker_.next().contacts); }

 private:
  BatchWorker<Batch> worker_;
};

}  // namespace palvren
