#include "settings/settings.h"

#include "base/number.h"
#include "platform/platform.h"
#include "settings/profile.h"

namespace wendora {
namespace {

// The colour components are held as 16-bit values but read as bytes, so that
// anything outside 0 to 255 is an overflow.
std::int16_t ReadColor(platform::Platform& platform, const std::string& file, const char* key,
                       const char* default_value) {
  return ToUInt8(ReadINI(platform, kSettingsSection, key, default_value, file));
}

}  // namespace

std::string SettingsFilePath(platform::Platform& platform) {
  return platform.ProgramFolder() + "\\TWendora.ini";
}

CurrentSettings ReadSettings(platform::Platform& platform) {
  const std::string file = SettingsFilePath(platform);
  CurrentSettings s;
  s.WaitTime = ToInt32(ReadINI(platform, kSettingsSection, "WaitTime", "4", file));
  s.ShowTaskTrayIcon = ToUInt8(ReadINI(platform, kSettingsSection, "ShowTaskTrayIcon", "1", file));
  s.DefaultAction = ToUInt8(ReadINI(platform, kSettingsSection, "DefaultAction", "0", file));
  s.TopColorR = ReadColor(platform, file, "TopColorR", "255");
  s.TopColorG = ReadColor(platform, file, "TopColorG", "255");
  s.TopColorB = ReadColor(platform, file, "TopColorB", "255");
  s.BottomColorR = ReadColor(platform, file, "BottomColorR", "98");
  s.BottomColorG = ReadColor(platform, file, "BottomColorG", "255");
  s.BottomColorB = ReadColor(platform, file, "BottomColorB", "98");
  s.Paused = ToUInt8(ReadINI(platform, kSettingsSection, "Paused", "0", file)) != 0;
  s.IgnoreCopiesFrom = ReadINI(platform, kSettingsSection, "IgnoreCopiesFrom", "", file);
  s.AnnounceMonitor = ToUInt8(ReadINI(platform, kSettingsSection, "AnnounceMonitor", "0", file));
  s.QuietWhenFullScreen =
      ToUInt8(ReadINI(platform, kSettingsSection, "QuietWhenFullScreen", "1", file));
  s.Language = ReadINI(platform, kSettingsSection, "Language", "", file);
  return s;
}

void WriteSettings(platform::Platform& platform, const CurrentSettings& s) {
  const std::string file = SettingsFilePath(platform);
  const auto write = [&](const char* key, std::int64_t value) {
    WriteINI(platform, DecimalText(value), kSettingsSection, key, file);
  };
  write("WaitTime", s.WaitTime);
  write("ShowTaskTrayIcon", s.ShowTaskTrayIcon);
  write("DefaultAction", s.DefaultAction);
  write("TopColorR", s.TopColorR);
  write("TopColorG", s.TopColorG);
  write("TopColorB", s.TopColorB);
  write("BottomColorR", s.BottomColorR);
  write("BottomColorG", s.BottomColorG);
  write("BottomColorB", s.BottomColorB);
  write("Paused", s.Paused ? 1 : 0);
}

}  // namespace wendora
