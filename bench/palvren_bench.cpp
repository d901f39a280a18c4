// Times the operations on the largest inputs the program accepts (32767 contacts), each beside a
// plain loop doing the same file work, and prints the figures. Usage: palvren_bench [folder]
#include <fcntl.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "contact_generator.h"
#include "platform/file_system.h"
#include "platform/large_pages.h"
#include "platform/line_reader.h"
#include "redundancy/cleaner.h"
#include "redundancy/contact_model.h"
#include "redundancy/identical_pass.h"
#include "redundancy/prompt_context.h"
#include "redundancy/redundancy_run.h"
#include "redundancy/similar_pass.h"
#include "vcard/counting.h"
#include "vcard/csv_export.h"
#include "vcard/csv_import.h"
#include "vcard/mapped_export.h"
#include "vcard/merge_recombine.h"
#include "vcard/split_writer.h"

namespace palvren::bench {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

// Answers everything at once: Yes, "Keep Option 1" (or the answer given), numeric names, two
// passes.
class BenchUi : public CheckInterface {
 public:
  void setStatus(const Message& message) override {
    if (!watchCadence) return;
    const std::string text = message.english();
    // One phase per status text, its counter left out: "PASS 1 - Checking Redundancies".
    phase = text.rfind("PASS", 0) == 0 ? text.substr(0, 6)
                                       : text.substr(0, text.find_first_of("0123456789"));
    if (gaps.empty() || gaps.back().first != phase) gaps.emplace_back(phase, 0.0);
  }
  void setCount(const Message&) override {}
  void yield() override {
    if (!watchCadence) return;
    const auto now = Clock::now();
    if (!gaps.empty()) {
      gaps.back().second = std::max(gaps.back().second, seconds(lastYield));
    }
    lastYield = now;
  }
  // The longest time between two yields in each phase, in the order the phases came.
  void printCadence() const {
    for (const auto& [name, gap] : gaps) {
      std::printf("    longest gap between yields in \"%s\": %.1f ms\n", name.c_str(), gap * 1000);
    }
  }
  void showMessage(const Message&, const Message&, MessageIcon) override {}
  bool askYesNo(const Message&, const Message&) override { return true; }
  // Two passes under the rule.
  CheckOptions options() const { return {RedundancyMode::Pass1And2, rule}; }
  ConflictDecision askConflict(const PromptContext&) override {
    ++conflicts;
    return answer;
  }
  ConflictChoice answer = ConflictChoice::KeepOption1;
  int conflicts = 0;
  MatchRule rule;
  bool watchCadence = false;
  std::string phase;
  std::vector<std::pair<std::string, double>> gaps;
  Clock::time_point lastYield = Clock::now();
};

double timed(const std::function<void()>& work) {
  auto start = Clock::now();
  work();
  return seconds(start);
}

// The process's resident size now ("VmRSS:") or at its peak so far ("VmHWM:"), in kB.
long statusKb(const char* field = "VmRSS:") {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::strlen(field)));
  }
  return 0;
}
long residentKb() { return statusKb(); }

// Runs work in a child process, so that its peak memory is its own; prints the peak above the
// child's starting size.
void inChild(const char* name, const std::function<void()>& work) {
  std::fflush(stdout);
  ::sync();  // start each measurement without the previous one's writes still in flight
  pid_t child = fork();
  if (child == 0) {
    long before = residentKb();
    work();
    std::printf("    [%s: resident at start %.1f MB]\n", name, before / 1024.0);
    std::fflush(stdout);
    _exit(0);
  }
  int status = 0;
  struct rusage usage {};
  wait4(child, &status, 0, &usage);
  std::printf("    [%s: peak resident %.1f MB]\n", name, usage.ru_maxrss / 1024.0);
}

double megabytes(const std::string& path) { return double(fs::file_size(path)) / (1024 * 1024); }

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string readFile(const std::string& path) {
  std::string bytes(fs::file_size(path), '\0');
  int fd = ::open(path.c_str(), O_RDONLY);
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (got <= 0) break;
    done += std::size_t(got);
  }
  ::close(fd);
  return bytes;
}

void writeWithPlainLoop(const std::string& path, const std::string& bytes) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (::write(fd, bytes.data(), bytes.size()) < 0) std::perror("write");
  ::close(fd);
}

