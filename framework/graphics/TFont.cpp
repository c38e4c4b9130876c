#include "TFont.h"

#include <algorithm>

namespace {

const char defaultFontName[] = "ＭＳ Ｐゴシック";

BYTE PitchFlags(TFontPitch pitch) {
  switch (pitch) {
  case fpVariable:
    return VARIABLE_PITCH;
  case fpFixed:
    return FIXED_PITCH;
  case fpDefault:
    break;
  }
  return DEFAULT_PITCH;
}

} // namespace

int ScreenPixelsPerInch() {
  HDC screen = GetDC(nullptr);
  int ppi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return ppi;
}

int TextHeightOf(const TFont& font) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, font.Handle());
  SIZE size{};
  GetTextExtentPoint32A(screen, "0", 1, &size);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return size.cy;
}

TFont::TFont() : name_(defaultFontName) {}

TFont::~TFont() {
  if (handle_) {
    DeleteObject(handle_);
  }
}

void TFont::Modified() {
  if (handle_) {
    DeleteObject(handle_);
    handle_ = nullptr;
  }
  Changed();
}

void TFont::SetCharset(TFontCharset value) {
  if (charset_ != value) {
    charset_ = value;
    Modified();
  }
}

void TFont::SetColor(TColor value) {
  if (color_ != value) {
    color_ = value;
    Changed();
  }
}

void TFont::SetHeight(int value) {
  if (height_ != value) {
    height_ = value;
    Modified();
  }
}

void TFont::SetName(const String& value) {
  if (!value.empty() && name_ != value) {
    name_ = value;
    Modified();
  }
}

void TFont::SetPitch(TFontPitch value) {
  if (pitch_ != value) {
    pitch_ = value;
    Modified();
  }
}

void TFont::SetStyle(TFontStyles value) {
  if (style_ != value) {
    style_ = value;
    Modified();
  }
}

int TFont::Size() const { return -MulDiv(height_, 72, ScreenPixelsPerInch()); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, ScreenPixelsPerInch(), 72)); }

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTA description{};
    description.lfHeight = height_;
    description.lfWeight = style_.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    description.lfItalic = style_.Contains(fsItalic) ? 1 : 0;
    description.lfUnderline = style_.Contains(fsUnderline) ? 1 : 0;
    description.lfStrikeOut = style_.Contains(fsStrikeOut) ? 1 : 0;
    description.lfCharSet = charset_;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = PitchFlags(pitch_);
    std::size_t length = std::min(name_.size(), sizeof description.lfFaceName - 1);
    std::copy_n(name_.data(), length, description.lfFaceName);
    handle_ = CreateFontIndirectA(&description);
  }
  return handle_;
}

void TFont::Assign(const TPersistent& source) {
  const auto* font = dynamic_cast<const TFont*>(&source);
  if (!font) {
    TPersistent::Assign(source);
    return;
  }
  charset_ = font->charset_;
  color_ = font->color_;
  height_ = font->height_;
  name_ = font->name_;
  pitch_ = font->pitch_;
  style_ = font->style_;
  Modified();
}

SORVANE_ENUM_TYPE(TFontPitch, SORVANE_TFontPitch)
SORVANE_ENUM_TYPE(TFontStyle, SORVANE_TFontStyle)

TPublishedTables TFont::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TFont::Charset, &TFont::SetCharset>("Charset"),
      PublishedProperty<&TFont::Color, &TFont::SetColor>("Color"),
      PublishedProperty<&TFont::Height, &TFont::SetHeight>("Height"),
      PublishedProperty<&TFont::Name, &TFont::SetName>("Name"),
      PublishedProperty<&TFont::Pitch, &TFont::SetPitch>("Pitch"),
      PublishedProperty<&TFont::Size, &TFont::SetSize>("Size"),
      PublishedProperty<&TFont::Style, &TFont::SetStyle>("Style"),
  };
  return {properties};
}
