#pragma once

#include <cstddef>
#include <functional>

namespace pelcon {

// Hands records [0, count) out in consecutive ranges, one per thread, on up to
// ConversionWorkerCount() threads (the calling thread among them), and returns when all are
// read. Records are independent, so each range only needs an evaluator of its own. A file too
// short to be worth a second thread is read on the calling thread alone.
void ForEachRecordRange(std::size_t count,
                        const std::function<void(std::size_t first, std::size_t last)>& read);

}  // namespace pelcon
