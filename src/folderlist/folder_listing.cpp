#include "folderlist/folder_listing.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "track/float_text.h"
#include "track/number_format.h"

namespace wl {

namespace {

constexpr const char* kCrLf = "\r\n";

unsigned char LowerAscii(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

// <0, 0 or >0 as the first n characters of a compare to those of b (n = the shorter length).
int ComparePrefixes(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const unsigned char ca = LowerAscii(a[i]), cb = LowerAscii(b[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return 0;
}

const char* TypeText(ListType type) {
  switch (type) {
    case ListType::TRC: return ".trc";
    case ListType::TRT: return ".trt";
    case ListType::Both: break;
  }
  return ".trc and .trt";
}

bool IsNormalFile(const std::string& path, std::string_view name) {
  if (name.empty() || name.front() == '.') return false;
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

bool MatchesListType(std::string_view name, ListType type) {
  const std::string tail = LowerTail(name, 3);
  switch (type) {
    case ListType::TRC: return tail == "trc";
    case ListType::TRT: return tail == "trt";
    case ListType::Both: break;
  }
  return tail == "trc" || tail == "trt";
}

int CompareListNames(std::string_view a, std::string_view b) { return ComparePrefixes(a, b) > 0 ? 1 : -1; }

bool ListNameBefore(std::string_view a, std::string_view b) {
  const int c = ComparePrefixes(a, b);
  return c != 0 ? c < 0 : a.size() < b.size();
}

std::string ListFolderFromLastFile(std::string_view lastFile) {
  const size_t sep = lastFile.find_last_of("/\\");
  if (sep == std::string_view::npos) return {};
  // A file in the root keeps the root as its folder.
  return std::string(lastFile.substr(0, sep == 0 ? 1 : sep));
}

std::string ListProgressText(int64_t listed, int64_t total) {
  return std::to_string(total > 0 ? listed * 100 / total : 0) + "%";
}

std::string DistanceText(float distance, char decimalSeparator) {
  std::string text = ShortFloatText(distance);
  std::replace(text.begin(), text.end(), '.', decimalSeparator);
  return text;
}

FolderListing::FolderListing() = default;

bool FolderListing::CollectNames(const std::string& folder, ListType type, Prompts& prompts) {
  names_.clear();
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) {
    prompts.ShowMessage(folder + kCrLf + "could not be opened: " + std::strerror(errno), Icon::Exclamation);
    return false;
  }
  std::string path;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (!MatchesListType(name, type)) continue;
    path.assign(folder).append("/").append(name);
    if (IsNormalFile(path, name)) names_.emplace_back(name);
  }
  ::closedir(dir);
  return true;
}

bool FolderListing::ShowList(const std::string& folder, ListType type, const ReaderSettings& settings,
                             Prompts& prompts, const Progress& progress) {
  rows_.clear();
  folder_ = folder;
  type_ = type;
  total_ = 0;
  const bool opened = CollectNames(folder, type, prompts);

  const auto total = static_cast<int64_t>(names_.size());
  std::string path;
  for (const std::string& name : names_) {
    store_.TrackCount = 0;
    path.assign(folder).append("/").append(name);
    readtrackfile(store_, scratch_, path, 0, settings, prompts);
    const float distance = store_.GetCumDist();
    total_ = static_cast<float>(static_cast<double>(total_) + distance);
    rows_.push_back({name, distance, store_.TrackCount});
    if (progress) progress(ListProgressText(static_cast<int64_t>(rows_.size()), total));
    store_.DataChanged = false;
  }

  std::stable_sort(rows_.begin(), rows_.end(),
                   [](const ListRow& a, const ListRow& b) { return ListNameBefore(a.name, b.name); });

  summary_ = Summary('.');
  return opened;
}

std::string FolderListing::Summary(char decimalSeparator) const {
  if (rows_.empty()) return folder_ + kCrLf + "No files of selected type in this directory";
  return folder_ + kCrLf + std::to_string(rows_.size()) + " files, total distance " +
         DistanceText(total_, decimalSeparator);
}

std::string FolderListing::CopyText(size_t first, size_t last) const {
  std::string lines;
  for (size_t i = first; i <= last && i < rows_.size(); ++i) {
    const std::string d = FormatPoint(rows_[i].distance, "0.0");
    if (d.size() < 10) lines.append(10 - d.size(), ' ');
    lines.append(d).append("\t").append(rows_[i].name).append(kCrLf);
  }
  if (lines.empty()) return lines;
  return std::string("Selected files of type ") + TypeText(type_) + " in:" + kCrLf + folder_ + kCrLf + kCrLf + lines;
}

std::string FolderListing::CopyAllText() const { return rows_.empty() ? std::string() : CopyText(0, rows_.size() - 1); }

}  // namespace wl
