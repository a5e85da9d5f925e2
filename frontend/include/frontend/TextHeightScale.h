#pragma once

namespace quarl {

// The window font's text height at 96 dots per inch, for which every position and size of the window is drawn.
inline constexpr int DesignTextHeight = 13;

// A length drawn for DesignTextHeight, scaled to a font whose text is textHeight pixels high: rounded to the
// nearest pixel, halves away from zero, as the Windows MulDiv rounds.
[[nodiscard]] int ScaledToTextHeight(int pixels, int textHeight) noexcept;

} // namespace quarl
