#pragma once

#include "redundancy/check_options.h"
#include "vcard/csv_columns.h"
#include "vcard/export_formats.h"
#include "vcard/naming.h"
#include "vcard/vcard_version.h"

namespace palvren {

enum class RunMode { Split, Recombine, Merge, Export, Import };

// What to do where an earlier result stands: ask the person, write fresh (a numbered folder or
// file), or reuse (add to the folder, replace the file).
enum class EarlierPolicy { Ask, WriteFresh, Reuse };

// Everything a run was asked to do, read once when it starts and passed down from there.
struct RunOptions {
  RunMode mode = RunMode::Split;
  NamingMode naming = NamingMode::Numeric;
  bool check = false;  // the redundancy check
  CheckOptions checkOptions;
  ExportFormat format = ExportFormat::Raw;
  EarlierPolicy earlierResults = EarlierPolicy::Ask;
  // The form of the vCards Split, Recombine and Merge write; Import writes 3.0 for AsRead.
  VcardVersion vcardVersion = VcardVersion::AsRead;
  // The columns an import reads.
  ColumnSet columns = ColumnSet::Auto;
};

}  // namespace palvren
