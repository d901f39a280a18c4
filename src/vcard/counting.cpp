#include "vcard/counting.h"

#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/line_reader.h"
#include "vcard/block_rules.h"
#include "vcard/merge_recombine.h"

namespace palvren {

namespace {
// Lines read between two yields while counting, so that the window repaints in time.
constexpr long long kLinesPerYield = 4096;

// The split's blocks as they go by: each from a contact start through its END line, refused
// past the limits the writer numbers.
class SplitSurveyor {
 public:
  SplitSurveyor(SplitSurvey& survey, const std::string& path) : survey_(survey), path_(path) {}

  void see(std::string_view line) {
    if (!survey_.refusal.empty()) return;
    try {
      if (!inBlock_) {
        if (!isContactBegin(line)) return;
        checkFileContacts(++survey_.blocks, path_);
        lines_ = 0;
        inBlock_ = !isSplitEnd(line);
        return;
      }
      checkContactLines(++lines_, survey_.blocks, path_);
      inBlock_ = !isSplitEnd(line);
    } catch (const OperationError& refused) {
      survey_.refusal = refused.message();
    }
  }

 private:
  SplitSurvey& survey_;
  const std::string& path_;
  bool inBlock_ = false;
  long long lines_ = 0;
};

}  // namespace

int countContacts(const std::optional<OpenInput>& input, RunProgress& ui, FileIo& io,
                  SplitSurvey* survey) {
  int count = 0;
  if (input) {
    ui.setStatus(Message(PALVREN_TEXT("Run", "Verifying Input File...")));
    ui.yield();
    LineReader reader(*input, io);
    reader.shortenLongLines();
    SplitSurvey ignored;
    SplitSurveyor surveyor(survey ? *survey : ignored, input->path());
    std::string_view line;
    for (long long lines = 1; reader.readLine(line); ++lines) {
      if (isContactBegin(line)) ++count;
      if (survey) surveyor.see(line);
      if (lines % kLinesPerYield == 0) ui.yield();
    }
  }
  ui.setCount(Message(PALVREN_COUNTED_TEXT("Run", "vCard Count = %n Cards"), count));
  return count;
}

SplitSurvey surveySplit(const OpenInput& input, FileIo& io) {
  SplitSurvey survey;
  SplitSurveyor surveyor(survey, input.path());
  LineReader reader(input, io);
  reader.shortenLongLines();
  std::string_view line;
  while (survey.refusal.empty() && reader.readLine(line)) surveyor.see(line);
  return survey;
}

int countVcfFiles(const std::string& folder) {
  if (!folderExists(folder)) return 0;
  int count = 0;
  for (const std::string& file : listFiles(folder)) {
    if (hasVcfExtension(file) && !isCombinedFileName(fileNameOf(file))) ++count;
  }
  return count;
}

}  // namespace palvren
