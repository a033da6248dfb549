#pragma once

// A table made by hand for the writers: a record time, a level and a remark per record, with
// the texts a log file's table would show for them.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "outputs/table.hpp"
#include "outputs/text_format.hpp"

namespace pelcon::outputs::testing {

// Midnight of 2009-03-15 is Julian day 2454905.5 (Modified Julian Day 54905); 14:30 is 29/48 of a
// day later.
inline constexpr double kMarch15At1430 = 2454905.5 + 29.0 / 48.0;

struct FakeRecord {
  double julian = kMarch15At1430;
  std::string timeText = "03/15/09 14:30:00";  // as the table shows it
  std::optional<double> level;                 // nothing: an empty cell
  // In the table's encoding. A text column of a real table has the same text in every record;
  // the CSV writer does not rely on that, and the workbook and NetCDF tests leave it empty.
  std::string remark;
};

class FakeRecords : public TableRecords {
 public:
  explicit FakeRecords(std::vector<FakeRecord> records) : records_(std::move(records)) {}

  std::size_t Count() const override { return records_.size(); }

  std::unique_ptr<TableCursor> NewCursor() const override {
    return std::make_unique<Cursor>(records_);
  }

 private:
  class Cursor : public TableCursor {
   public:
    explicit Cursor(const std::vector<FakeRecord>& records) : records_(records) {}

    bool Select(std::size_t record) override {
      current_ = record < records_.size() ? &records_[record] : nullptr;
      return current_ != nullptr;
    }

    CellValue Value(std::size_t column) override {
      switch (column) {
        case 0:
          return RecordTime();
        case 1:
          if (current_->level) return {CellValue::Type::kNumber, *current_->level, nullptr};
          return {};
        default:
          return {CellValue::Type::kText, 0.0, &current_->remark};
      }
    }

    CellValue RecordTime() const override {
      return {CellValue::Type::kDateTime, current_->julian, nullptr};
    }

    void AppendCellText(std::size_t column, std::string& out) override {
      switch (column) {
        case 0:
          out.append(current_->timeText);
          break;
        case 1:
          if (current_->level) out.append(DecimalText(*current_->level, 2, false));
          break;
        default:
          out.append(current_->remark);
          break;
      }
    }

   private:
    const std::vector<FakeRecord>& records_;
    const FakeRecord* current_ = nullptr;
  };

  std::vector<FakeRecord> records_;
};

// A record the minutes after 2009-03-15 14:30.
inline FakeRecord Record(std::optional<double> level, std::string remark = {}, int minutes = 0) {
  FakeRecord record;
  record.julian = kMarch15At1430 + minutes / 1440.0;
  record.level = level;
  record.remark = std::move(remark);
  return record;
}

// The columns of the fake records: "Time", "Level (m)" with two decimals, then "Remark".
inline TableDescription FakeDescription(TextEncoding encoding = TextEncoding::kUtf8) {
  TableDescription table;
  table.textEncoding = encoding;
  table.columns.resize(3);
  table.columns[0].title = "Time";
  table.columns[0].kind = ColumnKind::kRecordTime;
  table.columns[0].plainText = true;
  table.columns[1].title = "Level (m)";
  table.columns[1].units = "m";
  table.columns[1].decimals = 2;
  table.columns[1].plainText = true;
  table.columns[2].title = "Remark";
  table.columns[2].kind = ColumnKind::kText;
  table.headerText = "\"Unit name:\",WELL 7\n";
  table.sourceName = "well.bin";
  table.version = "1.3.0.2";
  table.convertedAt = "2009-03-16T08:00:00";
  return table;
}

// Records one minute apart from 2009-03-15 14:30 with level k/4 m and no remark.
inline std::vector<FakeRecord> MinuteRecords(std::size_t count) {
  std::vector<FakeRecord> records(count);
  for (std::size_t k = 0; k < count; ++k) {
    records[k].julian = kMarch15At1430 + static_cast<double>(k) / 1440;
    records[k].level = static_cast<double>(k) / 4;
  }
  return records;
}

}  // namespace pelcon::outputs::testing
