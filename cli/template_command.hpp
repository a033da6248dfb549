#pragma once

#include "jobs/options.hpp"

namespace pelcon::cli {

// `template new`: 0 when written; 1 when the template exists (without --overwrite), is a
// symbolic link, or cannot be written.
int RunTemplateNew(const jobs::TemplateNewOptions& options);
// `template show`: 0, or 1 when the template cannot be read.
int RunTemplateShow(const jobs::TemplateShowOptions& options);

}  // namespace pelcon::cli
