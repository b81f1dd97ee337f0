#pragma once
// GetFileName: the track file dialog shared by Open, Insert file and Save. It starts at the filter
// and file last chosen (section "FileOpen") and remembers the new choice through `remember`.
#include <optional>
#include <string>

#include "settings/settings_keys.h"
#include "settings/settings_store.h"
#include "track/track_store.h"
#include "track/ui_prompts.h"

namespace wl {

inline constexpr char kTrackFileFilter[] =
    "Harbolt Tracks (*.trc)|*.trc|Logvane Tracks (*.trt)|*.trt|All Tracks(*.trc;*.trt)|*.trc;*.trt|All files|*.*";

// The chosen full path, or nothing when the dialog was cancelled or gave no name. `saving` is the
// track a save will write, nothing for the open dialogs: a save starts at its kind's filter and
// at its file, and a chosen name without an extension gets one (that of the chosen filter when it
// is the TRC or TRT filter, else the track's kind), so that the saved file opens again.
std::optional<std::string> GetFileName(const std::string& title, const TrackStore* saving, UiPrompts& prompts,
                                       const SettingsStore& store, const SettingWriter& remember);

}  // namespace wl
