#include "ui/qt/log_preview_window.hpp"

#include <gtest/gtest.h>

#include <QFile>
#include <QLineSeries>
#include <QSet>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <optional>
#include <string>

#include "export/export_template.hpp"
#include "export/settings.hpp"
#include "tests/gui/gui_test_support.hpp"
#include "tests/platform/scratch_directory.hpp"
#include "tests/ui/scoped_registry.hpp"
#include "ui/qt/batch_dialog.hpp"

namespace pelcon::ui {
namespace {

using testing::Child;

std::string Sample(const char* name) {
  return std::string(PELCON_SOURCE_DIR) + "/examples/" + name;
}

std::vector<std::string> TemplateColumns(const char* name) {
  ExportTemplate chosen;
  EXPECT_FALSE(Failed(chosen.Load(Sample(name))));
  return chosen.Columns();
}

class LogPreviewWindowTest : public ::testing::Test {
 protected:
  void Open(const char* log, const char* templateName) {
    window_.reset(ShowLogPreview(nullptr, Sample(log), TemplateColumns(templateName)));
    ASSERT_NE(window_, nullptr);
  }
  QListWidget& List() { return Child<QListWidget>(*window_, "seriesList"); }
  QStringList Checked() {
    QStringList names;
    for (int row = 0; row < List().count(); ++row) {
      if (List().item(row)->checkState() == Qt::Checked) names << List().item(row)->text();
    }
    return names;
  }
  // The series drawn, once each (a series split at a gap is several lines).
  QSet<QString> Drawn() {
    QSet<QString> names;
    for (QAbstractSeries* line : window_->Chart().series()) names.insert(line->name());
    return names;
  }
  QString AxisTitle(std::size_t axis) {
    QValueAxis& value = window_->Chart().ValueAxis(axis);
    return value.isVisible() ? value.titleText() : QString();
  }

