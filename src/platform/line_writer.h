#pragma once

#include <string>
#include <string_view>

namespace palvren {

// Writes text lines, each followed by CR LF. Every failure of a write, flush or close is thrown
// as an OperationError naming the file.
//
// A writer dropped without commit (after a failure) removes what it wrote, so no half-written
// file is left behind.
//
// In replacing mode the lines go to a temporary file beside the target, which commit() moves
// into place in one step; until then an earlier file of that name stays intact.
class LineWriter {
 public:
  enum class Mode { Direct, ReplaceOnCommit };

  explicit LineWriter(const std::string& path, Mode mode = Mode::Direct);
  ~LineWriter();
  LineWriter(const LineWriter&) = delete;
  LineWriter& operator=(const LineWriter&) = delete;

  void writeLine(std::string_view line);
  void writeText(std::string_view bytes);
  void commit();

  // The name the lines are written under until commit.
  const std::string& writtenPath() const { return writtenPath_; }

  // Replacing mode where a file of that name exists already (so a failure leaves the earlier
  // file intact), direct writing otherwise.
  static Mode keepingEarlierFile(const std::string& path);

  // The temporary name used for a target path in replacing mode.
  static std::string temporaryPathFor(const std::string& path);

 private:
  void flush();
  void writeOut(const char* data, std::size_t size);

  std::string path_;
  std::string writtenPath_;
  Mode mode_;
  int fd_ = -1;
  std::string buffer_;
};

// A test seam: makes every write of any LineWriter fail with "No space left on device" once
// the given number of bytes has been written in all, as a full disk would.
namespace write_fault {
void failAfterBytes(long long bytes);
void disarm();
}  // namespace write_fault

}  // namespace palvren
