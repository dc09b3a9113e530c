#include "settings/settings.h"

#include <string_view>
#include <variant>

#include "base/color.h"
#include "base/number.h"
#include "platform/platform.h"
#include "settings/profile.h"

namespace wendora {
namespace {

// A key of the settings file: its name, its default, the setting it fills
// and when shut-down writes it back. Whole numbers are written as plain
// decimal text; the pause as 0 or 1.
struct SettingKey {
  using Field = std::variant<std::int32_t CurrentSettings::*, std::int16_t CurrentSettings::*,
                             std::uint8_t CurrentSettings::*, bool CurrentSettings::*,
                             std::string CurrentSettings::*>;
  std::string_view name;
  std::string_view default_value;
  Field field;
  enum class Written { kAlways, kWhenChanged } written;
};

constexpr auto kAlways = SettingKey::Written::kAlways;
constexpr auto kWhenChanged = SettingKey::Written::kWhenChanged;

// In the order of reading and writing: the nine of the design, then those
// added since.
const SettingKey kKeys[] = {
    {"WaitTime", "4", &CurrentSettings::WaitTime, kAlways},
    {"ShowTaskTrayIcon", "1", &CurrentSettings::ShowTaskTrayIcon, kAlways},
    {"DefaultAction", "0", &CurrentSettings::DefaultAction, kAlways},
    {"TopColorR", "255", &CurrentSettings::TopColorR, kAlways},
    {"TopColorG", "255", &CurrentSettings::TopColorG, kAlways},
    {"TopColorB", "255", &CurrentSettings::TopColorB, kAlways},
    {"BottomColorR", "98", &CurrentSettings::BottomColorR, kAlways},
    {"BottomColorG", "255", &CurrentSettings::BottomColorG, kAlways},
    {"BottomColorB", "98", &CurrentSettings::BottomColorB, kAlways},
    {"Paused", "0", &CurrentSettings::Paused, kAlways},
    // A line the user wrote stays as it is (even one longer than is read)
    // until the setting is changed.
    {"IgnoreCopiesFrom", "", &CurrentSettings::IgnoreCopiesFrom, kWhenChanged},
    {"AnnounceMonitor", "0", &CurrentSettings::AnnounceMonitor, kWhenChanged},
    {"QuietWhenFullScreen", "1", &CurrentSettings::QuietWhenFullScreen, kWhenChanged},
    {"Language", "", &CurrentSettings::Language, kWhenChanged},
    {"AnyTextWithSlash", "0", &CurrentSettings::AnyTextWithSlash, kWhenChanged},
    {"BannerKeys", "1", &CurrentSettings::BannerKeys, kWhenChanged},
};

// Converts the text into the key's setting.
struct Assign {
  CurrentSettings& settings;
  std::string_view text;
  void operator()(std::int32_t CurrentSettings::*field) const { settings.*field = ToInt32(text); }
  // The colour components are held as 16-bit values but read as bytes, so
  // that anything outside 0 to 255 is an overflow.
  void operator()(std::int16_t CurrentSettings::*field) const { settings.*field = ToUInt8(text); }
  void operator()(std::uint8_t CurrentSettings::*field) const { settings.*field = ToUInt8(text); }
  void operator()(bool CurrentSettings::*field) const { settings.*field = ToUInt8(text) != 0; }
  void operator()(std::string CurrentSettings::*field) const { settings.*field = text; }
};

// Whether the key's setting is the same in both.
struct Same {
  const CurrentSettings& a;
  const CurrentSettings& b;
  template <typename Value>
  bool operator()(Value CurrentSettings::*field) const {
    return a.*field == b.*field;
  }
};

// The text a whole-number setting is written as.
struct ValueText {
  const CurrentSettings& settings;
  std::string operator()(bool CurrentSettings::*field) const { return settings.*field ? "1" : "0"; }
  std::string operator()(std::string CurrentSettings::*field) const { return settings.*field; }
  template <typename Number>
  std::string operator()(Number CurrentSettings::*field) const {
    return DecimalText(settings.*field);
  }
};

}  // namespace

platform::Color TopColor(const CurrentSettings& s) {
  return RgbColor(s.TopColorR, s.TopColorG, s.TopColorB);
}

platform::Color BottomColor(const CurrentSettings& s) {
  return RgbColor(s.BottomColorR, s.BottomColorG, s.BottomColorB);
}

void SetColors(CurrentSettings& s, platform::Color top, platform::Color bottom) {
  s.TopColorR = GetRed(top);
  s.TopColorG = GetGreen(top);
  s.TopColorB = GetBlue(top);
  s.BottomColorR = GetRed(bottom);
  s.BottomColorG = GetGreen(bottom);
  s.BottomColorB = GetBlue(bottom);
}

std::string SettingsFilePath(platform::Platform& platform) {
  return platform.ProgramFolder() + "\\TWendora.ini";
}

CurrentSettings ReadSettings(platform::Platform& platform) {
  const platform::FileContent file = platform.ReadFile(SettingsFilePath(platform));
  CurrentSettings s;
  for (const SettingKey& key : kKeys) {
    std::optional<std::string> value;
    if (file.status == platform::FileStatus::kRead) {
      value = ProfileLookup(file.bytes, kSettingsSection, key.name);
    }
    const std::string text = value ? *value : std::string(key.default_value);
    std::visit(Assign{s, text}, key.field);
  }
  return s;
}

void WriteSettings(platform::Platform& platform, const CurrentSettings& s,
                   const CurrentSettings& as_read) {
  const std::string path = SettingsFilePath(platform);
  const platform::FileContent file = platform.ReadFile(path);
  if (file.status == platform::FileStatus::kFailed) {
    return;  // never replace a file that exists but could not be read
  }
  std::string bytes = file.bytes;
  for (const SettingKey& key : kKeys) {
    if (key.written == kAlways || !std::visit(Same{s, as_read}, key.field)) {
      bytes = ProfileAssign(bytes, kSettingsSection, key.name, std::visit(ValueText{s}, key.field));
    }
  }
  // A failed write leaves the old file as it was; like the system's own
  // profile writer, the program does not report it.
  platform.ReplaceFileAtomically(path, bytes);
}

}  // namespace wendora
