#include "plot/ui/plot_export.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

#include "plot/ui/painter_surface.h"

namespace wl {

namespace {

constexpr int kTwipsPerInch = 1440;

bool Failed(const QSaveFile& file, const std::string& path, std::string& error) {
  error = "cannot write " + path + ": " + file.errorString().toStdString();
  return false;
}

}  // namespace

bool SavePlotPng(const QImage& image, const std::string& path, std::string& error) {
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return Failed(file, path, error);
  if (!image.save(&file, "PNG")) {
    file.cancelWriting();
    error = "cannot write " + path + ": the image was not written";
    return false;
  }
  return file.commit() || Failed(file, path, error);
}

bool SavePlotPdf(const std::vector<PlotCall>& picture, double outerWidth, double outerHeight, const std::string& path,
                 std::string& error) {
  return SavePlotPdf(picture, {outerWidth, outerHeight, outerWidth, outerHeight, {}}, path, error);
}

bool SavePlotPdf(const std::vector<PlotCall>& picture, const PlotPdfPage& page, const std::string& path,
                 std::string& error) {
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return Failed(file, path, error);
  {
    QPdfWriter pdf(&file);
    pdf.setCreator("Wakeline");
    pdf.setResolution(kTwipsPerInch);  // a device pixel is a twip
    pdf.setPageLayout(QPageLayout(
        QPageSize(QSizeF(page.areaWidth / kTwipsPerInch, page.areaHeight / kTwipsPerInch), QPageSize::Inch, QString(),
                  QPageSize::ExactMatch),
        QPageLayout::Portrait, QMarginsF()));
    PainterSurface surface(page.outerWidth, page.outerHeight, page.areaWidth, page.areaHeight);
    surface.Begin(&pdf, false);
    for (const PlotCall& call : picture) surface.Perform(call);
    // On the same painter: ending it ends the document.
    if (page.overlay) {
      QPainter& painter = surface.Painter();
      painter.save();
      painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
      page.overlay(painter);
      painter.restore();
    }
    surface.End();
  }
  return file.commit() || Failed(file, path, error);
}

}  // namespace wl
