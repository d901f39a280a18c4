#include <algorithm>
#include <array>
#include <cstdint>

#include "vcard/mapped_csv.h"

namespace palvren {

namespace {

// Google Contacts' own "Google CSV" export, in the layout its exports have today (seen in
// exports people keep beside their code, 2024-2026): First Name, Middle Name, Last Name, the
// phonetic names, Name Prefix, Name Suffix, Nickname, File As, Organization Name / Title /
// Department, Birthday, Notes, Photo, Labels, then numbered "E-mail n - Label / Value",
// "Phone n - Label / Value", "Address n - Label / Formatted / Street / City / PO Box / Region /
// Postal Code / Country / Extended Address" and "Website n - Label / Value" groups.
std::string_view googleLabel(const MappedContact::Typed& typed, bool website) {
  static constexpr std::pair<std::string_view, std::string_view> kLabels[] = {
      {"home", "Home"},         {"work", "Work"},         {"mobile", "Mobile"},
      {"work fax", "Work Fax"}, {"home fax", "Home Fax"}, {"fax", "Other Fax"},
      {"pager", "Pager"}};
  if (website && typed.kind == "home") return "Home Page";
  for (const auto& [kind, label] : kLabels) {
    if (kind == typed.kind) return label;
  }
  return "Other";
}

// The most of each numbered group one contact writes; the rest go to its notes.
constexpr std::size_t kGoogleGroupLimit = 10;

// How many numbered groups of each kind the header has: the most any contact needs, at least
// one, at most kGoogleGroupLimit.
struct GoogleGroups {
  std::size_t emails = 1, phones = 1, addresses = 1, websites = 1;
};

void widenGroups(GoogleGroups& groups, const MappedContact& c) {
  auto widen = [](std::size_t& count, std::size_t needed) {
    count = std::max(count, std::min(needed, kGoogleGroupLimit));
  };
  widen(groups.emails, c.emails.size());
  widen(groups.phones, c.phones.size());
  widen(groups.addresses, c.addresses.size());
  widen(groups.websites, c.websites.size());
}

// Columns with no property ("Phonetic …", "Photo", "Labels") are written empty.
constexpr ColumnField kGoogleColumns[] = {
    {"First Name", "N", kGiven, ""},
    {"Middle Name", "N", kAdditional, ""},
    {"Last Name", "N", kFamily, ""},
    {"Phonetic First Name", "", kWhole, ""},
    {"Phonetic Middle Name", "", kWhole, ""},
    {"Phonetic Last Name", "", kWhole, ""},
    {"Name Prefix", "N", kPrefix, ""},
    {"Name Suffix", "N", kSuffix, ""},
    {"Nickname", "NICKNAME", kWhole, ""},
    {"File As", "FN", kWhole, ""},
    {"Organization Name", "ORG", kOrganization, ""},
    {"Organization Title", "TITLE", kWhole, ""},
    {"Organization Department", "ORG", kUnit, ""},
    {"Birthday", "BDAY", kWhole, ""},
    {"Notes", "NOTE", kWhole, ""},
    {"Photo", "", kWhole, ""},
    {"Labels", "", kWhole, ""},
};

// One group of each kind, "#" standing for its number; a group's label says its kind.
constexpr ColumnField kGoogleGroupColumns[] = {
    {"E-mail # - Label", "EMAIL", kLabel, ""},
    {"E-mail # - Value", "EMAIL", kWhole, ""},
    {"Phone # - Label", "TEL", kLabel, ""},
    {"Phone # - Value", "TEL", kWhole, ""},
    {"Address # - Label", "ADR", kLabel, ""},
    {"Address # - Formatted", "ADR", kWhole, ""},
    {"Address # - Street", "ADR", kStreet, ""},
    {"Address # - City", "ADR", kCity, ""},
    {"Address # - PO Box", "ADR", kPoBox, ""},
    {"Address # - Region", "ADR", kRegion, ""},
    {"Address # - Postal Code", "ADR", kPostalCode, ""},
    {"Address # - Country", "ADR", kCountry, ""},
    {"Address # - Extended Address", "ADR", kExtended, ""},
    {"Website # - Label", "URL", kLabel, ""},
    {"Website # - Value", "URL", kWhole, ""},
};

std::vector<std::string> googleHeader(const GoogleGroups& groups) {
  std::vector<std::string> header;
  for (const ColumnField& column : kGoogleColumns) header.emplace_back(column.column);
  auto numbered = [&header](std::string_view property, std::size_t count) {
    for (std::size_t i = 1; i <= count; ++i) {
      for (const ColumnField& column : kGoogleGroupColumns) {
        if (column.property != property) continue;
        std::string name(column.column);
        name.replace(name.find('#'), 1, std::to_string(i));
        header.push_back(std::move(name));
      }
    }
  };
  numbered("EMAIL", groups.emails);
  numbered("TEL", groups.phones);
  numbered("ADR", groups.addresses);
  numbered("URL", groups.websites);
  return header;
}

// What of a contact the numbered groups have no room for, one "Label: value" line each.
std::vector<std::string> googleOverflow(const MappedContact& c) {
  std::vector<std::string> lines;
  auto overflow = [&lines](const MappedContact::TypedList& list, bool website, bool address) {
    for (std::size_t i = kGoogleGroupLimit; i < list.size(); ++i) {
      const std::string value = address ? formattedAddress(list[i].parts) : list[i].parts[0];
      lines.push_back(std::string(googleLabel(list[i], website)) + ": " + value);
    }
  };
  overflow(c.emails, false, false);
  overflow(c.phones, false, false);
  overflow(c.addresses, false, true);
  overflow(c.websites, true, false);
  return lines;
}

// A row as one contact writes it, without the empty groups other contacts need: where each
// kind's groups end, and how many the contact filled.
struct HeldRow {
  std::string text;
  std::array<std::uint32_t, 4> ends{};
  std::array<std::uint8_t, 4> shown{};
};

// Cells of one group of each kind: e-mail, telephone, address, web site.
constexpr std::array<std::size_t, 4> kGroupCells = {2, 2, 9, 2};

// Makes the rows of contacts as Google's format holds them, reusing its buffers row after row.
class GoogleRowMaker {
 public:
  HeldRow rowOf(const MappedContact& c, std::size_t& moved) {
    const bool hasN = std::any_of(c.name.begin(), c.name.end(), [](auto& p) { return !p.empty(); });
    overflow_ = googleOverflow(c);
    moved += overflow_.size();
    row_.clear();
    row_ << (hasN ? c.name[kGiven] : c.formattedName) << c.name[kAdditional] << c.name[kFamily];
    row_.skip(3);  // phonetic names
    row_ << c.name[kPrefix] << c.name[kSuffix] << c.nickname
         << (hasN && fnDiffersFromName(c, text_) ? c.formattedName : "") << c.organization
         << c.title << c.department << c.birthday << notesOf(c, overflow_, notes_);
    row_.skip(2);  // photo, labels
    HeldRow held;
    typedCells(held, 0, c.emails, false);
    typedCells(held, 1, c.phones, false);
    const std::size_t addresses = std::min(c.addresses.size(), kGoogleGroupLimit);
    for (std::size_t i = 0; i < addresses; ++i) {
      const std::vector<std::string>& parts = c.addresses[i].parts;
      formatAddress(parts, text_);
      row_ << googleLabel(c.addresses[i], false) << text_ << parts[kStreet] << parts[kCity]
           << parts[kPoBox] << parts[kRegion] << parts[kPostalCode] << parts[kCountry]
           << parts[kExtended];
    }
    endGroups(held, 2, addresses);
    typedCells(held, 3, c.websites, true);
    held.text = row_.view();
    return held;
  }

