#include "ui/qt/log_preview_window.hpp"

#include <gtest/gtest.h>

#include <QFile>
#include <QLineSeries>
#include <QSet>
#include <memory>

#include "component/export_template.hpp"
#include "component/settings.hpp"
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
  QDateTimeAxis& time = window_->Chart().TimeAxis();
  EXPECT_EQ(plot::LogChart::TimeText(time.min().toMSecsSinceEpoch()),
            QStringLiteral("2009-03-15 14:30:00"));
  EXPECT_EQ(plot::LogChart::TimeText(time.max().toMSecsSinceEpoch()),
            QStringLiteral("2009-03-15 22:15:00"));
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
  QDateTimeAxis& time = window_->Chart().TimeAxis();
  EXPECT_NE(plot::LogChart::TimeText(time.min().toMSecsSinceEpoch()),
            QStringLiteral("2009-03-15 14:30:00"));
  Child<QPushButton>(*window_, "resetButton").click();
  EXPECT_EQ(plot::LogChart::TimeText(time.min().toMSecsSinceEpoch()),
            QStringLiteral("2009-03-15 14:30:00"));
  EXPECT_EQ(plot::LogChart::TimeText(time.max().toMSecsSinceEpoch()),
            QStringLiteral("2009-03-15 17:25:00"));

  testing::ScratchDirectory scratch;
  std::string error;
  ASSERT_TRUE(window_->SaveImage(scratch.File("level.svg"), error)) << error;
  QFile svg(QString::fromStdString(scratch.File("level.svg")));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  const QByteArray text = svg.readAll();
  EXPECT_TRUE(text.contains("<svg"));
  EXPECT_TRUE(text.contains("Temperature (C)"));
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
