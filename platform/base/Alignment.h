#pragma once

#include <cstdint>

// Horizontal alignment of text in a control: panels' captions and the
// engine's controls use the same values.
enum TAlignment : uint8_t { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
