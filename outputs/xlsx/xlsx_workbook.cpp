#include "outputs/xlsx/xlsx_workbook.hpp"

#include <xlsxwriter.h>

#include <algorithm>
#include <map>
#include <memory>

#include "datalib/julian_time.hpp"
#include "datalib/utc_offset_text.hpp"
#include "outputs/significant_decimals.hpp"
#include "outputs/typed_format_writer.hpp"

namespace pelcon::outputs {
namespace {

constexpr double kMinimumWidth = 10.0;
constexpr double kDateTimeWidth = 20.0;

class Workbook {
 public:
  Workbook(const TableDescription& series, const TableRecords& records, const std::string& path,
           const std::string& scratchFolder)
      : series_(series), records_(records), scratch_(scratchFolder) {
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = scratch_.data();
    options.use_zip64 = LXW_TRUE;
    workbook_ = workbook_new_opt(path.c_str(), &options);
    if (!workbook_) return;
    dateTime_ = workbook_add_format(workbook_);
    format_set_num_format(dateTime_, "yyyy-mm-dd hh:mm:ss");
    bold_ = workbook_add_format(workbook_);
    format_set_bold(bold_);
  }
  ~Workbook() {
    // Not closed: the library frees it without writing (the partial file is the caller's to
    // remove).
    if (workbook_) lxw_workbook_free(workbook_);
  }

  bool Write(const RecordProgress& progress, std::string& error) {
    if (!workbook_) {
      error = "cannot create the workbook";
      return false;
    }
    const std::size_t count = records_.Count();
    lxw_worksheet* sheet = nullptr;
    std::size_t row = 0;
    for (std::size_t record = 0; record < count; ++record) {
      if (!cursor_->Select(record)) break;
      if (record % kRowsPerSheet == 0) {
        sheet = AddDataSheet(record / kRowsPerSheet);
        if (!sheet) return Failed(LXW_ERROR_MEMORY_MALLOC_FAILED, error);
        row = 0;
      }
      ++row;
      for (std::size_t k = 0; k < series_.columns.size(); ++k) {
        const lxw_error result = WriteCell(sheet, row, k);
        if (result != LXW_NO_ERROR) return Failed(result, error);
      }
      if ((record + 1) % kProgressStep == 0 && !progress(record + 1)) {
        error = "stopped";
        return false;
      }
    }
    if (!sheet && !AddDataSheet(0)) return Failed(LXW_ERROR_MEMORY_MALLOC_FAILED, error);
    if (!progress(count)) {
      error = "stopped";
      return false;
    }
    if (const lxw_error result = WriteHeaderSheet(); result != LXW_NO_ERROR) {
      return Failed(result, error);
    }
    const lxw_error result = workbook_close(workbook_);
    workbook_ = nullptr;
    return result == LXW_NO_ERROR || Failed(result, error);
  }

 private:
  static bool Failed(lxw_error result, std::string& error) {
    error = lxw_strerror(result);
    return false;
  }

  // The format of a number column: its decimals, or the general format when it fixes none.
  lxw_format* NumberFormat(int decimals) {
    if (decimals < 0) return nullptr;
    auto [entry, added] = numberFormats_.emplace(decimals, nullptr);
    if (added) {
      const std::string pattern =
          decimals == 0 ? std::string("0") : "0." + std::string(decimals, '0');
      entry->second = workbook_add_format(workbook_);
      format_set_num_format(entry->second, pattern.c_str());
    }
    return entry->second;
  }

  // The digits after the point the CSV file shows for a number of the column.
  static int Decimals(const TableColumn& column, double number) {
    if (column.significantDigits > 0) return SignificantDecimals(number, column.significantDigits);
    return column.decimals;
  }

  lxw_worksheet* AddDataSheet(std::size_t index) {
    const std::string name = index == 0 ? "Data" : "Data " + std::to_string(index + 1);
    lxw_worksheet* sheet = workbook_add_worksheet(workbook_, name.c_str());
    if (!sheet) return nullptr;
    const std::size_t columns = series_.columns.size();
    for (std::size_t k = 0; k < columns; ++k) {
      const TableColumn& column = series_.columns[k];
      const bool dateTime =
          column.kind == ColumnKind::kDateTime || column.kind == ColumnKind::kRecordTime;
      const double width =
          std::max({kMinimumWidth, column.title.size() + 2.0, dateTime ? kDateTimeWidth : 0.0});
      const auto at = static_cast<lxw_col_t>(k);
      if (worksheet_set_column(sheet, at, at, width, nullptr) != LXW_NO_ERROR) return nullptr;
      const std::string title = Utf8Text(series_, column.title);
      if (worksheet_write_string(sheet, 0, at, title.c_str(), bold_) != LXW_NO_ERROR) {
        return nullptr;
      }
    }
    worksheet_freeze_panes(sheet, 1, 0);
    if (columns > 0) {
      const std::size_t records = records_.Count() - index * kRowsPerSheet;
      const auto lastRow = static_cast<lxw_row_t>(std::min(records, kRowsPerSheet));
      if (worksheet_autofilter(sheet, 0, 0, lastRow, static_cast<lxw_col_t>(columns - 1)) !=
          LXW_NO_ERROR) {
        return nullptr;
      }
    }
    return sheet;
  }

