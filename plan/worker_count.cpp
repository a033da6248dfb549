#include "plan/worker_count.hpp"

#include <charconv>
#include <cstdlib>
#include <string_view>
#include <thread>

namespace pelcon {
namespace {

constexpr unsigned kMostWorkers = 256;

}  // namespace

unsigned ConversionWorkerCount() {
  if (const char* text = std::getenv("PELCON_THREADS")) {
    const std::string_view view(text);
    unsigned count = 0;
    const auto result = std::from_chars(view.data(), view.data() + view.size(), count);
    if (result.ec == std::errc() && result.ptr == view.data() + view.size() && count >= 1 &&
        count <= kMostWorkers) {
      return count;
    }
  }
  const unsigned hardware = std::thread::hardware_concurrency();
  return hardware == 0 ? 1 : hardware;
}

}  // namespace pelcon
