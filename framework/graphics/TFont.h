#pragma once

#include "Colors.h"
#include "Published.h"
#include "PublishedEnum.h"
#include "String.h"
#include "TGraphicsObject.h"
#include "TSet.h"

#include <windows.h>

#define SORVANE_TFontPitch(X) X(fpDefault) X(fpVariable) X(fpFixed)
SORVANE_ENUM(TFontPitch, SORVANE_TFontPitch)

#define SORVANE_TFontStyle(X) X(fsBold) X(fsItalic) X(fsUnderline) X(fsStrikeOut)
SORVANE_ENUM(TFontStyle, SORVANE_TFontStyle)
using TFontStyles = TSet<TFontStyle>;

// A text font: the description of a Windows font and the font object made from it on demand.
// Height is in pixels and negative for a character height (as the form resources hold it).
class TFont : public TGraphicsObject {
public:
  SORVANE_CLASS(TFont, TGraphicsObject)
  SORVANE_PUBLISHED

  TFont();
  ~TFont() override;

  TFontCharset Charset() const { return charset_; }
  void SetCharset(TFontCharset value);
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  int Height() const { return height_; }
  void SetHeight(int value);
  const String& Name() const { return name_; }
  void SetName(const String& value);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch value);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles value);
  // The size in points at the screen's resolution.
  int Size() const;
  void SetSize(int points);

  // The Windows font object (CreateFontIndirectA), made on first use.
  HFONT Handle() const;

  void Assign(const TPersistent& source) override;

private:
  void Modified();

  TFontCharset charset_ = TFontCharset(DEFAULT_CHARSET);
  TColor color_ = clWindowText;
  int height_ = -12;
  String name_;
  TFontPitch pitch_ = fpDefault;
  TFontStyles style_;
  mutable HFONT handle_ = nullptr;
};

// The resolution of the screen, pixels per inch.
int ScreenPixelsPerInch();

// The height of the text "0" in font on the screen.
int TextHeightOf(const TFont& font);
