#include "settings/settings_keys.h"

#include "settings/settings_store.h"

namespace wl {

namespace {

constexpr bool InKeyOrder() {
  for (size_t i = 0; i < std::size(kSettingDefs); ++i)
    if (static_cast<size_t>(kSettingDefs[i].key) != i) return false;
  return std::size(kSettingDefs) == static_cast<size_t>(SettingKey::DptVar) + 1;
}
static_assert(InKeyOrder(), "kSettingDefs must list every SettingKey in order");

}  // namespace

std::string ReadSetting(const SettingsStore& store, SettingKey key) {
  const SettingDef& def = Setting(key);
  return store.Get(def.section, def.name, def.defaultText);
}

}  // namespace wl
