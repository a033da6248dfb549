// libFuzzer harness: any bytes that load as a log file are converted with every column through
// the conversion plan, which must give the value dictionary's cell text for every cell of the
// first records, and the same CSV file with one worker as with three. A difference aborts.

#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "component/conversion_driver.hpp"
#include "export/column_name_table.hpp"
#include "export/template_plan.hpp"
#include "plan/conversion_plan.hpp"
#include "plan/record_evaluator.hpp"
#include "values/log_file_reader.hpp"

namespace {

constexpr int kRecordsToCompare = 64;

std::string directory;
std::vector<std::string> entries;

bool WriteBytes(const std::string& path, const void* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  return static_cast<bool>(out);
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void ExpectSameCells(pelcon::LogFileReader& reader) {
  const std::vector<pelcon::PlanColumnRequest> requests =
      pelcon::TemplateColumnRequests(reader.Log(), entries);
  const pelcon::ConversionPlan plan(reader.Log(), requests);
  pelcon::RecordEvaluator evaluator(plan);
  for (int index = reader.FirstRecord(); index != -1 && index < kRecordsToCompare;
       index = reader.NextRecord(index)) {
    if (!evaluator.Select(static_cast<std::size_t>(index))) abort();
    for (std::size_t k = 0; k < entries.size(); ++k) {
      if (evaluator.CellText(k) != pelcon::GetCellText(&reader, entries[k])) {
        std::fprintf(stderr, "cell %s of record %d differs\n", entries[k].c_str(), index);
        abort();
      }
    }
  }
}

std::string ConvertWith(const char* workers, const std::string& logPath,
                        const std::string& templatePath) {
  setenv("PELCON_THREADS", workers, 1);
  std::string path = templatePath;
  if (pelcon::ConvertLogFile(logPath, path, nullptr, nullptr) != pelcon::kResultOk) abort();
  return ReadAll(logPath + ".csv");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Zero start stamps and Event records without seconds read the clock; keep runs repeatable.
  setenv("PELCON_NOW", "2010-06-01 12:00:00", 1);
  char pattern[] = "/tmp/pelcon-plan-fuzz-XXXXXX";
  if (mkdtemp(pattern) == nullptr) abort();
  directory = pattern;
  std::string templateText = ",\n-----\n";
  for (const pelcon::ColumnName& column : pelcon::ColumnNameTable()) {
    entries.emplace_back(column.displayName);
    templateText.append(column.displayName).push_back('\n');
  }
  if (!WriteBytes(directory + "/all.bft", templateText.data(), templateText.size())) abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string logPath = directory + "/input.bin";
  if (!WriteBytes(logPath, data, size)) abort();
  pelcon::LogFileReader reader;
  if (reader.Open(logPath) == 0) return 0;
  ExpectSameCells(reader);
  reader.Close();
  const std::string templatePath = directory + "/all.bft";
  if (ConvertWith("1", logPath, templatePath) != ConvertWith("3", logPath, templatePath)) {
    std::fprintf(stderr, "the CSV file depends on the number of workers\n");
    abort();
  }
  return 0;
}
