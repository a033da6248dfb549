#pragma once

#include <string>
#include <vector>

namespace pelcon::jobs {

// Why each input may not write its output, "" when it may: inputs[k] writes outputs[k] (an empty
// output for an input that writes none). An output that is an input (however spelt) or that an
// earlier input already writes is refused, never replaced: "its output would replace the input
// IN", "its output is also the output of IN".
std::vector<std::string> OutputCollisions(const std::vector<std::string>& inputs,
                                          const std::vector<std::string>& outputs);

}  // namespace pelcon::jobs
