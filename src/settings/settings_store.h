#pragma once
// The per-user settings store: text values by section and key (keys and sections matched without
// regard to case), kept in an INI file.
#include <string>
#include <string_view>
#include <vector>

namespace wl {

// Names and words of the store compare without regard to ASCII letter case.
bool EqualsNoCase(std::string_view a, std::string_view b);

class SettingsStore {
 public:
  // Uses the given INI file; it need not exist yet.
  explicit SettingsStore(std::string path);
  // $XDG_CONFIG_HOME/Wakeline/Wakeline.ini, else ~/.config/Wakeline/Wakeline.ini.
  static std::string DefaultPath();

  std::string Get(std::string_view section, std::string_view key, std::string_view defaultText) const;
  // Writes through to the file at once; a failed write is not reported.
  void Save(std::string_view section, std::string_view key, std::string_view text);
  const std::string& Path() const { return path_; }

 private:
  struct Entry {
    std::string section, key, value;
  };
  void Load();
  void Set(std::string_view section, std::string_view key, std::string_view text);
  void Flush() const;
  std::string path_;
  std::vector<Entry> entries_;
};

}  // namespace wl