std::vector<std::string> rawBlocks(const std::string& file) {
  std::vector<std::string> blocks;
  std::size_t start = 0;
  while ((start = file.find("BEGIN:VCARD\r\n", start)) != std::string::npos) {
    std::size_t end = file.find("END:VCARD\r\n", start) + 11;
    blocks.push_back(file.substr(start, end - start));
    start = end;
  }
  return blocks;
}

void benchSplit(const std::string& folder, const std::string& input) {
  std::printf("Split of %s (%.1f MB)\n", fs::path(input).filename().c_str(), megabytes(input));
  fs::remove_all(fs::path(input).parent_path() / "Split-vCards");
  // The file system's speed drifts: alternate the two, each into a fresh folder, three times.
  for (int round = 1; round <= 3; ++round) {
    inChild("plain loop", [&] {
      const auto blocks = rawBlocks(readFile(input));
      fs::create_directories(folder + "/plain");
      double reference = timed([&] {
        for (std::size_t i = 0; i < blocks.size(); ++i) {
          writeWithPlainLoop(folder + "/plain/contact" + std::to_string(i + 1) + ".vcf", blocks[i]);
        }
      });
      std::printf("  round %d: plain loop creating %zu files of the same sizes: %.3f s\n", round,
                  blocks.size(), reference);
    });
    inChild("split", [&] {
      BenchUi ui;
      int written = 0;
      // As a run does it: the count, which also takes the split's survey, then the split,
      // which reads its input once more.
      SplitSurvey survey;
      const double count =
          timed([&] { countContacts(OpenInput(input), ui, systemFileIo(), &survey); });
      const double split = timed([&] {
        written = splitContacts(OpenInput(input), ui, NamingMode::Numeric, systemFileIo(), {},
                                nullptr, &survey)
                      .count;
      });
      std::printf(
          "  round %d: splitContacts: %d files in %.3f s, %.0f contacts/s (the count before it: "
          "%.3f s)\n",
          round, written, split, written / split, count);
    });
    // Writing as vCard 3.0 beside a plain split of the same round, in one process.
    inChild("split as vCard 3.0", [&] {
      BenchUi ui;
      const fs::path out = fs::path(input).parent_path() / "Split-vCards";
      fs::remove_all(out);
      const double plain = timed([&] { splitContacts(OpenInput(input), ui, NamingMode::Numeric); });
      fs::remove_all(out);
      ContactConverter converter(VcardVersion::V30);
      int written = 0;
      const double converted = timed([&] {
        written =
            splitContacts(OpenInput(input), ui, NamingMode::Numeric, systemFileIo(), {}, &converter)
                .count;
      });
      std::printf(
          "  round %d: splitContacts writing vCard 3.0: %d files in %.3f s, %.2fx the "
          "plain split (%.3f s)\n",
          round, written, converted, converted / plain, plain);
    });
    fs::remove_all(folder + "/plain");
    if (round < 3) fs::remove_all(fs::path(input).parent_path() / "Split-vCards");
  }
}

void benchExport(const std::string& input) {
  std::printf("Export of %s (%.1f MB)\n", fs::path(input).filename().c_str(), megabytes(input));
  const std::string csv = (fs::path(input).parent_path() / "Split-vCards/Contacts_Export.csv");
  for (int round = 1; round <= 3; ++round) {
    inChild("export", [&] {
      std::string output;
      int rows = 0;
      double time = timed([&] {
        const Written written = exportContactsToCsv(OpenInput(input));
        rows = written.count;
        output = written.path;
      });
      std::printf("  round %d: exportContactsToCsv: %d rows in %.3f s, CSV %.1f MB\n", round, rows,
                  time, megabytes(output));
      for (ExportFormat format : {ExportFormat::Google, ExportFormat::Outlook}) {
        double mapped = timed([&] {
          const Written written = exportMappedCsv(OpenInput(input), format);
          rows = written.count;
          output = written.path;
        });
        std::printf("  round %d: exportMappedCsv (%s): %d rows in %.3f s, CSV %.1f MB, %.2fx raw\n",
                    round, exportFormatInfo(format).title.source, rows, mapped, megabytes(output),
                    mapped / time);
      }
    });
    // Each CSV read back into vCard 3.0, in a process of its own whose peak, taken before the
    // raw export of the same round is timed beside it, is the import's.
    for (ExportFormat format : {ExportFormat::Raw, ExportFormat::Google, ExportFormat::Outlook}) {
      inChild("import", [&] {
        const long start = residentKb();
        const fs::path written =
            fs::path(input).parent_path() / "Split-vCards" / exportFormatInfo(format).fileName;
        int contacts = 0;
        const double imported = timed([&] {
          const CsvTable table = readImportTable(OpenInput(written), ColumnSet::Auto);
          const ColumnMapping mapping = *mapColumns(table.header, ColumnSet::Auto);
          ContactConverter converter(VcardVersion::V30);
          ImportLog log;
          contacts =
              importRows(table, mapping, converter, log, written.parent_path().string() + "/")
                  .count;
        });
        const long peak = statusKb("VmHWM:");
        const double time = timed([&] { exportContactsToCsv(OpenInput(input)); });
        std::printf(
            "  round %d: importRows of %s: %d contacts in %.3f s, %.2fx the raw export; peak "
            "resident %.1f MB above its start for a CSV of %.1f MB\n",
            round, written.filename().c_str(), contacts, imported, imported / time,
            (peak - start) / 1024.0, megabytes(written.string()));
      });
    }
    inChild("floor", [&] {
      const std::string bytes = readFile(csv);
      double plain = timed([&] { writeWithPlainLoop(csv + ".copy", bytes); });
      std::printf("  round %d: writing the same CSV bytes from memory: %.3f s\n", round, plain);
      fs::remove(csv + ".copy");
    });
  }
}