  lxw_error WriteCell(lxw_worksheet* sheet, std::size_t row, std::size_t k) {
    const CellValue value = cursor_->Value(k);
    const auto r = static_cast<lxw_row_t>(row);
    const auto c = static_cast<lxw_col_t>(k);
    switch (value.type) {
      case CellValue::Type::kNone:
        return LXW_NO_ERROR;
      case CellValue::Type::kNumber:
        return worksheet_write_number(sheet, r, c, value.number,
                                      NumberFormat(Decimals(series_.columns[k], value.number)));
      case CellValue::Type::kDateTime:
        return worksheet_write_number(sheet, r, c, SpreadsheetDay(value.number), dateTime_);
      case CellValue::Type::kText:
        return worksheet_write_string(sheet, r, c, Utf8Text(series_, *value.text).c_str(), nullptr);
    }
    return LXW_NO_ERROR;
  }

  lxw_error WriteHeaderSheet() {
    lxw_worksheet* sheet = workbook_add_worksheet(workbook_, "Header");
    if (!sheet) return LXW_ERROR_MEMORY_MALLOC_FAILED;
    std::vector<HeaderField> fields = series_.header;
    fields.push_back({"Source file", series_.sourceName});
    if (!series_.templateName.empty()) fields.push_back({"Template", series_.templateName});
    fields.push_back({"Converter version", series_.version});
    if (series_.utcOffsetMinutes) {
      fields.push_back({"UTC offset", UtcOffsetText(*series_.utcOffsetMinutes)});
    }
    std::size_t labelWidth = 0;
    for (const HeaderField& field : fields) labelWidth = std::max(labelWidth, field.label.size());
    lxw_error result = worksheet_set_column(sheet, 0, 0, labelWidth + 2.0, bold_);
    if (result == LXW_NO_ERROR) result = worksheet_set_column(sheet, 1, 1, 40.0, nullptr);
    if (result == LXW_NO_ERROR) result = worksheet_write_string(sheet, 0, 0, "Field", bold_);
    if (result == LXW_NO_ERROR) result = worksheet_write_string(sheet, 0, 1, "Value", bold_);
    for (std::size_t k = 0; k < fields.size() && result == LXW_NO_ERROR; ++k) {
      const auto row = static_cast<lxw_row_t>(k + 1);
      result = worksheet_write_string(sheet, row, 0, fields[k].label.c_str(), nullptr);
      if (result == LXW_NO_ERROR) {
        result = worksheet_write_string(sheet, row, 1, fields[k].value.c_str(), nullptr);
      }
    }
    return result;
  }

  const TableDescription& series_;
  const TableRecords& records_;
  std::unique_ptr<TableCursor> cursor_ = records_.NewCursor();
  std::string scratch_;
  lxw_workbook* workbook_ = nullptr;
  lxw_format* dateTime_ = nullptr;
  lxw_format* bold_ = nullptr;
  std::map<int, lxw_format*> numberFormats_;
};

}  // namespace

bool WriteWorkbook(const TableDescription& series, const TableRecords& records,
                   const std::string& path, const std::string& scratchFolder,
                   const RecordProgress& progress, std::string& error) {
  Workbook workbook(series, records, path, scratchFolder);
  return workbook.Write(progress, error);
}

namespace {

bool WriteWorkbookFile(const TableDescription& table, const TableRecords& records,
                       const WriterTarget& target, const RecordProgress& progress,
                       std::string& error) {
  return WriteWorkbook(table, records, target.path, target.scratchFolder, progress, error);
}

std::unique_ptr<FormatWriter> OpenWorkbook(const WriterTarget& target, const TextFormat&) {
  return OpenTableFileWriter(WriteWorkbookFile, target);
}

}  // namespace

extern const OutputFormat kXlsxOutputFormat{"xlsx", ".xlsx", "workbook", true, OpenWorkbook};

}  // namespace pelcon::outputs
