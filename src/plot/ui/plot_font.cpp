#include "plot/ui/plot_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace wl {

namespace {

constexpr char kFontFile[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

}  // namespace

QFont PlotFont() {
  static const QString family = [] {
    const int id = QFontDatabase::addApplicationFont(kFontFile);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.first();
  }();
  QFont font = family.isEmpty() ? QFont() : QFont(family);
  font.setPointSizeF(8);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

}  // namespace wl
