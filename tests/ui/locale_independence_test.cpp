// The batch dialog's conversions run after the toolkit has set the C locale from the environment.
// Every golden conversion, made through the dialog's worker under a locale with a decimal comma,
// must give the golden bytes, which are those of the "C" locale.

#include <gtest/gtest.h>

#include <chrono>
#include <clocale>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "component/conversion_driver.hpp"
#include "tests/platform/notice_recorder.hpp"
#include "tests/platform/scoped_environment.hpp"
#include "tests/platform/scratch_directory.hpp"
#include "tests/support/decimal_comma_locales.hpp"
#include "ui/batch_run.hpp"

namespace pelcon::ui {
namespace {

namespace fs = std::filesystem;

const fs::path kGoldenDirectory = fs::path(PELCON_SOURCE_DIR) / "tests" / "e2e" / "golden";

// Restores the "C" locale whatever the test does.
class ScopedLocale {
 public:
  explicit ScopedLocale(const char* name) : set_(std::setlocale(LC_ALL, name) != nullptr) {}
  ~ScopedLocale() { std::setlocale(LC_ALL, "C"); }
  bool Set() const { return set_; }

 private:
  bool set_;
};

TEST(BatchConversionUnderADecimalCommaLocale, WritesTheGoldenBytes) {
  testing::ScratchDirectory scratch;
  testing::ScopedEnvironment now{"PELCON_NOW", "2024-05-06 07:08:09"};
  testing::ScopedEnvironment registry{"PELCON_REGISTRY", scratch.File("registry.reg")};
  testing::NoticeRecorder notices;
  std::vector<FileEntry> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(kGoldenDirectory)) {
    if (entry.path().extension() != ".bin") continue;
    const std::string name = entry.path().filename().string();
    fs::copy_file(entry.path(), scratch.Path() / name);
    files.push_back({scratch.File(name), name, scratch.Path().string() + "/"});
  }
  ASSERT_GE(files.size(), 10u);
  const std::string templatePath = (kGoldenDirectory / "all_columns.bft").string();

  for (const char* locale : test_support::kDecimalCommaLocales) {
    const ScopedLocale scoped(locale);
#ifdef _WIN32
    if (!scoped.Set()) GTEST_SKIP() << "this Windows has no locale " << locale;
#else
    ASSERT_TRUE(scoped.Set()) << "no locale " << locale << ": tools/setup-debian.sh makes it";
#endif
    BatchRun run(ConvertLogFile);
    ASSERT_TRUE(run.Start(files, templatePath, nullptr, nullptr));
    while (!run.WorkerFinished()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_FALSE(run.Collect().hadErrors) << locale;
    for (const FileEntry& file : files) {
      const std::string golden =
          testing::ReadBytes((kGoldenDirectory / (file.fileName + ".csv")).string());
      EXPECT_EQ(testing::ReadBytes(file.fullPath + ".csv"), golden)
          << file.fileName << " in " << locale;
      fs::remove(file.fullPath + ".csv");
    }
  }
  EXPECT_TRUE(notices.shown.empty());
}

}  // namespace
}  // namespace pelcon::ui
