// A platform for tests: it keeps files in memory, answers message boxes as
// told, and records every call in order. Ending the process throws
// ProcessExited, so a test can see where the program would have ended.
#pragma once

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace wendora::fake {

struct ProcessExited {};

struct MessageBoxCall {
  std::string text;
  std::string title;
  platform::MessageBoxKind kind;
  platform::Handle owner;
};

struct NotifyIconCall {
  platform::NotifyIconMessage message;
  platform::NotifyIconData data;
};

class FakePictureBox final : public platform::PictureBox {
 public:
  FakePictureBox(platform::Handle handle, platform::Handle picture)
      : handle_(handle), picture_(picture) {}
  platform::Handle handle() const override { return handle_; }
  platform::Handle picture() const override { return picture_; }

 private:
  platform::Handle handle_;
  platform::Handle picture_;
};

class FakePlatform;

class FakeForm final : public platform::Form {
 public:
  FakeForm(FakePlatform& platform, platform::Handle handle, const platform::FormDesign& design)
      : platform_(platform), handle_(handle), design_(design) {}
  platform::Handle handle() const override { return handle_; }
  std::unique_ptr<platform::PictureBox> CreateNotifyIconHost(int left, int top, int width,
                                                             int height) override;

  const platform::FormDesign& design() const { return design_; }

 private:
  FakePlatform& platform_;
  platform::Handle handle_;
  platform::FormDesign design_;
};

class FakePlatform final : public platform::Platform {
 public:
  // What the process looks like.
  std::string program_folder = "C:\\Tools\\Wendora";
  std::string executable_name = "TWendora.exe";
  std::string command_line;
  bool another_instance_running = false;

  // The file system: path (as the program spells it) to contents.
  std::map<std::string, std::string> files;
  std::set<std::string> unreadable;  // exist but cannot be read
  std::set<std::string> unwritable;  // replacing them fails

  // Answers for the next message boxes; OK when none is queued.
  std::deque<platform::MessageBoxResult> message_box_answers;

  // What the program did.
  std::vector<std::string> calls;
  std::vector<MessageBoxCall> message_boxes;
  std::vector<NotifyIconCall> notify_icon_calls;
  std::vector<FakeForm*> forms;

  std::string SettingsFile() const { return program_folder + "\\TWendora.ini"; }
  std::string BuildNumberFile() const { return program_folder + "\\..\\TamberlynApps.ini"; }

  platform::Handle NewHandle() { return next_handle_++; }

  std::string ProgramFolder() override;
  std::string ExecutableName() override;
  std::string CommandLineArguments() override;
  bool ClaimSingleInstance() override;
  platform::FileContent ReadFile(const std::string& path) override;
  bool ReplaceFile(const std::string& path, std::string_view bytes) override;
  platform::MessageBoxResult ShowMessageBox(std::string_view text, std::string_view title,
                                            platform::MessageBoxKind kind,
                                            platform::Handle owner) override;
  std::unique_ptr<platform::Form> CreateForm(const platform::FormDesign& design) override;
  void ShellNotifyIcon(platform::NotifyIconMessage message,
                       const platform::NotifyIconData& data) override;

 protected:
  void EndProcess() override;

 private:
  platform::Handle next_handle_ = 0x1000;
};

}  // namespace wendora::fake
