#pragma once
// The per-user settings store: text values by section and key (keys and sections matched without
// regard to case), kept in an INI file.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace wl {

// Names and words of the store compare without regard to ASCII letter case.
bool EqualsNoCase(std::string_view a, std::string_view b);

class SettingsStore {
 public:
  // Uses the given INI file; it need not exist yet. Only a regular file (or a link to one) is
  // read: anything else, or a file that cannot be read, leaves every setting at its default and
  // says why in LoadError().
  explicit SettingsStore(std::string path);
  // $XDG_CONFIG_HOME/Wakeline/Wakeline.ini, else ~/.config/Wakeline/Wakeline.ini.
  static std::string DefaultPath();

  std::string Get(std::string_view section, std::string_view key, std::string_view defaultText) const;
  // Keeps the value and writes the whole file at once (through a link to it). Returns whether the
  // file was written; if not, LastError() says why. A file that could not be loaded is never
  // replaced, since its settings would be lost.
  bool Save(std::string_view section, std::string_view key, std::string_view text);
  const std::string& Path() const { return path_; }

  // Empty when the file was read or did not exist; else a message for the user (lines end in CR LF).
  const std::string& LoadError() const { return loadError_; }
  // Why the last Save failed; empty after a successful one.
  const std::string& LastError() const { return lastError_; }

 private:
  struct Entry {
    std::string section, key, value;
  };
  void Load();
  void Set(std::string_view section, std::string_view key, std::string_view text);
  std::string Text() const;
  std::string path_;
  std::vector<Entry> entries_;
  std::unordered_map<std::string, size_t> index_;  // folded section and key -> entry
  std::string loadError_, lastError_;
};

}  // namespace wl
