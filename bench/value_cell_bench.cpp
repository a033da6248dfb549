// One CSV cell as the conversion makes it: GetValue of the column's value name, then its
// "AttribValueStr", into a result map that is reused from cell to cell.

#include <benchmark/benchmark.h>

#include <string>

#include "datalib/data_map.hpp"
#include "values/log_file_reader.hpp"

namespace {

void CellText(benchmark::State& state, const char* name) {
  pelcon::LogFileReader reader;
  if (reader.Open(PELCON_EXAMPLES_DIR "/lodax_level.bin") == 0 || reader.FirstRecord() != 0) {
    state.SkipWithError("cannot open examples/lodax_level.bin");
    return;
  }
  pelcon::CDataMap result;
  std::string cell;
  for (auto _ : state) {
    reader.GetValue(name, result);
    reader.GetValueAttribute(name, "AttribValueStr", result);
    result.GetString("AttribValueStr", &cell);
    benchmark::DoNotOptimize(cell.data());
  }
}

// A raw reading, an applied value, a time stamp and a derived value with four origins.
BENCHMARK_CAPTURE(CellText, raw, "RAW_PXD");
BENCHMARK_CAPTURE(CellText, applied, "PSI");
BENCHMARK_CAPTURE(CellText, timestamp, "TIMESTAMP");
BENCHMARK_CAPTURE(CellText, derived, "DEPTH_FEET");

// A whole record step: the next row's stage values copied into the dictionary.
void NextRecord(benchmark::State& state) {
  pelcon::LogFileReader reader;
  if (reader.Open(PELCON_EXAMPLES_DIR "/lodax_level.bin") == 0 || reader.FirstRecord() != 0) {
    state.SkipWithError("cannot open examples/lodax_level.bin");
    return;
  }
  for (auto _ : state) {
    if (reader.NextRecord(0) != 1) state.SkipWithError("no second record");
  }
}
BENCHMARK(NextRecord);

}  // namespace
