#pragma once

// The player's forms and the test forms were laid out where "0" in their font
// ("ＭＳ Ｐゴシック", 12 pixels) stood 12 pixels high. Where another font stands in for it and
// its text measures otherwise (Wine's stand-in measures 13), a form scales its controls and
// its client area by the height here over 12. These give a length of such a design as it is
// on this desktop.

// The height of "0" in the design's font on this desktop.
int DesignFontTextHeight();

// A position or a length of the design, scaled.
int Scaled(int length);

// The length of a span that starts at start, as its two ends are scaled.
int ScaledSpan(int start, int length);