void benchRecombine(const std::string& splitFolder) {
  std::printf("Recombine of %s\n", splitFolder.c_str());
  inChild("plain loop", [&] {
    double plain = timed([&] {
      std::string all;
      for (const std::string& file : listFiles(splitFolder)) {
        if (hasVcfExtension(file)) all += readFile(file) + "\r\n";
      }
      writeWithPlainLoop(splitFolder + "/../plain-combined.vcf", all);
    });
    std::printf("  plain loop reading every file and writing one: %.3f s\n", plain);
  });
  inChild("recombine", [&] {
    BenchUi ui;
    std::string output;
    int files = 0;
    double time = timed([&] { files = recombineFolder(splitFolder + "/", ui).count; });
    std::printf("  recombineFolder: %d files in %.3f s\n", files, time);
    fs::remove(output);
  });
}

void benchPasses(const std::string& input) {
  std::printf("Load, clean and pass 1 of %s (%.1f MB)\n", fs::path(input).filename().c_str(),
              megabytes(input));
  inChild("line reader", [&] {
    double read = timed([&] {
      LineReader reader(input);
      std::string_view line;
      std::size_t lines = 0;
      while (reader.readLine(line)) ++lines;
      std::printf("  lines: %zu\n", lines);
    });
    std::printf("  reading with the line reader alone: %.3f s\n", read);
  });
  inChild("whole file", [&] {
    std::string bytes;
    double copy = timed([&] { bytes = readFile(input); });
    std::printf(
        "  reading the whole file into memory (what any loader that keeps it pays): %.3f s\n",
        copy);
  });
  inChild("load, clean, pass 1, pass 2", [&] {
    BenchUi ui;
    ContactTable table(1);
    ContactList list;
    double load = timed([&] { loadContacts(input, list, table); });
    std::printf("  loadContacts: %.3f s (%d contacts), resident %.1f MB\n", load, list.size(),
                residentKb() / 1024.0);
    double clean = timed([&] { cleanContacts(table); });
    std::printf("  cleanContacts: %.3f s\n", clean);
    int removed = 0;
    double pass1 = timed([&] { removed = removeIdenticalContacts(list, table, ui); });
    std::printf("  removeIdenticalContacts: %.3f s, %d removed\n", pass1, removed);
    double pass2 = timed([&] { removed = mergeSimilarContacts(list, table, ui, ui.rule); });
    std::printf("  mergeSimilarContacts (no prompt needed): %.3f s, %d removed, %d questions\n",
                pass2, removed, ui.conflicts);
  });
}

void benchRedundancyRun(const std::string& input, int rounds);

