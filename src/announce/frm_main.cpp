#include "announce/frm_main.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "announce/gradient.h"
#include "base/text.h"
#include "base/texts.h"

namespace wendora {
namespace {

// The form as designed: its client area lies far above the top edge of the
// screen, so it stays out of sight even if it were shown before a slide-in.
constexpr platform::FormDesign kDesign{0, -4950, 8895, 1335};
constexpr double kLabelMargin = 240;
constexpr double kUrlHeight = 495;
constexpr double kLineHeight = 255;
constexpr platform::Color kLinkBlue = 0xFF0000;    // red 0, green 0, blue 255
constexpr const char* kEllipsis = "\xE2\x80\xA6";  // "…"

}  // namespace

FrmMain::FrmMain(platform::Platform& platform, const CurrentSettings& settings)
    : platform_(platform), settings_(settings) {}

void FrmMain::Load() {
  form_ = platform_.CreateForm(kDesign);
  picMainContainer_ = &form_->CreatePictureBox({0, 0, 8895, 1335});
  lblURL_ = &picMainContainer_->CreateLabel({kLabelMargin, 120, 8415, kUrlHeight},
                                            {std::string(Text(TextId::kBannerFont)), 18});
  lblAnnounce_ = &picMainContainer_->CreateLabel({kLabelMargin, 660, 8415, kLineHeight},
                                                 {std::string(Text(TextId::kBannerFont)), 9});
  lblCancelAnnounce_ = &picMainContainer_->CreateLabel({kLabelMargin, 960, 8415, kLineHeight},
                                                       {std::string(Text(TextId::kBannerFont)), 9});

  // As a button does: a press on the banner takes the mouse, so that its
  // release counts wherever it happens.
  picMainContainer_->on_mouse_down = [this](int) { picMainContainer_->CaptureMouse(); };
  const auto mouse_up = [this](int button) {
    picMainContainer_->ReleaseMouse();
    if (on_mouse_up) {
      on_mouse_up(button);
    }
  };
  picMainContainer_->on_mouse_up = mouse_up;
  lblURL_->on_mouse_up = mouse_up;
  lblAnnounce_->on_mouse_up = mouse_up;
  lblCancelAnnounce_->on_mouse_up = mouse_up;
  // At another scale the same twips are other pixels.
  form_->on_dpi_changed = [this] { LayOut(); };

  LayOut();
}

platform::MonitorChoice FrmMain::MonitorChoice() const {
  switch (settings_.AnnounceMonitor) {
    case 1:
      return platform::MonitorChoice::kForegroundWindow;
    case 2:
      return platform::MonitorChoice::kMousePointer;
    default:
      return platform::MonitorChoice::kPrimary;
  }
}

void FrmMain::LayOut() {
  laid_out_on_ = form_->Monitor();
  high_contrast_ = platform_.HighContrast();
  lblURL_->SetForeColor(shows_address_ ? AddressColor() : TextColor());
  lblAnnounce_->SetForeColor(TextColor());
  lblCancelAnnounce_->SetForeColor(TextColor());
  form_->SetLeft(laid_out_on_.left);
  form_->SetWidth(laid_out_on_.width);
  picMainContainer_->SetHeight(form_->ClientHeight());
  picMainContainer_->SetWidth(form_->ClientWidth());
  const double label_width = picMainContainer_->Width() - 2 * kLabelMargin;
  lblURL_->SetWidth(label_width);
  lblAnnounce_->SetWidth(label_width);
  lblCancelAnnounce_->SetWidth(label_width);
  const double tpp_x = form_->TwipsPerPixelX();
  const double tpp_y = form_->TwipsPerPixelY();
  url_limit_ = VisibleCharacterLimit(label_width, kUrlHeight, tpp_x, tpp_y);
  line_limit_ = VisibleCharacterLimit(label_width, kLineHeight, tpp_x, tpp_y);

  PaintGradient(TopColor(settings_), BottomColor(settings_));
}

void FrmMain::PaintGradient(platform::Color top, platform::Color bottom) {
  if (high_contrast_) {
    top = bottom = high_contrast_->window;  // the theme's window colour, evenly
  }
  DrawGradient(*picMainContainer_, form_->TwipsPerPixelY(), top, bottom);
}

platform::TextColor FrmMain::AddressColor() const {
  return high_contrast_ ? platform::TextColor::Rgb(high_contrast_->text)
                        : platform::TextColor::Rgb(kLinkBlue);
}

platform::TextColor FrmMain::TextColor() const {
  return high_contrast_ ? platform::TextColor::Rgb(high_contrast_->text)
                        : platform::TextColor::ButtonText();
}

void FrmMain::ShowAddress(std::string_view address, std::size_t front) {
  shows_address_ = true;
  lblURL_->SetFontUnderline(true);
  lblURL_->SetForeColor(AddressColor());
  lblURL_->SetCaption(Shortened(FirstUtf16Units(address, url_limit_), front));
}

std::string FrmMain::Shortened(std::string_view address, std::size_t front) const {
  const double room = lblURL_->Width();
  front = std::min(front, address.size());
  if (front == 0 || lblURL_->TextWidth(address) <= room) {
    return std::string(address);
  }
  // Where each character of a part ends, and the most of them that fit.
  const auto ends_of = [&](std::size_t from, std::size_t to) {
    std::vector<std::size_t> ends;
    for (std::size_t pos = from; pos < to;) {
      pos += CharacterLength(address, pos);
      ends.push_back(pos);
    }
    return ends;
  };
  const auto most_that_fit = [&](std::size_t count, const auto& text) {
    std::size_t fits = 0;
    std::size_t too_many = count + 1;
    while (too_many - fits > 1) {
      const std::size_t middle = fits + (too_many - fits) / 2;
      (lblURL_->TextWidth(text(middle)) <= room ? fits : too_many) = middle;
    }
    return text(fits);
  };
  const std::string whole_front = std::string(address.substr(0, front)) + kEllipsis;
  if (lblURL_->TextWidth(whole_front) <= room) {
    // The path is cut, as much of it kept as fits.
    const std::vector<std::size_t> ends = ends_of(front, address.size());
    return most_that_fit(ends.size(), [&](std::size_t characters) {
      return std::string(address.substr(0, characters == 0 ? front : ends[characters - 1])) +
             kEllipsis;
    });
  }
  // A host too wide for the banner keeps its end, which says where it goes
  // ("…example.com"), behind its scheme.
  const std::size_t scheme = address.substr(0, front).find("://");
  const std::size_t host = scheme == std::string_view::npos ? 0 : scheme + 3;
  const std::vector<std::size_t> ends = ends_of(host, front);
  return most_that_fit(ends.size(), [&](std::size_t characters) {
    // The last characters start where the one before them ends.
    const std::size_t first = ends.size() - characters;
    const std::size_t kept_from = characters == 0 ? front : first == 0 ? host : ends[first - 1];
    return std::string(address.substr(0, host)) + kEllipsis +
           std::string(address.substr(kept_from, front - kept_from));
  });
}

void FrmMain::ShowCommandTitle(std::string_view title) {
  shows_address_ = false;
  lblURL_->SetFontUnderline(false);
  lblURL_->SetForeColor(TextColor());
  lblURL_->SetCaption(FirstUtf16Units(title, url_limit_));
}

void FrmMain::SetExplanation(std::string_view text) {
  lblAnnounce_->SetCaption(FirstUtf16Units(text, line_limit_));
}

void FrmMain::TellScreenReaders() {
  std::string text = lblURL_->Caption() + " " + lblAnnounce_->Caption();
  if (keys_named_) {
    text.append(" ").append(Text(TextId::kBannerKeysSentence));
  }
  form_->SetText(text);
  has_text_ = true;
  form_->RaiseAlert();
}

void FrmMain::SetCountdownText(std::string_view text) {
  lblCancelAnnounce_->SetCaption(FirstUtf16Units(text, line_limit_));
}

void FrmMain::Hide() {
  form_->Hide();
  // The next announcement sets all three again.
  for (platform::Label* label : {lblURL_, lblAnnounce_, lblCancelAnnounce_}) {
    if (!label->Caption().empty()) {
      label->SetCaption("");
    }
  }
  if (has_text_) {
    form_->SetText("");
    has_text_ = false;
  }
}

void FrmMain::SlideIn() {
  // The monitor is chosen afresh for each announcement; one of another place,
  // size or scale lays the banner out anew.
  form_->PutOnMonitor(MonitorChoice());
  if (!(form_->Monitor() == laid_out_on_) || platform_.HighContrast() != high_contrast_) {
    LayOut();
  }
  const double top = laid_out_on_.top;
  form_->Show();
  form_->SetTop(top - form_->Height());
  platform_.DoEvents();
  // No yield between the steps: the thread is busy until the window arrives.
  // The 1 ms sleeps last 1 ms only at the finer timer resolution, which is
  // asked for just as long as the slide takes.
  platform_.SetFineTimerResolution(true);
  while (form_->Top() < top) {
    form_->SetTop(form_->Top() + form_->TwipsPerPixelY());
    platform_.Sleep(1);
  }
  platform_.SetFineTimerResolution(false);
  TellScreenReaders();
}

std::size_t VisibleCharacterLimit(double width, double height, double twips_per_pixel_x,
                                  double twips_per_pixel_y) {
  const double columns = std::ceil(width / twips_per_pixel_x);
  const double lines = std::floor(height / twips_per_pixel_y / 8) + 1;
  return columns > 0 ? static_cast<std::size_t>(columns * lines) : 0;
}

}  // namespace wendora
