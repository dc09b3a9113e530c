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
// and whether shut-down writes it back. Whole numbers are written as plain
// decimal text; the pause as 0 or 1.
struct SettingKey {
  using Field = std::variant<std::int32_t CurrentSettings::*, std::int16_t CurrentSettings::*,
                             std::uint8_t CurrentSettings::*, bool CurrentSettings::*,
                             std::string CurrentSettings::*>;
  std::string_view name;
  std::string_view default_value;
  Field field;
  bool written;
};

// In the order of reading and writing: the nine of the design, then those
// added since.
const SettingKey kKeys[] = {
    {"WaitTime", "4", &CurrentSettings::WaitTime, true},
    {"ShowTaskTrayIcon", "1", &CurrentSettings::ShowTaskTrayIcon, true},
    {"DefaultAction", "0", &CurrentSettings::DefaultAction, true},
    {"TopColorR", "255", &CurrentSettings::TopColorR, true},
    {"TopColorG", "255", &CurrentSettings::TopColorG, true},
    {"TopColorB", "255", &CurrentSettings::TopColorB, true},
    {"BottomColorR", "98", &CurrentSettings::BottomColorR, true},
    {"BottomColorG", "255", &CurrentSettings::BottomColorG, true},
    {"BottomColorB", "98", &CurrentSettings::BottomColorB, true},
    {"Paused", "0", &CurrentSettings::Paused, true},
    {"IgnoreCopiesFrom", "", &CurrentSettings::IgnoreCopiesFrom, false},
    {"AnnounceMonitor", "0", &CurrentSettings::AnnounceMonitor, false},
    {"QuietWhenFullScreen", "1", &CurrentSettings::QuietWhenFullScreen, false},
    {"Language", "", &CurrentSettings::Language, false},
    {"AnyTextWithSlash", "0", &CurrentSettings::AnyTextWithSlash, false},
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

void WriteSettings(platform::Platform& platform, const CurrentSettings& s) {
  const std::string path = SettingsFilePath(platform);
  const platform::FileContent file = platform.ReadFile(path);
  if (file.status == platform::FileStatus::kFailed) {
    return;  // never replace a file that exists but could not be read
  }
  std::string bytes = file.bytes;
  for (const SettingKey& key : kKeys) {
    if (key.written) {
      bytes = ProfileAssign(bytes, kSettingsSection, key.name, std::visit(ValueText{s}, key.field));
    }
  }
  // A failed write leaves the old file as it was; like the system's own
  // profile writer, the program does not report it.
  platform.ReplaceFileAtomically(path, bytes);
}

}  // namespace wendora
