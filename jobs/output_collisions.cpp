#include "jobs/output_collisions.hpp"

#include <filesystem>
#include <map>
#include <system_error>

namespace pelcon::jobs {
namespace {

// A path as the file system resolves it, so that two spellings of one file compare equal.
std::string Resolved(const std::string& path) {
  std::error_code error;
  const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
  return error ? path : resolved.string();
}

}  // namespace

std::vector<std::string> OutputCollisions(const std::vector<std::string>& inputs,
                                          const std::vector<std::string>& outputs) {
  std::map<std::string, std::string> given;    // resolved input -> the input as given
  std::map<std::string, std::string> writers;  // resolved output -> the input that writes it
  for (const std::string& input : inputs) given.emplace(Resolved(input), input);
  std::vector<std::string> errors(inputs.size());
  for (std::size_t k = 0; k < inputs.size(); ++k) {
    if (outputs[k].empty()) continue;
    const std::string output = Resolved(outputs[k]);
    if (const auto input = given.find(output); input != given.end()) {
      errors[k] = "its output would replace the input " + input->second;
      continue;
    }
    const auto [writer, added] = writers.emplace(output, inputs[k]);
    if (!added) errors[k] = "its output is also the output of " + writer->second;
  }
  return errors;
}

}  // namespace pelcon::jobs