// A merge of three files with the check, two passes, beside a split with the check of the same
// contacts in one file (the check's own cost is the floor).
void benchMergeWithCheck(const std::string& input) {
  std::printf("Merge with the check of %s cut into three files\n",
              fs::path(input).filename().c_str());
  const auto blocks = rawBlocks(readFile(input));
  const fs::path folder = fs::path(input).parent_path() / "three";
  fs::create_directories(folder);
  std::vector<std::string> parts;
  for (int part = 0; part < 3; ++part) {
    std::string bytes;
    for (std::size_t i = part; i < blocks.size(); i += 3) bytes += blocks[i];
    parts.push_back((folder / ("part" + std::to_string(part) + ".vcf")).string());
    writeFile(parts.back(), bytes);
  }
  for (int round = 1; round <= 2; ++round) {
    inChild("split with the check", [&] {
      BenchUi ui;
      std::string output;
      double time = timed([&] {
        splitWithRedundancyCheck(OpenInput(input), ui, ui.options(), NamingMode::Numeric);
      });
      std::printf("  round %d: splitWithRedundancyCheck of the one file: %.3f s\n", round, time);
    });
    fs::remove_all(fs::path(input).parent_path() / "Split-vCards");
    inChild("merge with the check", [&] {
      BenchUi ui;
      JoinSummary summary;
      int written = 0;
      std::string target = (folder / "joined.vcf").string();
      double time = timed([&] {
        written = joinWithRedundancyCheck(parts, target, ui, ui.options(), summary).count;
      });
      std::printf("  round %d: joinWithRedundancyCheck of the three: %.3f s, %d contacts written\n",
                  round, time, written);
    });
  }
  fs::remove_all(folder);
}

// Pass 2 alone, after loading, cleaning and pass 1, on one shape of address book.
void benchPass2(const std::string& input, ConflictChoice answer, bool tolerant = false) {
  inChild(tolerant ? "pass 2, tolerant" : "pass 2, exact", [&] {
    BenchUi ui;
    ui.answer = answer;
    ui.rule.tolerant = tolerant;
    ui.rule.countryCode = tolerant ? "44" : "";
    ContactTable table(1);
    ContactList list;
    loadContacts(input, list, table);
    cleanContacts(table);
    removeIdenticalContacts(list, table, ui);
    const int contacts = list.size();
    int removed = 0;
    double pass2 = timed([&] { removed = mergeSimilarContacts(list, table, ui, ui.rule); });
    std::printf("  mergeSimilarContacts (%s) on %d contacts: %.3f s, %d removed, %d questions\n",
                tolerant ? "tolerant" : "exact", contacts, pass2, removed, ui.conflicts);
  });
}

void benchShapes(const std::string& folder) {
  const std::pair<const char*, Shape> shapes[] = {
      {"shared-numbers", Shape::SharedNumbers},
      {"shared-address", Shape::SharedAddress},
      {"shared-names", Shape::SharedNames},
  };
  for (const auto& [name, shape] : shapes) {
    GeneratorOptions options;
    options.shape = shape;
    options.photoPercent = 0;
    fs::create_directories(folder + "/" + name);
    const std::string input = folder + "/" + name + "/contacts.vcf";
    writeFile(input, generateContacts(options));
    std::printf("Shape %s (%.1f MB)\n", name, megabytes(input));
    benchPass2(input, ConflictChoice::KeepOption1);
    benchPass2(input, ConflictChoice::KeepOption1, true);
    benchRedundancyRun(input, 1);
    fs::remove_all(folder + "/" + name);
  }
  // Contacts that all match each other, every pair answered Keep Both: each pair must be asked,
  // so this shape stays quadratic by nature; 2000 contacts show its rate.
  GeneratorOptions options;
  options.contacts = 2000;
  options.shape = Shape::SharedNames;
  options.photoPercent = 0;
  fs::create_directories(folder + "/keep-both");
  const std::string input = folder + "/keep-both/contacts.vcf";
  std::string bytes = generateContacts(options);
  for (std::size_t at = 0; (at = bytes.find("TEL;TYPE=CELL:+1 555 ", at)) != std::string::npos;) {
    bytes.replace(at + 21, 7, "1000000");  // every "Ann Lee" and every other name share a number
    at += 28;
  }
  writeFile(input, bytes);
  std::printf("Shape keep-both, all matching one another (exempt: quadratic by nature)\n");
  benchPass2(input, ConflictChoice::KeepBoth);
  fs::remove_all(folder + "/keep-both");
}

