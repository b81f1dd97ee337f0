#pragma once
// The file dialog and the folder chooser as Qt shows them.
#include <QStringList>
#include <optional>
#include <string>

#include "track/ui_prompts.h"

class QWidget;

namespace wl {

// "label|pattern|label|pattern..." as Qt name filters ("All Tracks (*.trc *.trt)"); "*.*" matches
// every file, as it does where that list comes from.
QStringList QtNameFilters(const std::string& filter);

std::optional<FileDialogChoice> ShowFileDialog(QWidget* parent, const FileDialogRequest& request);

// Empty when cancelled.
std::optional<std::string> ShowFolderChooser(QWidget* parent, const std::string& title,
                                             const std::string& initialFolder);

}  // namespace wl
