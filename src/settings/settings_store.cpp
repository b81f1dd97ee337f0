#include "settings/settings_store.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <utility>

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

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  for (size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
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
  for (const Entry& e : entries_) {
    if (EqualsNoCase(e.section, section) && EqualsNoCase(e.key, key)) return e.value;
  }
  return std::string(defaultText);
}

void SettingsStore::Save(std::string_view section, std::string_view key, std::string_view text) {
  Set(section, key, text);
  Flush();
}

void SettingsStore::Set(std::string_view section, std::string_view key, std::string_view text) {
  for (Entry& e : entries_) {
    if (EqualsNoCase(e.section, section) && EqualsNoCase(e.key, key)) {
      e.value = text;
      return;
    }
  }
  entries_.push_back(Entry{std::string(section), std::string(key), std::string(text)});
}

void SettingsStore::Load() {
  std::ifstream in(path_, std::ios::binary);
  std::string line, section;
  bool inSection = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string_view t = Trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '#') continue;
    if (t.front() == '[' && t.back() == ']') {
      section = Trim(t.substr(1, t.size() - 2));
      inSection = true;
      continue;
    }
    const size_t eq = line.find('=');
    if (!inSection || eq == std::string::npos) continue;
    const std::string_view key = Trim(std::string_view(line).substr(0, eq));
    if (key.empty()) continue;
    Set(section, key, std::string_view(line).substr(eq + 1));
  }
}

void SettingsStore::Flush() const {
  // Sections in the order first seen, each with its keys in the order first saved.
  std::string text;
  std::vector<bool> written(entries_.size(), false);
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (written[i]) continue;
    if (!text.empty()) text += '\n';
    text += "[" + OneLine(entries_[i].section) + "]\n";
    for (size_t j = i; j < entries_.size(); ++j) {
      if (written[j] || !EqualsNoCase(entries_[j].section, entries_[i].section)) continue;
      text += OneLine(entries_[j].key) + "=" + OneLine(entries_[j].value) + "\n";
      written[j] = true;
    }
  }

  // Written beside the file and renamed over it, so that a failed write never leaves it damaged.
  const std::filesystem::path target(path_);
  std::error_code ec;
  if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ec);
  std::string temp = path_ + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return;
  const bool ok = WriteAll(fd, text) && fsync(fd) == 0;
  if (close(fd) != 0 || !ok || std::rename(temp.c_str(), path_.c_str()) != 0) unlink(temp.c_str());
}

}  // namespace wl
