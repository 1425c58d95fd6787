#pragma once

#include "platform/base/Control.h"
#include "platform/base/Rect.h"

namespace myDefines {

// Moves Inner so that it is centred in Outer, keeping its size; an odd pixel
// of free space goes to the right and bottom (arithmetic halving).
void CenterRect(const TRect& Outer, TRect& Inner);
// The same along the asked axes only.
void CenterRect(const TRect& Outer, TRect& Inner, bool Horizontally, bool Vertically);
// Centres Control's bounds on Reference's bounds.
void CenterControl(const TControl& Reference, TControl& Control);
// Centres the control in its parent's client area.
void CenterInWindow(TControl& Control);

} // namespace myDefines
