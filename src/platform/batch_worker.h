#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>

namespace palvren {

// Works through batches on a second thread, in the order they are handed in, while the caller
// fills the next ones. A batch done is handed back to be filled again, so that the storage of a
// few batches serves a whole run and no thread frees what the other made. Destroying the worker
// stops it and waits for it.
template <typename Batch>
class BatchWorker {
 public:
  // Batches in use at once at most: one filled, one worked on, one waiting between them.
  static constexpr std::size_t kBatches = 3;

  explicit BatchWorker(std::function<void(Batch&)> work)
      : work_(std::move(work)), thread_([this] { run(); }) {}
  ~BatchWorker() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
  }
  BatchWorker(const BatchWorker&) = delete;
  BatchWorker& operator=(const BatchWorker&) = delete;

  // A batch to fill, as it was handed back (its contents are the caller's to reuse) or new;
  // waits while every batch is in use. Throws what the work threw.
  Batch take() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return error_ || !done_.empty() || made_ < kBatches; });
    if (error_) std::rethrow_exception(error_);
    if (done_.empty()) {
      ++made_;
      return Batch();
    }
    Batch batch = std::move(done_.front());
    done_.pop_front();
    return batch;
  }

  // The oldest batch handed in, once it is done, for work whose results are taken in order (in
  // place of take()). Throws what the work threw.
  Batch next() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return error_ || !done_.empty(); });
    if (error_) std::rethrow_exception(error_);
    Batch batch = std::move(done_.front());
    done_.pop_front();
    return batch;
  }

  void submit(Batch batch) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      queued_.push_back(std::move(batch));
    }
    changed_.notify_all();
  }

  // Waits until every batch handed in is done. Throws what the work threw.
  void finish() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return error_ || (queued_.empty() && !busy_); });
    if (error_) std::rethrow_exception(error_);
  }

 private:
  void run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
      changed_.wait(lock, [this] { return stopping_ || !queued_.empty(); });
      if (stopping_) return;
      Batch batch = std::move(queued_.front());
      queued_.pop_front();
      busy_ = true;
      lock.unlock();
      std::exception_ptr error;
      try {
        work_(batch);
      } catch (...) {
        error = std::current_exception();
      }
      lock.lock();
      busy_ = false;
      done_.push_back(std::move(batch));
      if (error && !error_) error_ = error;
      changed_.notify_all();
    }
  }

  std::function<void(Batch&)> work_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Batch> queued_, done_;
  std::size_t made_ = 0;
  bool busy_ = false;
  bool stopping_ = false;
  std::exception_ptr error_;
  std::thread thread_;  // last: it starts once everything it uses is made
};

}  // namespace palvren
