#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace palvren {

// The column sets an import reads: found from the header, or named.
enum class ColumnSet { Auto, Google, Outlook, Raw };
std::optional<ColumnSet> columnSetNamed(std::string_view name);

// Where the cells of one column go.
struct ImportField {
  ImportField(std::string property = {}, int part = -1, std::string kind = {}, int group = 0,
              bool raw = false)
      : property(std::move(property)), part(part), kind(std::move(kind)), group(group), raw(raw) {}

  std::string property;  // "N", "TEL", ...; "X-CSV-..." for a column no table knows
  int part;              // of a structured value (ADR, N, ORG, BDAY's year/month/day); -1 whole,
                         // -2 a numbered group's label
  std::string kind;      // "home", "work", "mobile", "work fax", "home fax", "fax", "pager" or ""
  int group;             // the numbered group a column belongs to ("E-mail 2 - Value": 2)
  bool raw;              // the header is a vCard tag, the cell its value as written
};

// The name of the column set of Palvren's own raw export.
constexpr char kRawExportColumns[] = "Palvren raw export";

// The fields of a header's columns, and the set that gave them.
struct ColumnMapping {
  std::string setName;  // "Google Contacts", "Outlook", "Thunderbird", "Palvren raw export"; ""
  std::vector<ImportField> fields;
  bool recognised = false;
};

// The mapping of a header. Auto takes the set that knows most of its columns (a raw export when
// every column is a vCard tag); a column the set does not know becomes an X-CSV- property. A
// named set that the header does not match gives no mapping, and missing the columns it lacks.
std::optional<ColumnMapping> mapColumns(const std::vector<std::string>& header, ColumnSet set,
                                        std::vector<std::string>* missing = nullptr);
// The field a header's words suggest ("mail", "phone", "mobile", "street", "city", "zip", ...),
// for a header no set knows: an X-CSV- property when none do.
ImportField guessedField(std::string_view header);
// The X-CSV- name of a header: upper-cased, characters outside A-Z 0-9 - as -.
std::string unknownColumnProperty(std::string_view header);

// The fields a person can choose for a column, with the words that name them.
struct FieldChoice {
  std::string_view label;
  ImportField field;
};
const std::vector<FieldChoice>& fieldChoices();
// How a field is named to a person ("Mobile phone", "Home street").
std::string fieldLabel(const ImportField& field);

}  // namespace palvren
