#include "fake/fake_platform.h"

namespace wendora::fake {

std::unique_ptr<platform::PictureBox> FakeForm::CreateNotifyIconHost(int, int, int, int) {
  platform_.calls.push_back("CreateNotifyIconHost");
  return std::make_unique<FakePictureBox>(platform_.NewHandle(), platform_.NewHandle());
}

std::string FakePlatform::ProgramFolder() {
  calls.push_back("ProgramFolder");
  return program_folder;
}

std::string FakePlatform::ExecutableName() {
  calls.push_back("ExecutableName");
  return executable_name;
}

std::string FakePlatform::CommandLineArguments() {
  calls.push_back("CommandLineArguments");
  return command_line;
}

bool FakePlatform::ClaimSingleInstance() {
  calls.push_back("ClaimSingleInstance");
  return !another_instance_running;
}

void FakePlatform::EndProcess() {
  calls.push_back("ExitProcess");
  throw ProcessExited{};
}

platform::FileContent FakePlatform::ReadFile(const std::string& path) {
  calls.push_back("ReadFile " + path);
  if (unreadable.count(path) != 0) {
    return {platform::FileStatus::kFailed, {}};
  }
  const auto found = files.find(path);
  if (found == files.end()) {
    return {platform::FileStatus::kMissing, {}};
  }
  return {platform::FileStatus::kRead, found->second};
}

bool FakePlatform::ReplaceFile(const std::string& path, std::string_view bytes) {
  calls.push_back("ReplaceFile " + path);
  if (unwritable.count(path) != 0) {
    return false;
  }
  files[path] = std::string(bytes);
  return true;
}

platform::MessageBoxResult FakePlatform::ShowMessageBox(std::string_view text,
                                                        std::string_view title,
                                                        platform::MessageBoxKind kind,
                                                        platform::Handle owner) {
  calls.push_back("MessageBox " + std::string(title));
  message_boxes.push_back({std::string(text), std::string(title), kind, owner});
  if (message_box_answers.empty()) {
    return platform::MessageBoxResult::kOk;
  }
  const auto answer = message_box_answers.front();
  message_box_answers.pop_front();
  return answer;
}

std::unique_ptr<platform::Form> FakePlatform::CreateForm(const platform::FormDesign& design) {
  calls.push_back("CreateForm");
  auto form = std::make_unique<FakeForm>(*this, NewHandle(), design);
  forms.push_back(form.get());
  return form;
}

void FakePlatform::ShellNotifyIcon(platform::NotifyIconMessage message,
                                   const platform::NotifyIconData& data) {
  calls.push_back(message == platform::NotifyIconMessage::kAdd ? "NotifyIcon add"
                                                               : "NotifyIcon delete");
  notify_icon_calls.push_back({message, data});
}

}  // namespace wendora::fake
