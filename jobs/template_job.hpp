#pragma once

// Writing a new export template, for `template new` and any other front end.

#include <string>

#include "jobs/options.hpp"

namespace pelcon::jobs {

// Writes the template the options describe; the reason when it was not written ("exists;
// --overwrite replaces it"), else empty. Nothing is written through a symbolic link, and a
// template is whole or not there at all.
std::string WriteNewTemplate(const TemplateNewOptions& options);

}  // namespace pelcon::jobs