  std::unique_ptr<LogPreviewWindow> window_;
};

TEST_F(LogPreviewWindowTest, SondeShowsTheTemplatesColumnsOnTwoUnitAxesOverItsRecords) {
  Open("vorta_sonde.bin", "sonde.bft");
  // The template's eleven number columns, all of which the sonde supplies; the time stamp is
  // the time axis.
  ASSERT_EQ(List().count(), 11);
  EXPECT_EQ(List().item(0)->text(), QStringLiteral("Temperature (C)"));
  EXPECT_EQ(List().item(3)->text(), QStringLiteral("Conductivity (\u00B5S Actual)"));
  // The first two units are drawn, one axis each.
  EXPECT_EQ(Checked(), QStringList({"Temperature (C)", "Level/Depth (m)"}));
  EXPECT_EQ(Drawn(), QSet<QString>({"Temperature (C)", "Level/Depth (m)"}));
  EXPECT_EQ(AxisTitle(0), QStringLiteral("C"));
  EXPECT_EQ(AxisTitle(1), QStringLiteral("m"));
  // 32 records 15 minutes apart from 14:30.
  QCategoryAxis& time = window_->Chart().TimeAxis();
  EXPECT_EQ(plot::LogChart::TimeText(time.min()), QStringLiteral("2009-03-15 14:30:00"));
  EXPECT_EQ(plot::LogChart::TimeText(time.max()), QStringLiteral("2009-03-15 22:15:00"));
  EXPECT_EQ(window_->Chart().title(), QStringLiteral("LAKE SONDE 2, S/N 30512, SUMMER PROFILE"));
}

TEST_F(LogPreviewWindowTest, LevelFileTakesAThirdUnitInPlaceOfTheOlderOne) {
  Open("lodax_level.bin", "level.bft");
  // Elapsed time and the unit name are no series.
  ASSERT_EQ(List().count(), 4);
  EXPECT_EQ(Checked(),
            QStringList({"Level/Depth (ft)", "Level/Depth Surface (ft)", "Pressure (PSI)"}));
  EXPECT_EQ(AxisTitle(0), QStringLiteral("ft"));
  EXPECT_EQ(AxisTitle(1), QStringLiteral("psi"));

  List().item(3)->setCheckState(Qt::Checked);  // Temperature (C)
  EXPECT_EQ(Checked(), QStringList({"Pressure (PSI)", "Temperature (C)"}));
  EXPECT_EQ(Drawn(), QSet<QString>({"Pressure (PSI)", "Temperature (C)"}));
  EXPECT_EQ(AxisTitle(0), QStringLiteral("C"));
  EXPECT_EQ(AxisTitle(1), QStringLiteral("psi"));

  // Zooming in and Reset: the whole record again, 36 records 5 minutes apart.
  window_->resize(900, 500);
  window_->Chart().zoom(4.0);
  QCategoryAxis& time = window_->Chart().TimeAxis();
  EXPECT_NE(plot::LogChart::TimeText(time.min()), QStringLiteral("2009-03-15 14:30:00"));
  // The labels follow the zoomed range: none before its start.
  ASSERT_FALSE(time.categoriesLabels().isEmpty());
  EXPECT_GE(time.endValue(time.categoriesLabels().front()), time.min());
  Child<QPushButton>(*window_, "resetButton").click();
  EXPECT_EQ(plot::LogChart::TimeText(time.min()), QStringLiteral("2009-03-15 14:30:00"));
  EXPECT_EQ(plot::LogChart::TimeText(time.max()), QStringLiteral("2009-03-15 17:25:00"));
  // 14:30 to 17:25: half hours give six labels, quarter hours twelve.
  EXPECT_EQ(time.categoriesLabels(),
            QStringList({"2009-03-15<br>14:30", "15:00", "15:30", "16:00", "16:30", "17:00"}));

  testing::ScratchDirectory scratch;
  std::string error;
  ASSERT_TRUE(window_->SaveImage(scratch.File("level.svg"), false, error)) << error;
  QFile svg(QString::fromStdString(scratch.File("level.svg")));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  const QByteArray text = svg.readAll();
  EXPECT_TRUE(text.contains("<svg"));
  EXPECT_TRUE(text.contains("Temperature (C)"));
}

// Sets the process's time zone while alive.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) old_ = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~ScopedTimeZone() {
    if (old_) {
      setenv("TZ", old_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

 private:
  std::optional<std::string> old_;
};

TEST(LogPreviewTimeAxis, ClockTimesInALocalHourThatDoesNotExistKeepTheirPlaces) {
  // In Berlin 2024-03-31 02:00-02:59 does not exist: the clocks went from 02:00 to 03:00.
  const ScopedTimeZone berlin("Europe/Berlin");
  // Records every 10 minutes from 01:30 to 03:30 of the logger's clock; 2024-03-31 00:00 is
  // 19,813 days after 1970-01-01.
  constexpr double kMarch31 = 19813 * 86400000.0;
  plot::LogPlot plot;
  plot.title = "DST";
  plot.series.push_back({"Pressure (PSI)", "psi", {}});
  for (int k = 0; k <= 12; ++k) {
    plot.times.push_back(kMarch31 + (90 + 10 * k) * 60000.0);
    plot.series[0].values.push_back(k);
  }
  LogPreviewWindow window(std::move(plot), "dst.bin");
  ASSERT_EQ(window.Chart().LineCount(), 1);
  const QList<QPointF> points =
      static_cast<QLineSeries*>(window.Chart().series().front())->points();
  ASSERT_EQ(points.size(), 13);
  for (qsizetype k = 1; k < points.size(); ++k) EXPECT_LT(points[k - 1].x(), points[k].x());

  QCategoryAxis& time = window.Chart().TimeAxis();
  EXPECT_EQ(plot::LogChart::TimeText(time.min()), QStringLiteral("2024-03-31 01:30:00"));
  EXPECT_EQ(plot::LogChart::TimeText(points[6].x()), QStringLiteral("2024-03-31 02:30:00"));
  EXPECT_EQ(time.categoriesLabels(),
            QStringList({"2024-03-31<br>01:30", "02:00", "02:30", "03:00", "03:30"}));
  EXPECT_EQ(time.endValue(QStringLiteral("02:30")), kMarch31 + 150 * 60000.0);
}

ResultCode Succeed(const std::string&, std::string&, ProgressSink*, const CancelFlag*) {
  return kResultOk;
}

TEST(BatchDialogPreview, OneSelectedFileOpensWithTheChosenTemplatesColumns) {
  testing::ScratchDirectory scratch;
  testing::ScopedRegistry registry(scratch);
  WriteDefaultTemplatePath(Sample("level.bft"));
  BatchDialog dialog(Succeed);
  dialog.show();
  dialog.AddFiles(std::vector<std::string>{Sample("lodax_level.bin"), Sample("vorta_sonde.bin")});
  auto& list = Child<QListWidget>(dialog, "filesList");
  auto& preview = Child<QPushButton>(dialog, "previewButton");
  EXPECT_FALSE(preview.isEnabled());
  list.item(0)->setSelected(true);
  list.item(1)->setSelected(true);
  EXPECT_FALSE(preview.isEnabled());
  list.item(1)->setSelected(false);
  ASSERT_TRUE(preview.isEnabled());

  preview.click();
  auto* window = dialog.findChild<LogPreviewWindow*>();
  ASSERT_NE(window, nullptr);
  // The level template's four number columns of the level file.
  EXPECT_EQ(Child<QListWidget>(*window, "seriesList").count(), 4);
  EXPECT_EQ(window->Chart().title(), QStringLiteral("MW-3 LEVEL, S/N 21734, STEP DRAWDOWN"));
  window->close();
}

}  // namespace
}  // namespace pelcon::ui
