#include "settings/settings_store.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <utility>

#include "track/atomic_file.h"

namespace wl {

namespace {

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// A line break inside a name or value would split the entry on the next load.
std::string OneLine(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return out;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// One index key per section and key, whatever their case; the length keeps the two apart.
std::string IndexKey(std::string_view section, std::string_view key) {
  std::string out = std::to_string(section.size()) + ':';
  out.reserve(out.size() + section.size() + key.size());
  for (char c : section) out += Lower(c);
  for (char c : key) out += Lower(c);
  return out;
}

std::string Folded(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = Lower(c);
  return out;
}

// The whole file; an absent file reads as empty. Otherwise the reason why not: only a regular
// file is read, since a FIFO or a device would block the start or never end.
bool ReadRegularFile(const std::string& path, std::string& bytes, std::string& reason) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return true;
    reason = std::strerror(errno);
    return false;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    reason = "not a regular file";
    ::close(fd);
    return false;
  }
  char buf[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) reason = std::strerror(errno);
    if (n <= 0) break;
    bytes.append(buf, static_cast<size_t>(n));
  }
  ::close(fd);
  return reason.empty();
}

}  // namespace

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

SettingsStore::SettingsStore(std::string path) : path_(std::move(path)) { Load(); }

std::string SettingsStore::DefaultPath() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  std::string base;
  if (xdg != nullptr && xdg[0] == '/') {
    base = xdg;
  } else {
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') {
      const passwd* pw = getpwuid(getuid());
      home = pw != nullptr ? pw->pw_dir : "";
    }
    base = std::string(home) + "/.config";
  }
  return base + "/Wakeline/Wakeline.ini";
}

std::string SettingsStore::Get(std::string_view section, std::string_view key, std::string_view defaultText) const {
  const auto it = index_.find(IndexKey(section, key));
  return it == index_.end() ? std::string(defaultText) : entries_[it->second].value;
}

bool SettingsStore::Save(std::string_view section, std::string_view key, std::string_view text) {
  Set(section, key, text);
  lastError_.clear();
  std::string reason = "the file could not be read at start";
  if (loadError_.empty()) {
    const std::filesystem::path target(path_);
    std::error_code ec;
    if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ec);
    if (WriteFileAtomically(path_, Text(), reason)) return true;
  }
  lastError_ = path_ + "\r\ncould not be written: " + reason;
  return false;
}

void SettingsStore::Set(std::string_view section, std::string_view key, std::string_view text) {
  const auto [it, added] = index_.try_emplace(IndexKey(section, key), entries_.size());
  if (added) {
    entries_.push_back(Entry{std::string(section), std::string(key), std::string(text)});
  } else {
    entries_[it->second].value = text;
  }
}

void SettingsStore::Load() {
  std::string bytes, reason;
  if (!ReadRegularFile(path_, bytes, reason)) {
    loadError_ = path_ + "\r\ncould not be read: " + reason + "\r\nthe default settings are used";
    return;
  }
  std::string section;
  bool inSection = false;
  for (size_t from = 0; from < bytes.size();) {
    size_t end = bytes.find('\n', from);
    if (end == std::string::npos) end = bytes.size();
    std::string_view line(bytes.data() + from, end - from);
    from = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::string_view t = Trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '#') continue;
    if (t.front() == '[' && t.back() == ']') {
      section = Trim(t.substr(1, t.size() - 2));
      inSection = true;
      continue;
    }
    const size_t eq = line.find('=');
    if (!inSection || eq == std::string_view::npos) continue;
    const std::string_view key = Trim(line.substr(0, eq));
    if (key.empty()) continue;
    Set(section, key, line.substr(eq + 1));
  }
}

std::string SettingsStore::Text() const {
  // Sections in the order first seen, each with its keys in the order first saved.
  std::unordered_map<std::string, size_t> groupOf;
  std::vector<std::vector<size_t>> groups;
  for (size_t i = 0; i < entries_.size(); ++i) {
    const auto [it, added] = groupOf.try_emplace(Folded(entries_[i].section), groups.size());
    if (added) groups.emplace_back();
    groups[it->second].push_back(i);
  }
  std::string text;
  for (const auto& group : groups) {
    if (!text.empty()) text += '\n';
    (text += '[') += OneLine(entries_[group.front()].section);
    text += "]\n";
    for (size_t i : group) (((text += OneLine(entries_[i].key)) += '=') += OneLine(entries_[i].value)) += '\n';
  }
  return text;
}

}  // namespace wl