 private:
  void endGroups(HeldRow& held, std::size_t kind, std::size_t shown) const {
    held.ends[kind] = static_cast<std::uint32_t>(row_.size());
    held.shown[kind] = static_cast<std::uint8_t>(shown);
  }
  void typedCells(HeldRow& held, std::size_t kind, const MappedContact::TypedList& list,
                  bool website) {
    const std::size_t shown = std::min(list.size(), kGoogleGroupLimit);
    for (std::size_t i = 0; i < shown; ++i)
      row_ << googleLabel(list[i], website) << list[i].parts[0];
    endGroups(held, kind, shown);
  }

  CsvRow row_;
  std::string text_, notes_;
  std::vector<std::string> overflow_;
};

// The held row with the empty groups the header has beyond the contact's own.
void widenRow(const HeldRow& held, const GoogleGroups& groups, std::string& row) {
  const std::array<std::size_t, 4> counts = {groups.emails, groups.phones, groups.addresses,
                                             groups.websites};
  row.clear();
  std::size_t from = 0;
  for (std::size_t kind = 0; kind < counts.size(); ++kind) {
    row.append(held.text, from, held.ends[kind] - from);
    row.append(kGroupCells[kind] * (counts[kind] - held.shown[kind]), ',');
    from = held.ends[kind];
  }
  row.append(held.text, from);
}

class GoogleRows : public MappedRows {
 public:
  void add(const MappedContact& contact) override {
    widenGroups(groups_, contact);
    rows_.push_back(maker_.rowOf(contact, moved_));
  }
  std::size_t size() const override { return rows_.size(); }
  void write(const CsvLineSink& sink) const override {
    sink(csvLine(googleHeader(groups_)));
    std::string row;
    for (const HeldRow& held : rows_) {
      widenRow(held, groups_, row);
      sink(row);
    }
  }

 private:
  GoogleGroups groups_;
  std::vector<HeldRow> rows_;
  GoogleRowMaker maker_;
};

}  // namespace

std::span<const ColumnField> googleColumns() { return kGoogleColumns; }
std::span<const ColumnField> googleGroupColumns() { return kGoogleGroupColumns; }

std::unique_ptr<MappedRows> googleRows() { return std::make_unique<GoogleRows>(); }

}  // namespace palvren
