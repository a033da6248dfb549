// The worker pool against its promises: every record in order whatever the number of workers,
// and nothing written past a stop, a failed write or a failed chunk.

#include "plan/chunked_records.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace pelcon {
namespace {

// Each record formats as its number and a space.
std::size_t FormatRecords(std::size_t first, std::size_t last, std::string& text) {
  for (std::size_t record = first; record < last; ++record) {
    text.append(std::to_string(record)).push_back(' ');
  }
  return last;
}

std::string Records(std::size_t first, std::size_t last) {
  std::string text;
  FormatRecords(first, last, text);
  return text;
}

ChunkedRecords ThousandRecords(unsigned workers) {
  ChunkedRecords run;
  run.recordCount = 1000;
  run.chunkRecords = 10;
  run.workers = workers;
  return run;
}

TEST(ChunkedRecords, EveryRecordIsWrittenOnceInOrderWhateverTheWorkers) {
  for (const unsigned workers : {1u, 2u, 7u}) {
    std::string written;
    std::size_t lastEnd = 0;
    const auto outcome = ThousandRecords(workers).Run(
        [](unsigned, std::size_t first, std::size_t last, std::string& text) {
          return FormatRecords(first, last, text);
        },
        [&](std::string_view text, std::size_t end) {
          written.append(text);
          EXPECT_EQ(end, lastEnd + 10);
          lastEnd = end;
          return ChunkedRecords::Step::kWritten;
        });
    EXPECT_EQ(outcome, ChunkedRecords::Outcome::kComplete) << workers;
    EXPECT_EQ(written, Records(0, 1000)) << workers;
  }
}

TEST(ChunkedRecords, NothingIsWrittenPastAStopOrAFailure) {
  for (const unsigned workers : {1u, 7u}) {
    // A cancel seen at record 537: that chunk ends there, and every later chunk at its start.
    std::string written;
    auto outcome = ThousandRecords(workers).Run(
        [](unsigned, std::size_t first, std::size_t last, std::string& text) {
          return FormatRecords(first, std::max(first, std::min<std::size_t>(last, 537)), text);
        },
        [&](std::string_view text, std::size_t) {
          written.append(text);
          return ChunkedRecords::Step::kWritten;
        });
    EXPECT_EQ(outcome, ChunkedRecords::Outcome::kStopped);
    EXPECT_EQ(written, Records(0, 537));

    // The sixth write fails: five chunks are out, nothing after them.
    written.clear();
    int writes = 0;
    outcome = ThousandRecords(workers).Run(
        [](unsigned, std::size_t first, std::size_t last, std::string& text) {
          return FormatRecords(first, last, text);
        },
        [&](std::string_view text, std::size_t) {
          if (++writes == 6) return ChunkedRecords::Step::kFailed;
          written.append(text);
          return ChunkedRecords::Step::kWritten;
        });
    EXPECT_EQ(outcome, ChunkedRecords::Outcome::kFailed);
    EXPECT_EQ(written, Records(0, 50));

    // The fourth chunk cannot be formatted: the three before it are out.
    written.clear();
    outcome = ThousandRecords(workers).Run(
        [](unsigned, std::size_t first, std::size_t last, std::string& text) -> std::size_t {
          if (first == 30) throw std::runtime_error("no memory");
          return FormatRecords(first, last, text);
        },
        [&](std::string_view text, std::size_t) {
          written.append(text);
          return ChunkedRecords::Step::kWritten;
        });
    EXPECT_EQ(outcome, ChunkedRecords::Outcome::kFailed);
    EXPECT_EQ(written, Records(0, 30));
  }
}

}  // namespace
}  // namespace pelcon
