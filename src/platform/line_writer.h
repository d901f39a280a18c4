#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/file_io.h"
#include "platform/output_folder.h"

namespace palvren {

// Writes text lines, each followed by CR LF, into a fresh hidden file of the target folder;
// commit moves the whole file into place, so that a name never holds half a file and an earlier
// file of that name stays intact until then. Every failure of a write, flush, close or move is
// thrown as an OperationError naming the target file.
//
// A writer dropped without commit (after a failure, or when the run is abandoned) removes what
// it wrote.
class LineWriter {
 public:
  // Where the lines are written until commit: a fresh hidden file, moved into place whole; or,
  // where no file has the name, the file of that name itself, created exclusively (one file
  // among many, where the move would cost as much as the writing; it is removed if the writer is
  // dropped, but a crash of the whole machine may leave it short).
  enum class Placement { Temporary, InPlaceWhereFree };

  // A file named name in folder, which must outlive the writer.
  LineWriter(const OutputFolder& folder, std::string name, FileIo& io = systemFileIo(),
             Placement placement = Placement::Temporary);
  // A file at path, in a folder the user chose.
  explicit LineWriter(const std::string& path, FileIo& io = systemFileIo());
  ~LineWriter();
  LineWriter(const LineWriter&) = delete;
  LineWriter& operator=(const LineWriter&) = delete;

  void writeLine(std::string_view line);
  void writeText(std::string_view bytes);

  // Moves the lines into place, replacing an earlier file of the name.
  void commit();
  // Moves the lines to another name of the folder, only when nothing at all stands there.
  // Returns 0, or the errno value (EEXIST when the name is taken); the lines then stay ready
  // for another commit.
  int commitAs(const std::string& name);

  // The full path of the target.
  std::string path() const { return folder_->pathOf(name_); }
  const OutputFolder& folder() const { return *folder_; }

 private:
  void open(Placement placement);
  void flush();
  void writeOut(const char* data, std::size_t size);
  void close();
  void settle();

  FileIo& io_;
  std::optional<OutputFolder> ownFolder_;
  const OutputFolder* folder_;
  std::string name_;
  std::string temporary_;
  int fd_ = -1;
  int pendingSlot_ = -1;
  bool committed_ = false;
  bool inPlace_ = false;
  std::string buffer_;
};

}  // namespace palvren
