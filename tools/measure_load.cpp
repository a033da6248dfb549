// Loads one log file and prints what it holds; run under /usr/bin/time -v to see the loader's
// peak memory and time.
//
//   measure_load <file.bin>

#include <cstdio>

#include "datalib/number_text.hpp"
#include "logfile/log_loader.hpp"
#include "tests/support/echo_formulas.hpp"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: measure_load <file.bin>\n");
    return 2;
  }
  pelcon::test_support::EchoFormulas formulas;
  pelcon::LogFile log(formulas);
  const pelcon::LoadResult result = pelcon::LogLoader::LoadFile(argv[1], log);
  if (!result) {
    std::fprintf(stderr, "measure_load: %s\n", result.detail.c_str());
    return 1;
  }
  std::printf("%zu rows of %d bytes, %zu values each, start %s\n", log.RowCount(), log.RecordSize(),
              log.ChannelCodeList().size(), pelcon::FormatFixed(log.StartTime(), 6).c_str());
  return 0;
}
