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
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return Failed(file, path, error);
  {
    QPdfWriter pdf(&file);
    pdf.setCreator("Wakeline");
    pdf.setResolution(kTwipsPerInch);  // a device pixel is a twip
    pdf.setPageLayout(QPageLayout(
        QPageSize(QSizeF(outerWidth / kTwipsPerInch, outerHeight / kTwipsPerInch), QPageSize::Inch, QString(),
                  QPageSize::ExactMatch),
        QPageLayout::Portrait, QMarginsF()));
    PainterSurface surface(outerWidth, outerHeight, outerWidth, outerHeight);
    surface.Begin(&pdf, false);
    for (const PlotCall& call : picture) surface.Perform(call);
    surface.End();
  }
  return file.commit() || Failed(file, path, error);
}

}  // namespace wl
