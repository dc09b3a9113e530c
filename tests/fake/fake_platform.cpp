#include "fake/fake_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <new>

#include "base/runtime_error.h"

namespace wendora::fake {

FakePictureBox::FakePictureBox(FakePlatform& platform, const platform::Bounds& bounds)
    : width_px(platform.ToPixelsX(bounds.width)),
      height_px(platform.ToPixelsY(bounds.height)),
      platform_(platform) {}

double FakePictureBox::Width() const {
  return width_px * platform_.twips_per_pixel_x;
}
double FakePictureBox::Height() const {
  return height_px * platform_.twips_per_pixel_y;
}
void FakePictureBox::SetWidth(double width) {
  width_px = platform_.ToPixelsX(width);
}
void FakePictureBox::SetHeight(double height) {
  height_px = platform_.ToPixelsY(height);
}

void FakePictureBox::DrawLine(double x1, double y1, double x2, double y2, platform::Color color) {
  lines.push_back({x1, y1, x2, y2, color});
}

platform::Label& FakePictureBox::CreateLabel(const platform::Bounds& bounds,
                                             const platform::FontDesign& font) {
  owned_labels_.push_back(std::make_unique<FakeLabel>(bounds, font));
  labels.push_back(owned_labels_.back().get());
  return *labels.back();
}

FakeTimer::~FakeTimer() {
  auto& list = platform_.timers;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void FakeTimer::Start() {
  if (!running) {
    running = true;
    ++starts;
  }
}

void FakeTimer::Stop() {
  running = false;
}

FakeClipboardListener::~FakeClipboardListener() {
  auto& list = platform_.clipboard_listeners;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

FakeNotifyIcon::~FakeNotifyIcon() {
  auto& list = platform_.notify_icons;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void FakeNotifyIcon::Show() {
  platform_.calls.push_back("NotifyIcon show");
  shown = true;
}

void FakeNotifyIcon::Remove() {
  platform_.calls.push_back("NotifyIcon remove");
  shown = false;
}

FakeForm::FakeForm(FakePlatform& platform, platform::Handle handle,
                   const platform::FormDesign& design)
    : left_px(platform.ToPixelsX(design.left) - platform.form_frame_px),
      top_px(platform.ToPixelsY(design.top) - platform.form_frame_px),
      width_px(platform.ToPixelsX(design.client_width) + 2 * platform.form_frame_px),
      height_px(platform.ToPixelsY(design.client_height) + 2 * platform.form_frame_px),
      frame_px(platform.form_frame_px),
      client_height_twips(design.client_height),
      platform_(platform),
      handle_(handle) {}

double FakeForm::TwipsPerPixelX() const {
  return platform_.twips_per_pixel_x;
}
double FakeForm::TwipsPerPixelY() const {
  return platform_.twips_per_pixel_y;
}
void FakeForm::PutOnMonitor(platform::MonitorChoice choice) {
  std::size_t chosen = 0;
  if (choice == platform::MonitorChoice::kMousePointer ||
      (choice == platform::MonitorChoice::kForegroundWindow && platform_.foreground_monitor < 0)) {
    chosen = platform_.pointer_monitor;
  } else if (choice == platform::MonitorChoice::kForegroundWindow) {
    chosen = static_cast<std::size_t>(platform_.foreground_monitor);
  }
  platform_.calls.push_back("PutOnMonitor " + std::to_string(chosen));
  monitor = chosen;
  if (!platform_.monitors.empty()) {
    const FakePlatform::Monitor& m = platform_.monitors.at(chosen);
    left_px = m.left_px;
    if (m.twips_per_pixel != platform_.twips_per_pixel_y) {
      ChangeScale(m.twips_per_pixel);
    }
  }
}

platform::MonitorArea FakeForm::Monitor() const {
  const double x = platform_.twips_per_pixel_x;
  if (platform_.monitors.empty()) {
    return {0, 0, platform_.screen_width_px * x};
  }
  const FakePlatform::Monitor& m = platform_.monitors.at(monitor);
  return {m.left_px * x, m.top_px * platform_.twips_per_pixel_y, m.width_px * x};
}
double FakeForm::Left() const {
  return left_px * platform_.twips_per_pixel_x;
}
double FakeForm::Top() const {
  return top_px * platform_.twips_per_pixel_y;
}
double FakeForm::Width() const {
  return width_px * platform_.twips_per_pixel_x;
}
double FakeForm::Height() const {
  return height_px * platform_.twips_per_pixel_y;
}
double FakeForm::ClientWidth() const {
  return (width_px - 2 * frame_px) * platform_.twips_per_pixel_x;
}
double FakeForm::ClientHeight() const {
  return (height_px - 2 * frame_px) * platform_.twips_per_pixel_y;
}

void FakeForm::ChangeScale(double twips_per_pixel) {
  platform_.twips_per_pixel_x = platform_.twips_per_pixel_y = twips_per_pixel;
  height_px = platform_.ToPixelsY(client_height_twips) + 2 * frame_px;
  if (on_dpi_changed) {
    on_dpi_changed();
  }
}

void FakeForm::SetLeft(double left) {
  left_px = platform_.ToPixelsX(left);
}
void FakeForm::SetWidth(double width) {
  width_px = platform_.ToPixelsX(width);
}

void FakeForm::SetTop(double top) {
  top_px = platform_.ToPixelsY(top);
  tops_px.push_back(top_px);
}

void FakeForm::Show() {
  platform_.calls.push_back("Form.Show");
  visible = true;
}

void FakeForm::Hide() {
  platform_.calls.push_back("Form.Hide");
  visible = false;
}

void FakeForm::RaiseAlert() {
  platform_.calls.push_back("Form.RaiseAlert");
  alerts.push_back(text);
}

void FakeForm::SetTopmost() {
  platform_.calls.push_back("Form.SetTopmost");
  visible = true;
  topmost = true;
}

platform::PictureBox& FakeForm::CreatePictureBox(const platform::Bounds& bounds) {
  owned_pictures_.push_back(std::make_unique<FakePictureBox>(platform_, bounds));
  pictures.push_back(owned_pictures_.back().get());
  return *pictures.back();
}

void FakeDialogControl::SetValue(int v) {
  value = v;
  // Selecting an option button clears the others of its group.
  if (v == 1 && design.kind == platform::ControlKind::kOptionButton && dialog != nullptr) {
    for (FakeDialogControl* other : dialog->controls) {
      if (other != this && other->design.kind == platform::ControlKind::kOptionButton &&
          other->design.group == design.group) {
        other->value = 0;
      }
    }
  }
}

void FakeDialogControl::SetFocus() {
  if (dialog != nullptr) {
    dialog->focus = this;
  }
}

void FakeDialogControl::Click() {
  if (!enabled) {
    return;  // a greyed control takes no click
  }
  switch (design.kind) {
    case platform::ControlKind::kCheckBox:
      value = value == 1 ? 0 : 1;
      break;
    case platform::ControlKind::kOptionButton:
      SetValue(1);
      break;
    default:
      break;
  }
  if (on_click) {
    on_click();
  }
}

FakeDialog::~FakeDialog() {
  auto& list = platform_.dialogs;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

platform::DialogControl& FakeDialog::AddControl(const platform::ControlDesign& design) {
  owned_controls_.push_back(std::make_unique<FakeDialogControl>(platform_, design));
  FakeDialogControl& control = *owned_controls_.back();
  control.dialog = this;
  controls.push_back(&control);
  return control;
}

void FakeDialog::ShowModeless() {
  platform_.calls.push_back("Dialog.ShowModeless");
  visible = true;
}

void FakeDialog::ShowModal() {
  platform_.calls.push_back("Dialog.ShowModal");
  visible = true;
  modal = true;
  if (platform_.while_modal) {
    platform_.while_modal(*this);
  }
  modal = false;
  if (visible) {
    ADD_FAILURE() << "the modal dialog was left open";
    visible = false;
  }
}

void FakeDialog::Hide() {
  platform_.calls.push_back("Dialog.Hide");
  visible = false;
}

void FakeDialog::SetTopmost(bool topmost) {
  platform_.calls.push_back(topmost ? "Dialog.SetTopmost" : "Dialog.SetNotTopmost");
  visible = true;
}

FakeDialogControl& FakeDialog::Control(std::string_view caption) {
  for (FakeDialogControl* control : controls) {
    if (control->design.caption == caption) {
      return *control;
    }
  }
  ADD_FAILURE() << "no control captioned " << caption;
  return *controls.at(0);
}

void FakePlatform::SetClipboard(std::string text, bool is_private) {
  clipboard_text = std::move(text);
  clipboard_private = is_private;
  clipboard_sequence += 3;  // a real clipboard may step by more than one
  clipboard_changes_untold += clipboard_listeners.empty() ? 0 : 1;
}

void FakePlatform::ClearClipboard() {
  clipboard_text.reset();
  clipboard_private = false;
  clipboard_sequence += 3;
  clipboard_changes_untold += clipboard_listeners.empty() ? 0 : 1;
}

bool FakePlatform::DeliverClipboardChanges() {
  if (clipboard_changes_untold == 0) {
    return false;
  }
  while (clipboard_changes_untold > 0) {
    // The news may be delivered again while it is told, and a listener may
    // go meanwhile.
    --clipboard_changes_untold;
    const std::vector<FakeClipboardListener*> listeners = clipboard_listeners;
    for (FakeClipboardListener* listener : listeners) {
      listener->Notify();
    }
  }
  return true;
}

void FakePlatform::RunPendingEvents() {
  if (pending_events) {
    pending_events();
  }
  DeliverClipboardChanges();
}

int FakePlatform::ToPixelsX(double twips) const {
  return static_cast<int>(std::lround(twips / twips_per_pixel_x));
}

int FakePlatform::ToPixelsY(double twips) const {
  return static_cast<int>(std::lround(twips / twips_per_pixel_y));
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
  platform::FileContent content{platform::FileStatus::kRead, found->second};
  if (after_file_read) {
    after_file_read(path);
  }
  return content;
}

bool FakePlatform::ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
  calls.push_back("ReplaceFileAtomically " + path);
  if (replacements_before_end == 0) {
    throw ProcessExited();
  }
  if (replacements_before_end > 0) {
    --replacements_before_end;
  }
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
  RunPendingEvents();
  if (message_box_answers.empty()) {
    return platform::MessageBoxResult::kOk;
  }
  const auto answer = message_box_answers.front();
  message_box_answers.pop_front();
  return answer;
}

void FakePlatform::Sleep(int milliseconds) {
  tick_count += static_cast<std::uint32_t>(milliseconds);
  ++sleeps;
  sleeps_at_fine_resolution += fine_timer ? 1 : 0;
}

void FakePlatform::SetFineTimerResolution(bool fine) {
  calls.push_back(fine ? "FineTimer on" : "FineTimer off");
  fine_timer = fine;
}

void FakePlatform::DoEvents() {
  calls.push_back("DoEvents");
  RunPendingEvents();
}

platform::ClipboardText FakePlatform::ReadClipboardText() {
  if (!clipboard_text) {
    return {platform::ClipboardRead::kNoText, {}, false, {}};
  }
  if (clipboard_error != 0) {
    throw RuntimeError(clipboard_error);
  }
  if (clipboard_out_of_memory) {
    throw std::bad_alloc();
  }
  ++clipboard_reads;
  if (!clipboard_read_outcomes.empty()) {
    const platform::ClipboardRead outcome = clipboard_read_outcomes.front();
    clipboard_read_outcomes.pop_front();
    if (outcome != platform::ClipboardRead::kText) {
      return {outcome, {}, false, {}};
    }
  }
  return {platform::ClipboardRead::kText, clipboard_text.value_or(std::string()), clipboard_private,
          clipboard_owner};
}

std::uint32_t FakePlatform::ClipboardSequenceNumber() {
  return sequence_numbers ? clipboard_sequence : 0;
}

std::unique_ptr<platform::ClipboardListener> FakePlatform::ListenToClipboard() {
  calls.push_back("ListenToClipboard");
  if (!clipboard_listener_available) {
    return nullptr;
  }
  auto listener = std::make_unique<FakeClipboardListener>(*this);
  clipboard_listeners.push_back(listener.get());
  return listener;
}

void FakePlatform::SetMousePointer(platform::MousePointer value) {
  pointer = value;
  pointers.push_back(value);
}

void FakePlatform::OpenWithShell(platform::Handle owner, std::string_view file) {
  OpenWithShellIn(owner, file, "");
}

bool FakePlatform::OpenWithShellIn(platform::Handle owner, std::string_view file,
                                   std::string_view folder) {
  calls.push_back("ShellExecute " + std::string(file));
  shell_calls.push_back({owner, std::string(file)});
  working_folders.emplace_back(folder);
  return shell_failures.count(std::string(file)) == 0;
}

std::unique_ptr<platform::GlobalKeys> FakePlatform::CreateGlobalKeys() {
  calls.push_back("CreateGlobalKeys");
  auto keys = std::make_unique<FakeGlobalKeys>(*this);
  global_keys = keys.get();
  return keys;
}

bool FakeGlobalKeys::Hold(int id, int shift, platform::GlobalKey key) {
  platform_.calls.push_back("GlobalKeys.Hold " + std::to_string(id));
  if (held.count(id) != 0 || platform_.keys_held_elsewhere.count(key) != 0) {
    return false;
  }
  held[id] = {shift, key};
  return true;
}

void FakeGlobalKeys::Release(int id) {
  platform_.calls.push_back("GlobalKeys.Release " + std::to_string(id));
  held.erase(id);
}

void FakeGlobalKeys::Press(int shift, platform::GlobalKey key) {
  for (const auto& [id, combination] : held) {
    if (combination.shift == shift && combination.key == key) {
      if (on_pressed) {
        on_pressed(id);
      }
      return;
    }
  }
}

std::unique_ptr<platform::Opening> FakePlatform::StartOpening(platform::OpenRequest request) {
  calls.push_back("StartOpening " + request.target);
  open_requests.push_back(request);
  return std::make_unique<FakeOpening>(*this, std::move(request));
}

std::optional<platform::OpenOutcome> FakeOpening::Outcome() {
  if (outcome_ || platform_.openings_held) {
    return outcome_;
  }
  using Status = platform::OpenOutcome::Status;
  platform::OpenOutcome outcome;
  const std::string& target = request_.target;
  if (request_.kind == platform::OpenRequest::Kind::kAddress) {
    platform_.OpenWithShellIn(request_.owner, "about:blank", "");
    if (!platform_.OpenWithShellIn(request_.owner, target, "")) {
      outcome = {Status::kFailed, target, platform_.shell_failures[target]};
    }
    return outcome_ = outcome;
  }
  const auto resolved = platform_.resolved_paths.find(target);
  const std::string path = resolved == platform_.resolved_paths.end() ? target : resolved->second;
  outcome.path = path;
  const std::size_t dot = path.rfind('.');
  if (!platform_.PathExists(path)) {
    outcome.status = Status::kMissing;
  } else if (request_.runs_code(path) ||
             (dot != std::string::npos && platform_.shell_dangerous.count(path.substr(dot)) != 0)) {
    platform_.ShowInFolder(request_.owner, path);
    outcome.status = Status::kShownInFolder;
  } else if (!platform_.OpenWithShellIn(request_.owner, path,
                                        path.substr(0, path.find_last_of('\\')))) {
    outcome = {Status::kFailed, path, platform_.shell_failures[path]};
  }
  return outcome_ = outcome;
}

void FakePlatform::ShowInFolder(platform::Handle owner, std::string_view path) {
  calls.push_back("ShowInFolder " + std::string(path));
  folders_shown.push_back({owner, std::string(path)});
}

bool FakePlatform::PathExists(const std::string& path) {
  calls.push_back("PathExists " + path);
  return existing_paths.count(path) != 0 || files.count(path) != 0;
}

std::unique_ptr<platform::Form> FakePlatform::CreateForm(const platform::FormDesign& design) {
  calls.push_back("CreateForm");
  auto form = std::make_unique<FakeForm>(*this, NewHandle(), design);
  forms.push_back(form.get());
  return form;
}

std::unique_ptr<platform::Timer> FakePlatform::CreateTimer(int interval_ms) {
  calls.push_back("CreateTimer");
  auto timer = std::make_unique<FakeTimer>(*this, interval_ms);
  timers.push_back(timer.get());
  return timer;
}

std::unique_ptr<platform::NotifyIcon> FakePlatform::CreateNotifyIcon(std::string_view tip) {
  calls.push_back("CreateNotifyIcon");
  auto icon = std::make_unique<FakeNotifyIcon>(*this, NewHandle(), tip);
  notify_icons.push_back(icon.get());
  return icon;
}

std::unique_ptr<platform::Dialog> FakePlatform::CreateDialogWindow(
    const platform::DialogDesign& design) {
  calls.push_back("CreateDialog");
  auto dialog = std::make_unique<FakeDialog>(*this, NewHandle(), design);
  dialogs.push_back(dialog.get());
  return dialog;
}

void FakePlatform::SetForegroundWindow(platform::Handle window) {
  calls.push_back("SetForegroundWindow");
  foreground_requests.push_back(window);
}

int FakePlatform::ShowPopupMenu(platform::Handle, const std::vector<platform::MenuItem>& items,
                                int default_item) {
  calls.push_back("ShowPopupMenu");
  if (menu_runs_out_of_memory) {
    throw std::bad_alloc();
  }
  menus.push_back(items);
  menu_defaults.push_back(default_item);
  if (menu_choices.empty()) {
    return -1;
  }
  const int choice = menu_choices.front();
  menu_choices.pop_front();
  return choice;
}

std::int32_t FakePlatform::PickColor(platform::Handle owner, platform::Color initial,
                                     const std::array<platform::Color, 16>& custom_colors) {
  calls.push_back("PickColor");
  color_dialogs.push_back({owner, initial, custom_colors});
  RunPendingEvents();
  if (color_choices.empty()) {
    return -1;
  }
  const std::int32_t choice = color_choices.front();
  color_choices.pop_front();
  return choice;
}

namespace {

void FailIfTold(const std::string& failure) {
  if (!failure.empty()) {
    throw RuntimeError(kErrPathFileAccess, failure);
  }
}

}  // namespace

platform::LogonStart FakePlatform::ReadLogonStart(std::string_view name) {
  calls.push_back("ReadLogonStart " + std::string(name));
  FailIfTold(logon_failure);
  const auto found = logon_starts.find(std::string(name));
  return found == logon_starts.end() ? platform::LogonStart{} : found->second;
}

void FakePlatform::WriteLogonStart(std::string_view name, std::string_view command) {
  calls.push_back("WriteLogonStart " + std::string(name) + " " + std::string(command));
  FailIfTold(logon_failure);
  platform::LogonStart& entry = logon_starts[std::string(name)];
  entry.present = true;
  entry.command = std::string(command);
}

void FakePlatform::EnableLogonStart(std::string_view name) {
  calls.push_back("EnableLogonStart " + std::string(name));
  FailIfTold(logon_failure);
  logon_starts[std::string(name)].disabled = false;
}

void FakePlatform::DeleteLogonStart(std::string_view name) {
  calls.push_back("DeleteLogonStart " + std::string(name));
  FailIfTold(logon_failure);
  logon_starts.erase(std::string(name));
}

}  // namespace wendora::fake
