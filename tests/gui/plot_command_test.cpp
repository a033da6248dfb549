// `pelcon plot` run as a script runs it, without a display; its image is read back here.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>

#include "tests/platform/scratch_directory.hpp"
#include "tests/support/log_file_builder.hpp"

namespace pelcon {
namespace {

// The colour of a plot's first series.
constexpr QRgb kFirstSeriesColour = 0x1f77b4;

// Runs pelcon without a display, in the environment with the variables given.
int RunPelcon(const QStringList& arguments, const QStringList& variables = {}) {
  QProcess pelcon;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const QString& variable : variables) {
    environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
  }
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
  environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
  pelcon.setProcessEnvironment(environment);
  pelcon.start(QStringLiteral(PELCON_PROGRAM), arguments);
  if (!pelcon.waitForFinished(60000)) return -1;
  return pelcon.exitStatus() == QProcess::NormalExit ? pelcon.exitCode() : -1;
}

TEST(PlotCommand, DrawsTheSeriesIntoAnImageOfTheRequestedSizeWithoutADisplay) {
  testing::ScratchDirectory scratch;
  // A level logger whose pressure rises steadily: (10000 + k) / 1000 psi at record k.
  test_support::LogFileDescription d = test_support::LodaxDescription();
  d.records.clear();
  for (std::uint16_t k = 0; k < 120; ++k) {
    d.records.push_back({2150, static_cast<std::uint16_t>(10000 + 10 * k)});
  }
  const std::string log = scratch.File("rising.bin");
  ASSERT_TRUE(test_support::WriteFile(log, test_support::Build(d)));
  const QString image = QString::fromStdString(scratch.File("rising.png"));
  const QStringList arguments{
      "plot",   QString::fromStdString(log), "--columns", "Pressure (PSI)", "-o", image, "--size",
      "640x360"};
  ASSERT_EQ(RunPelcon(arguments), 0);

  const QImage picture(image);
  ASSERT_EQ(picture.size(), QSize(640, 360));
  // The line's pixels: plenty of them, and the line climbs from left to right (rows count
  // downwards).
  int count = 0;
  double leftRows = 0, rightRows = 0;
  int left = 0, right = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if ((picture.pixel(x, y) & 0xffffff) != kFirstSeriesColour) continue;
      ++count;
      if (x < picture.width() / 3) {
        leftRows += y;
        ++left;
      } else if (x > picture.width() * 2 / 3) {
        rightRows += y;
        ++right;
      }
    }
  }
  EXPECT_GT(count, 300);
  ASSERT_GT(left, 0);
  ASSERT_GT(right, 0);
  EXPECT_GT(leftRows / left, rightRows / right + 50);

  // An image that is there stays unless --overwrite.
  QFile(image).resize(0);
  EXPECT_EQ(RunPelcon(arguments), 1);
  EXPECT_EQ(QFile(image).size(), 0);
  EXPECT_EQ(RunPelcon(arguments + QStringList{"--overwrite"}), 0);
  EXPECT_GT(QFile(image).size(), 0);
  // A size the option does not take is a usage error.
  EXPECT_EQ(RunPelcon({"plot", QString::fromStdString(log), "--size", "640"}), 2);
}

QByteArray Slurp(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(PlotCommand, TheImageIsTheSameInAnyLocaleAndTimeZone) {
  testing::ScratchDirectory scratch;
  const QString examples = QStringLiteral(PELCON_SOURCE_DIR "/examples/");
  const auto plot = [&](const char* name, const QStringList& variables) {
    const QString image = QString::fromStdString(scratch.File(name));
    EXPECT_EQ(RunPelcon({"plot", examples + "lodax_level.bin", "--baro",
                         examples + "barometric.bin", "-o", image, "--quiet"},
                        variables),
              0);
    return Slurp(image);
  };
  const QByteArray plain = plot("c.svg", {"LC_ALL=C", "TZ=UTC"});
  // A decimal comma and a zone with daylight saving time change neither numbers nor times.
  const QByteArray other =
      plot("de.svg", {"LC_ALL=de_DE.UTF-8", "LANG=de_DE.UTF-8", "TZ=America/New_York"});
  ASSERT_FALSE(plain.isEmpty());
  // The first time label: the date above the time.
  EXPECT_TRUE(plain.contains(">2009-03-15<"));
  EXPECT_TRUE(plain.contains(">14:30<"));
  EXPECT_EQ(plain, other);
}

TEST(PlotCommand, WithoutItsDrawingLibraryTheProgramSaysSoAndWritesNothing) {
  // A copy of the program alone in a folder: the drawing library beside it is missing, as where
  // only the converter is installed. The program itself loads no Qt, so it still starts.
  testing::ScratchDirectory scratch;
  const QString program = QString::fromStdString(scratch.File("pelcon"));
  ASSERT_TRUE(QFile::copy(QStringLiteral(PELCON_PROGRAM), program));
  ASSERT_TRUE(QFile(program).setPermissions(QFile::ReadOwner | QFile::ExeOwner));
  const QString image = QString::fromStdString(scratch.File("well.png"));
  QProcess pelcon;
  pelcon.start(program, {"plot", QStringLiteral(PELCON_SOURCE_DIR "/examples/lodax_level.bin"),
                         "-o", image});
  ASSERT_TRUE(pelcon.waitForFinished(60000));
  EXPECT_EQ(pelcon.exitCode(), 2);
  EXPECT_TRUE(pelcon.readAllStandardError().contains("pelcon plot: plots are not available:"));
  EXPECT_FALSE(QFile::exists(image));
}

}  // namespace
}  // namespace pelcon
