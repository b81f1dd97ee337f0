#include "plot/ui/plot_window_labels.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>

#include "plot/ui/painter_surface.h"
#include "plot/ui/plot_font.h"
#include "widgets/twips.h"

namespace wl {

namespace {

using L = PlotLabel;

struct Slot {
  PlotLabel label;
  const char* widest;  // the widest text the label shows in practice
};

// The values of the current point and, in the first row's free end, the position under the mouse.
constexpr Slot kTopRow[] = {{L::Dat, "00 Mmm 0000"},          {L::Time, "00:00:00  UTC"},
                            {L::UpdIntCOG, "uiCOG:000\u00B0"},  {L::Speed, "uiSOG: 00.0"},
                            {L::UpdIntTime, "uiTIME: 00:00:00"}, {L::Trip, "ETIME: 00:00:00"},
                            {L::Distance, "cum DIST: 00.0"},     {L::Lat, "00 N 00.000"},
                            {L::Lon, "000 E 00.000"}};
// lblGeoWind and lblDepth right of the middle: lblFileName, below, reaches towards them.
constexpr Slot kSecondRow[] = {{L::LatWpt, "00 N 00.000"},            {L::LonWpt, "000 E 00.000"},
                               {L::UpdIntHDG, " tHDG: 000\u00B0"},      {L::Log, "SPD: 00.0"},
                               {L::GeoWind, "TWS+D: 00.0 000\u00B0"},   {L::TrueWind, "TWS+A: 00.0 -000\u00B0"},
                               {L::RelWind, "AWS+A: 00.0 -000\u00B0"},  {L::Depth, "Depth: 00.0"}};
constexpr double kLeft = 60, kGap = 90, kTopRowTop = 15, kSecondRowTop = 225;  // twips

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

void UseColours(QLabel* label, Rgb text, Rgb back) {
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, ToQColor(text));
  p.setColor(QPalette::Window, ToQColor(back));
  label->setPalette(p);
}

}  // namespace

PlotWindowLabels::PlotWindowLabels(QWidget* window) : window_(window) {
  const QFont font = PlotFont();
  for (size_t i = 0; i < kPlotLabelCount; ++i) {
    auto* l = new QLabel(window);
    l->setObjectName(PlotLabelName(static_cast<PlotLabel>(i)));
    l->setFont(font);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);  // the plot under them takes the mouse
    l->hide();
    labels_[i] = l;
  }
  // A click on the plot point text hides it.
  QLabel* popup = Label(L::TackPopup);
  popup->setAttribute(Qt::WA_TransparentForMouseEvents, false);
  popup->setAutoFillBackground(true);
  popup->setFrameShape(QFrame::Box);
  popup->setMargin(2);

  const QFontMetrics metrics(font, window);
  auto row = [&](const auto& cells, double top) {
    double left = kLeft;
    for (const Slot& s : cells) {
      const double width = PxToTwips(metrics.horizontalAdvance(QString::fromUtf8(s.widest)), window) + kGap / 3;
      places_[static_cast<size_t>(s.label)] = {left, top, width};
      left += width + kGap;
    }
  };
  row(kTopRow, kTopRowTop);
  row(kSecondRow, kSecondRowTop);
  places_[static_cast<size_t>(L::FileName)].left = kLeft;
  places_[static_cast<size_t>(L::Legend)].left = kLeft;
}

void PlotWindowLabels::TellLefts(PlotLabels& labels) const {
  labels.fileNameLeft = places_[static_cast<size_t>(L::FileName)].left;
  labels.geoWindLeft = places_[static_cast<size_t>(L::GeoWind)].left;
  labels.depthLeft = places_[static_cast<size_t>(L::Depth)].left;
}

void PlotWindowLabels::SetColours(const PlotColours& c) {
  for (QLabel* l : labels_) UseColours(l, c.ColLabel, c.ColBack);
  UseColours(Label(L::Lat), c.ColPosLabel, c.ColBack);
  UseColours(Label(L::Lon), c.ColPosLabel, c.ColBack);
  UseColours(Label(L::TackPopup), c.ColTrack, c.ColBack);
}

void PlotWindowLabels::Show(const PlotLabels& labels, const PainterSurface& surface, double pixelRatio) {
  const int height = QFontMetrics(Label(L::Dat)->font(), window_).height();
  for (size_t i = 0; i < kPlotLabelCount; ++i) {
    QLabel* l = labels_[i];
    const QString text = QString::fromStdString(labels.items[i].text);
    if (l->text() != text) l->setText(text);
    const Place& p = places_[i];
    if (p.width > 0)
      l->setGeometry(TwipsToPx(p.left, window_), TwipsToPx(p.top, window_), TwipsToPx(p.width, window_), height);
    l->setVisible(labels.items[i].visible && !text.isEmpty());
  }
  // The plot places these two in its own units, above the frame.
  const PlotSurface::DrawingState& s = surface.State();
  auto top = [&](double y) { return static_cast<int>(surface.ToDevice(s.scaleLeft, y).y() / pixelRatio); };
  const double legendWidth =
      (surface.ToDevice(s.scaleLeft + labels.legendWidth, 0).x() - surface.ToDevice(s.scaleLeft, 0).x()) / pixelRatio;
  const int left = TwipsToPx(kLeft, window_);
  Label(L::Legend)->setGeometry(left, top(labels.legendTop), static_cast<int>(legendWidth) - left, height);
  Label(L::FileName)->setGeometry(left, top(labels.fileNameTop), TwipsToPx(labels.fileNameWidth, window_), height);
  PlacePopup();
}

void PlotWindowLabels::PlacePopup() {
  QLabel* popup = Label(L::TackPopup);
  if (popup->isHidden()) return;
  popup->adjustSize();
  const int margin = TwipsToPx(kLeft, window_);
  popup->move(window_->width() - popup->width() - margin, Label(L::Legend)->geometry().bottom() + margin);
}

void PlotWindowLabels::Paint(QPainter& painter) const {
  auto twips = [&](int px) { return PxToTwips(px, window_); };
  for (const QLabel* l : labels_) {
    if (l->isHidden()) continue;
    const QRect g = l->geometry();
    const QRectF box(twips(g.left()), twips(g.top()), twips(g.width()), twips(g.height()));
    if (l->autoFillBackground()) {
      painter.fillRect(box, l->palette().color(QPalette::Window));
      painter.setPen(l->palette().color(QPalette::WindowText));
      painter.drawRect(box);
    }
    painter.setFont(l->font());
    painter.setPen(l->palette().color(QPalette::WindowText));
    const double inset = twips(l->margin() + l->frameWidth());
    painter.drawText(box.adjusted(inset, inset, -inset, -inset), static_cast<int>(l->alignment()), l->text());
  }
}

}  // namespace wl
