// wakeline-cli plot: the plot window's picture without a window.
#include <QGuiApplication>
#include <cmath>
#include <cstdio>
#include <memory>

#include "cli_command.h"
#include "cmd_plot_options.h"
#include "nav/tack_detection.h"
#include "plot/plot_view.h"
#include "plot/recording_surface.h"
#include "plot/ui/image_surface.h"
#include "plot/ui/plot_export.h"
#include "track_options.h"

namespace wl::cli {
namespace {

int RunPlot(std::vector<std::string>& args);

constexpr CliCommand kPlot{
    "plot",
    "wakeline-cli plot FILE [track options] [--size WxH] [--black] [--wind] [--text all|nothing|tack-wait]\n"
    "                  [--ui|--point] [--speed LOW:HIGH] [--wa MIN:MED:MAX] [--cursor I]\n"
    "                  (--png OUT | --pdf OUT | --primitives)\n"
    "  Draws what the plot window shows when it opens, for a window of W x H twips (default\n"
    "  11850x7000; 15 twips are a pixel), with point I (default 0) as the current point.\n"
    "  --black           black background\n"
    "  --wind            wind vanes (.trt tracks)\n"
    "  --text            texts on the plot (default all)\n"
    "  --ui, --point     data labels from the legs (default) or as recorded\n"
    "  --speed           the speed colour scale, knots (default: derived from the track)\n"
    "  --wa              wind vane colour limits, degrees (default 40:45:55)\n"
    "  --png, --pdf      write the picture to OUT\n"
    "  --primitives      print every call on the drawing surface, one per line, fields separated\n"
    "                    by TAB, then a line \"label NAME TEXT\" for each label shown\n",
    RunPlot};
const CliRegistrar registrar{kPlot};

// lblLat and lblLon follow the mouse; there is none.
void AppendLabels(std::string& out, const PlotLabels& labels) {
  for (size_t i = 0; i < kPlotLabelCount; ++i) {
    const auto label = static_cast<PlotLabel>(i);
    if (!labels.items[i].visible || label == PlotLabel::Lat || label == PlotLabel::Lon) continue;
    ((out += "label\t") += PlotLabelName(label)) += '\t';
    for (const char c : labels.items[i].text) {
      if (c == '\n') {
        out += "\\n";
      } else {
        out += c;
      }
    }
    out += '\n';
  }
}

// The window's activation: colours, the redraw and the step that marks the current point.
void Show(PlotView& view, const ProcessedTrack& track, const std::string& fileName, const PlotCliOptions& o) {
  view.SetTrack(&track, fileName);
  view.SetOptions(o.plot);
  view.SetCursorIndex(o.cursor);
  view.Activate();
}

int WritePicture(const PlotCliOptions& o, const ProcessedTrack& track, const std::string& fileName,
                 CliPrompts& prompts) {
  PlotActions actions;
  if (o.output != PlotCliOptions::Output::Png) {
    RecordingSurface surface(o.width, o.height);
    PlotView view(surface, actions, prompts);
    Show(view, track, fileName, o);
    if (o.output == PlotCliOptions::Output::Primitives) {
      std::string out;
      for (const PlotCall& call : surface.Calls()) AppendPrimitiveLine(out, call);
      AppendLabels(out, view.Labels());
      std::fwrite(out.data(), 1, out.size(), stdout);
      return kExitOk;
    }
    std::string error;
    if (SavePlotPdf(FinalPicture(surface.Calls()), o.width, o.height, o.outFile, error)) return kExitOk;
    prompts.ShowMessage(error, Icon::Critical);
    return kExitFileError;
  }
  const QSize pixels(static_cast<int>(std::lround(o.width / 15)), static_cast<int>(std::lround(o.height / 15)));
  ImageSurface surface(o.width, o.height, pixels);
  PlotView view(surface, actions, prompts);
  Show(view, track, fileName, o);
  std::string error;
  if (SavePlotPng(surface.Image(), o.outFile, error)) return kExitOk;
  prompts.ShowMessage(error, Icon::Critical);
  return kExitFileError;
}

int RunPlot(std::vector<std::string>& args) {
  CliPrompts prompts;
  TrackOptions options;
  PlotCliOptions plot;
  if (int rc = ParseTrackOptions(args, options, prompts)) return rc;
  if (int rc = ParsePlotOptions(args, plot)) return rc;
  if (int rc = ExpectPositionals(args, 1, kPlot)) return rc;

  auto track = std::make_unique<LoadedTrack>();
  if (int rc = LoadTrack(args[0], options, *track, prompts)) return rc;
  if (!EnoughPoints(track->store.TrackCount, prompts)) return kExitFileError;
  auto processed = ProcessLoadedTrack(*track);
  if (!plot.speedFixed) {
    plot.plot.speedHigh = track->settings.PlotSpeedHigh;
    plot.plot.speedLow = track->settings.PlotSpeedLow;
  }

  // Fonts need the GUI application; no display is needed for pictures.
  int qtArgc = 1;
  char qtName[] = "wakeline-cli";
  char* qtArgv[] = {qtName, nullptr};
  std::unique_ptr<QGuiApplication> app;
  if (plot.output != PlotCliOptions::Output::Primitives) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The platform's notes (a missing runtime folder) are no business of the user's.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
      if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "wakeline: %s\n", qPrintable(text));
    });
    app = std::make_unique<QGuiApplication>(qtArgc, qtArgv);
  }
  return WritePicture(plot, *processed, track->store.TrackFileName, prompts);
}

}  // namespace
}  // namespace wl::cli
