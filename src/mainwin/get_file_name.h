#pragma once
// GetFileName: the track file dialog shared by Open, Insert file and Save. It remembers the last
// filter and file under "FileOpen" (LastExt, LastFile).
#include <optional>
#include <string>

#include "mainwin/ui_prompts.h"
#include "settings/settings_store.h"

namespace wl {

inline constexpr char kTrackFileFilter[] =
    "Harbolt Tracks (*.trc)|*.trc|Logvane Tracks (*.trt)|*.trt|All Tracks(*.trc;*.trt)|*.trc;*.trt|All files|*.*";

// The chosen full path, or nothing when the dialog was cancelled or gave no name.
std::optional<std::string> GetFileName(const std::string& title, bool save, UiPrompts& prompts,
                                       SettingsStore& settings);

}  // namespace wl
