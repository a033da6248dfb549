#include "plot/qt/chart_image.hpp"

#include <QBuffer>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "platform/files.hpp"
#include "platform/staged_output.hpp"
#include "plot/qt/log_chart.hpp"

namespace pelcon::plot {
namespace {

// Draws the chart at the size: where it is (a chart view's scene), scaled to the size; else laid
// out at the size in a scene of its own.
void Paint(QChart& chart, QSize size, QPainter& painter) {
  // Layouts and the legend's entries wait in posted events.
  QCoreApplication::sendPostedEvents();
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF target(0, 0, size.width(), size.height());
  if (QGraphicsScene* shown = chart.scene()) {
    shown->render(&painter, target, chart.sceneBoundingRect());
    return;
  }
  QGraphicsScene scene;
  scene.addItem(&chart);
  chart.setGeometry(target);
  // The plot area is known once laid out; only then can the lines be thinned to its width.
  chart.layout()->activate();
  if (auto* logChart = dynamic_cast<LogChart*>(&chart)) logChart->Redraw();
  QCoreApplication::sendPostedEvents();
  chart.layout()->activate();
  scene.setSceneRect(target);
  scene.render(&painter, target, target);
  scene.removeItem(&chart);
}

}  // namespace

QByteArray RenderChart(QChart& chart, QSize size, ImageFormat format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (format == ImageFormat::kSvg) {
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(chart.title());
    QPainter painter(&svg);
    Paint(chart, size, painter);
    painter.end();
    return bytes;
  }
  QImage image(size, QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  Paint(chart, size, painter);
  painter.end();
  image.save(&buffer, "PNG");
  return bytes;
}

bool WriteChartImage(QChart& chart, QSize size, const std::string& path, bool replaceExisting,
                     std::string& error) {
  const std::optional<ImageFormat> format = ImageFormatOf(path);
  if (!format) {
    error = path + ": the name must end in .png or .svg";
    return false;
  }
  const QByteArray bytes = RenderChart(chart, size, *format);
  if (bytes.isEmpty()) {
    error = path + ": the image could not be made";
    return false;
  }
  int code = 0;
  std::optional<platform::StagedOutput> output = platform::StagedOutput::Create(path, code);
  if (!output) {
    error = "cannot create " + path + ": " + platform::FileErrorText(code);
    return false;
  }
  if (!output->Write(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))) ||
      !output->Publish(replaceExisting)) {
    error = platform::IsExistsError(output->Error())
                ? path + ": exists"
                : "cannot write " + path + ": " + platform::FileErrorText(output->Error());
    return false;
  }
  return true;
}

}  // namespace pelcon::plot
