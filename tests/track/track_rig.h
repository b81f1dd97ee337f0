#pragma once
// A track store with what reading and writing it needs, and a folder for the files.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/test_support.h"
#include "track/track_reader.h"
#include "track/track_writer.h"

namespace wl::test {

struct TrackRig {
  TempDir dir;
  TrackStore store;
  TrackBlock scratch;
  ScriptedPrompts prompts;
  ReaderSettings settings;

  // Writes bytes as the file name in the folder and reads it in at insertPos.
  ReadResult Read(const std::string& name, const std::string& bytes, int32_t insertPos = 0) {
    WriteFile(dir.File(name), bytes);
    return readtrackfile(store, scratch, dir.File(name), insertPos, settings, prompts);
  }
  // The same into an emptied store.
  ReadResult Open(const std::string& name, const std::string& bytes) {
    store.TrackCount = 0;
    return Read(name, bytes);
  }
  bool Write(const std::string& name, const PointFilter& keep = {}) {
    return writetrackfile(store, name.front() == '/' ? name : dir.File(name), keep, prompts);
  }
  std::string Bytes(const std::string& name) const { return ReadFile(dir.File(name)); }
  const TrackRec& Rec(int32_t i) const { return store.TrackRecs[static_cast<size_t>(i)]; }
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
};

// Points 0..count-1 of a block, point i at latitude firstTag + i with the line "L<firstTag + i>".
inline void TagPoints(TrackBlock& block, int32_t count, int32_t firstTag = 0) {
  block.text.clear();
  for (int32_t i = 0; i < count; ++i) {
    const std::string line = "L" + std::to_string(firstTag + i);
    TrackRec& r = block.recs[static_cast<size_t>(i)];
    r.Pos = PosRec{firstTag + i, 0};
    r.Line = LineRef{static_cast<uint32_t>(block.text.size()), static_cast<uint32_t>(line.size())};
    block.text += line;
  }
}

}  // namespace wl::test