void benchRedundancyRun(const std::string& input, int rounds) {
  std::printf("Redundancy run, two passes, of %s (%.1f MB)\n", fs::path(input).filename().c_str(),
              megabytes(input));
  const fs::path out = fs::path(input).parent_path() / "Split-vCards";
  for (int round = 1; round <= rounds; ++round) {
    // In one process, so that each check is set beside the plain split of its round.
    inChild("redundancy run", [&] {
      fs::remove_all(out);
      BenchUi plainUi;
      const double split =
          timed([&] { splitContacts(OpenInput(input), plainUi, NamingMode::Numeric); });
      std::printf("  round %d: plain splitContacts of the same file: %.3f s\n", round, split);
      for (const bool tolerant : {false, true}) {
        fs::remove_all(out);
        BenchUi ui;
        ui.watchCadence = round == 1 && !tolerant;
        ui.rule.tolerant = tolerant;
        ui.rule.countryCode = tolerant ? "44" : "";
        int written = 0;
        const double run = timed([&] {
          written =
              splitWithRedundancyCheck(OpenInput(input), ui, ui.options(), NamingMode::Numeric)
                  .count;
        });
        std::printf(
            "  round %d: splitWithRedundancyCheck (%s): %.3f s, %.2fx the plain split, %d files "
            "written, %d questions answered\n",
            round, tolerant ? "tolerant, country code 44" : "exact", run, run / split, written,
            ui.conflicts);
        if (ui.watchCadence) ui.printCadence();
      }
    });
  }
}

}  // namespace
}  // namespace palvren::bench

int main(int argc, char** argv) {
  // As palvren and palvren-cli start (GLIBC_TUNABLES set beforehand measures without it).
  palvren::restartWithLargePages(argv);
  using namespace palvren::bench;
  std::string folder = argc > 1 ? argv[1] : "";
  if (folder.empty()) {
    char pattern[] = "/tmp/palvren-bench-XXXXXX";
    folder = mkdtemp(pattern);
  }
  fs::create_directories(folder);
  // "shapes" as the second argument measures pass 2 on the three shapes alone, "split" the
  // split beside the plain file loop.
  if (argc > 2 && std::string(argv[2]) == "shapes") {
    benchShapes(folder);
    fs::remove_all(folder);
    return 0;
  }
  // Generated in a child, so that the measuring processes start small.
  auto make = [&](const char* name, GeneratorOptions options) {
    std::string path = folder + "/" + name;
    if (fork() == 0) {
      writeFile(path, generateContacts(options));
      _exit(0);
    }
    int status = 0;
    wait(&status);
    return path;
  };
  const std::string photos = make("photos.vcf", {});
  // "split" as the second argument measures the split against the plain file loop alone.
  if (argc > 2 && std::string(argv[2]) == "split") {
    benchSplit(folder, photos);
    fs::remove_all(folder);
    return 0;
  }
  GeneratorOptions plainOptions;
  plainOptions.photoPercent = 0;
  fs::create_directories(folder + "/nophotos");
  const std::string noPhotos = make("nophotos/plain.vcf", plainOptions);
  // "export" as the second argument measures the exports and the imports of what they wrote.
  if (argc > 2 && std::string(argv[2]) == "export") {
    benchExport(noPhotos);
    benchExport(photos);
    fs::remove_all(folder);
    return 0;
  }
  GeneratorOptions wide;
  wide.shape = Shape::WideNotes;
  wide.photoPercent = 0;
  fs::create_directories(folder + "/wide");
  const std::string wideNotes = make("wide/wide.vcf", wide);
  // "wide" measures the exports and imports of a file of many distinct properties.
  if (argc > 2 && std::string(argv[2]) == "wide") {
    benchExport(wideNotes);
    fs::remove_all(folder);
    return 0;
  }
  GeneratorOptions duplicates;
  duplicates.duplicatePercent = 10;
  fs::create_directories(folder + "/dups");
  const std::string withDuplicates = make("dups/duplicates.vcf", duplicates);
  GeneratorOptions similar = duplicates;
  similar.similarPercent = 5;
  fs::create_directories(folder + "/similar");
  const std::string withSimilar = make("similar/similar.vcf", similar);
  // "check" measures the split with the redundancy check on the photo mix alone.
  if (argc > 2 && std::string(argv[2]) == "check") {
    benchRedundancyRun(withSimilar, 3);
    fs::remove_all(folder);
    return 0;
  }

  benchSplit(folder, photos);
  benchRecombine(folder + "/Split-vCards");
  benchExport(noPhotos);
  benchExport(photos);
  benchExport(wideNotes);
  fs::remove_all(folder + "/wide");
  benchPasses(withDuplicates);
  benchRedundancyRun(withSimilar, 3);
  benchMergeWithCheck(withSimilar);
  benchShapes(folder);
  fs::remove_all(folder);
  return 0;
}
