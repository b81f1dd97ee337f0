// "Save plot as image...": what the window shows, as PNG pixels or as a PDF page of vectors.
#include <QPainter>
#include <cctype>
#include <filesystem>

#include "plot/plot_view.h"
#include "plot/recording_surface.h"
#include "plot/ui/image_surface.h"
#include "plot/ui/plot_export.h"
#include "plot/ui/plot_window.h"
#include "plot/ui/plot_window_labels.h"
#include "session/track_session.h"

namespace wl {

namespace {

constexpr char kImageFilter[] = "PNG image (*.png)|*.png|PDF document (*.pdf)|*.pdf";

bool HasExtension(const std::filesystem::path& path, const char* extension) {
  std::string e = path.extension().string();
  for (char& c : e) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return e == extension;
}

// Beside the track, named as it is.
std::string SuggestedName(const TrackStore& store) {
  if (store.InputFileName.empty()) return "plot.png";
  return std::filesystem::path(store.InputFileName).replace_extension(".png").string();
}

}  // namespace

void PlotWindow::SaveImage() {
  UiPrompts& prompts = session_.Prompts();
  const std::optional<FileDialogChoice> choice =
      prompts.ChooseFile({"Save plot as image", kImageFilter, 1, SuggestedName(session_.Store()), true});
  if (!choice) return;
  std::filesystem::path path = choice->fileName;
  bool pdf = HasExtension(path, ".pdf");
  if (!pdf && !HasExtension(path, ".png")) {
    pdf = choice->filterIndex == 2;
    path += pdf ? ".pdf" : ".png";
  }
  const std::string name = path.string();
  std::error_code ec;
  if (std::filesystem::exists(path, ec) &&
      !prompts.AskYesNo(name + " exists, do you want to overwite ?", Icon::Exclamation, true))
    return;
  std::string error;
  if (!(pdf ? SavePdf(name, error) : SavePlotPng(grab().toImage(), name, error)))
    prompts.ShowMessage(error, Icon::Critical);
}

bool PlotWindow::SavePdf(const std::string& path, std::string& error) const {
  // The same picture drawn again as calls, for vectors; the labels go over it as text.
  RecordingSurface calls(surface_->OuterWidth(), surface_->OuterHeight(), surface_->AreaWidth(),
                         surface_->AreaHeight());
  PlotActions none;
  PlotView copy(calls, none, session_.Prompts());
  copy.ShowAs(*view_);
  PlotPdfPage page{surface_->OuterWidth(), surface_->OuterHeight(), surface_->AreaWidth(), surface_->AreaHeight(),
                   [this](QPainter& painter) { labels_->Paint(painter); }};
  return SavePlotPdf(FinalPicture(calls.Calls()), page, path, error);
}

}  // namespace wl
