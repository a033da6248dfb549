// libFuzzer harness: any bytes as a template file; what loads, saved and loaded again, is the same
// template.

#include <cstddef>
#include <cstdint>

#include "export/export_template.hpp"
#include "fuzz/fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using pelcon::fuzz::Check;
  static const pelcon::fuzz::SilentNotices silent;
  static const pelcon::fuzz::ScratchFolder folder;
  const std::string input = folder.Write("input.bft", pelcon::fuzz::TextOf(data, size));

  pelcon::ExportTemplate loaded;
  Check(loaded.Load(input) == pelcon::kResultOk, "a template file does not load");
  Check(loaded.Save(folder.File("saved.bft")) == pelcon::kResultOk, "a template does not save");
  pelcon::ExportTemplate reloaded;
  Check(reloaded.Load(folder.File("saved.bft")) == pelcon::kResultOk, "a saved template is lost");

  Check(reloaded.Separator() == loaded.Separator(), "the separator changed");
  Check(reloaded.EmptyFieldText() == loaded.EmptyFieldText(), "the empty-field text changed");
  Check(reloaded.Columns() == loaded.Columns(), "the columns changed");
  Check(reloaded.Sections() == loaded.Sections(), "the header sections changed");
  return 0;
}
