#pragma once

// A compensated level record as a table for the output formats.

#include <memory>
#include <vector>

#include "jobs/compensated_layout.hpp"
#include "jobs/compensation_run.hpp"
#include "outputs/table.hpp"

namespace pelcon::jobs {

// The records of the run; the run must outlive them.
class CompensatedRecords : public outputs::TableRecords {
 public:
  explicit CompensatedRecords(const CompensationRun& run);

  std::size_t Count() const override;
  std::unique_ptr<outputs::TableCursor> NewCursor() const override;

 private:
  const CompensationTable& table_;
  std::vector<CompensatedColumn> columns_;
};

// The columns of the run and its header section, the header's times in the format's style.
outputs::TableDescription CompensatedDescription(const CompensationRun& run,
                                                 const outputs::TextFormat& format);

}  // namespace pelcon::jobs
