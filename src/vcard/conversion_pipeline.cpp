#include "vcard/conversion_pipeline.h"

namespace palvren {

ConversionPipeline::ConversionPipeline(ContactConverter& converter)
    : converter_(converter), worker_([this] { work(); }) {}

ConversionPipeline::~ConversionPipeline() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  worker_.join();
}

void ConversionPipeline::submit(Batch batch) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    batches_.push_back(std::move(batch));
  }
  changed_.notify_all();
}

std::vector<std::vector<std::string>> ConversionPipeline::next() {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return !results_.empty(); });
  Result result = std::move(results_.front());
  results_.pop_front();
  lock.unlock();
  if (result.error) std::rethrow_exception(result.error);
  return std::move(result.contacts);
}

ConversionPipeline::Result ConversionPipeline::convert(Batch& batch) {
  Result result;
  try {
    int number = batch.firstNumber;
    for (std::vector<std::string>& contact : batch.contacts) {
      converter_.convertInPlace(contact, number++);
    }
    result.contacts = std::move(batch.contacts);
  } catch (...) {
    result.error = std::current_exception();
  }
  return result;
}

void ConversionPipeline::work() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || !batches_.empty(); });
    if (stopping_) return;
    Batch batch = std::move(batches_.front());
    batches_.pop_front();
    lock.unlock();
    Result result = convert(batch);
    lock.lock();
    results_.push_back(std::move(result));
    changed_.notify_all();
  }
}

}  // namespace palvren
