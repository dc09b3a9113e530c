// The picture box's window, its persistent image, and the labels it draws.
#include "platform/win32/picture_box.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/win32/text.h"

namespace wendora::win32 {
namespace {

constexpr wchar_t kPictureClass[] = L"TWendoraPicture";

}  // namespace

Win32PictureBox::Win32PictureBox(const UiState& ui, const Scale& scale, HWND parent,
                                 const platform::Bounds& bounds)
    : ui_(ui), scale_(scale), bounds_(bounds) {
  RegisterWindowClass(kPictureClass, &ForwardToOwner<Win32PictureBox>);
  const RECT place = scale_.ToPixels(bounds);
  window_ = MakeWindow(0, kPictureClass, L"", WS_CHILD | WS_VISIBLE, place, parent, nullptr, this);
  Resize(place.right - place.left, place.bottom - place.top);
}

Win32PictureBox::~Win32PictureBox() {
  labels_.clear();
}

double Win32PictureBox::Width() const {
  return width_ * scale_.TwipsPerPixelX();
}
double Win32PictureBox::Height() const {
  return height_ * scale_.TwipsPerPixelY();
}

void Win32PictureBox::SetWidth(double width) {
  bounds_.width = width;
  Resize(scale_.ToPixelsX(width), height_);
}
void Win32PictureBox::SetHeight(double height) {
  bounds_.height = height;
  Resize(width_, scale_.ToPixelsY(height));
}

void Win32PictureBox::Rescale() {
  const RECT place = scale_.ToPixels(bounds_);
  ::SetWindowPos(window_.get(), nullptr, place.left, place.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  for (const auto& label : labels_) {
    label->Rescale();
  }
}

void Win32PictureBox::Resize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  ::SetWindowPos(window_.get(), nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // A new image of the new size keeps what the old one held, on white.
  UniqueMemoryDc dc;
  UniqueBitmap bitmap;
  {
    const ScreenDc screen;
    dc.reset(::CreateCompatibleDC(screen.get()));
    bitmap.reset(::CreateCompatibleBitmap(screen.get(), std::max(width, 1), std::max(height, 1)));
  }
  MemoryBitmap image(std::move(dc), std::move(bitmap));
  RECT all{0, 0, std::max(width, 1), std::max(height, 1)};
  ::FillRect(image.dc(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  if (image_) {
    ::BitBlt(image.dc(), 0, 0, std::min(width, width_), std::min(height, height_), image_.dc(), 0,
             0, SRCCOPY);
  }
  image_ = std::move(image);  // the old image goes
  width_ = width;
  height_ = height;
  ::InvalidateRect(window_.get(), nullptr, FALSE);
}

void Win32PictureBox::DrawLine(double x1, double y1, double x2, double y2, platform::Color color) {
  UniquePen pen(::CreatePen(PS_SOLID, 1, ToColorRef(color)));
  const SelectObjectScope select(image_.dc(), pen.get());
  ::MoveToEx(image_.dc(), scale_.ToPixelsX(x1), scale_.ToPixelsY(y1), nullptr);
  ::LineTo(image_.dc(), scale_.ToPixelsX(x2), scale_.ToPixelsY(y2));
  ::InvalidateRect(window_.get(), nullptr, FALSE);
}

platform::Label& Win32PictureBox::CreateLabel(const platform::Bounds& bounds,
                                              const platform::FontDesign& font) {
  labels_.push_back(std::make_unique<Win32Label>(*this, bounds, font));
  return *labels_.back();
}

LRESULT Win32PictureBox::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the image covers everything
    case WM_PAINT:
      Paint();
      return 0;
    case WM_LBUTTONDOWN:
      MouseDown(platform::kLeftButton);
      return 0;
    case WM_RBUTTONDOWN:
      MouseDown(platform::kRightButton);
      return 0;
    case WM_MBUTTONDOWN:
      MouseDown(platform::kMiddleButton);
      return 0;
    case WM_LBUTTONUP:
      MouseUp(platform::kLeftButton, lparam);
      return 0;
    case WM_RBUTTONUP:
      MouseUp(platform::kRightButton, lparam);
      return 0;
    case WM_MBUTTONUP:
      MouseUp(platform::kMiddleButton, lparam);
      return 0;
    default:
      return DefaultHandling(ui_, window_.get(), message, wparam, lparam);
  }
}

void Win32PictureBox::Paint() {
  const PaintScope paint(window_.get());
  // Compose the image and the labels off screen, then show them at once.
  UniqueMemoryDc compose(::CreateCompatibleDC(paint.dc()));
  UniqueBitmap frame(
      ::CreateCompatibleBitmap(paint.dc(), std::max(width_, 1), std::max(height_, 1)));
  const SelectObjectScope select(compose.get(), frame.get());
  ::BitBlt(compose.get(), 0, 0, width_, height_, image_.dc(), 0, 0, SRCCOPY);
  for (const auto& label : labels_) {
    label->Draw(compose.get());
  }
  ::BitBlt(paint.dc(), 0, 0, width_, height_, compose.get(), 0, 0, SRCCOPY);
}

void Win32PictureBox::CaptureMouse() {
  ::SetCapture(window_.get());
}

void Win32PictureBox::ReleaseMouse() {
  if (::GetCapture() == window_.get()) {
    ::ReleaseCapture();
  }
}

void Win32PictureBox::MouseDown(int button) {
  if (on_mouse_down) {
    on_mouse_down(button);
  }
}

void Win32PictureBox::MouseUp(int button, LPARAM lparam) {
  const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  for (const auto& label : labels_) {
    const RECT r = label->rect();
    if (::PtInRect(&r, at)) {
      if (label->on_mouse_up) {
        label->on_mouse_up(button);
      }
      return;
    }
  }
  if (on_mouse_up) {
    on_mouse_up(button);
  }
}

// --- Label ------------------------------------------------------------

Win32Label::Win32Label(Win32PictureBox& owner, const platform::Bounds& bounds,
                       const platform::FontDesign& font)
    : owner_(owner), bounds_(bounds), rect_(owner.scale().ToPixels(bounds)), design_(font) {
  MakeFont();
}

void Win32Label::Rescale() {
  rect_ = owner_.scale().ToPixels(bounds_);
  MakeFont();
  Invalidate();
}

void Win32Label::MakeFont() {
  font_.reset(::CreateFontW(owner_.scale().FontHeight(design_.points), 0, 0, 0, FW_NORMAL, FALSE,
                            design_.underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_DONTCARE, Widen(design_.name).c_str()));
}

void Win32Label::Invalidate() const {
  ::InvalidateRect(owner_.window(), &rect_, FALSE);
}

std::string Win32Label::Caption() const {
  return Narrow(caption_);
}

void Win32Label::SetCaption(std::string_view caption) {
  caption_ = Widen(caption);
  caption_.shrink_to_fit();
  Invalidate();
}

double Win32Label::Width() const {
  return (rect_.right - rect_.left) * owner_.scale().TwipsPerPixelX();
}

void Win32Label::SetWidth(double width) {
  Invalidate();
  bounds_.width = width;
  rect_.right = rect_.left + owner_.scale().ToPixelsX(width);
  Invalidate();
}

void Win32Label::SetFontUnderline(bool underline) {
  if (design_.underline != underline) {
    design_.underline = underline;
    MakeFont();
    Invalidate();
  }
}

void Win32Label::SetForeColor(platform::TextColor color) {
  color_ = color;
  Invalidate();
}

double Win32Label::TextWidth(std::string_view text) const {
  const std::wstring wide = Widen(text);
  const ScreenDc screen;
  const SelectObjectScope select(screen.get(), font_.get());
  SIZE size{};
  ::GetTextExtentPoint32W(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
  return size.cx * owner_.scale().TwipsPerPixelX();
}

void Win32Label::Draw(HDC dc) const {
  // Centred, wrapped at word boundaries, clipped to the label's own box; an
  // ampersand is shown as it is, not taken as an access-key marker.
  const int saved = ::SaveDC(dc);
  ::IntersectClipRect(dc, rect_.left, rect_.top, rect_.right, rect_.bottom);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ToColorRef(color_));
  ::SelectObject(dc, font_.get());
  RECT box = rect_;
  ::DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &box,
              DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
  ::RestoreDC(dc, saved);
}

}  // namespace wendora::win32
