#pragma once

#include "data/Textbook.h"
#include "platform/base/HeadlessControls.h"

// A progress record over windowless controls, for loads without a window.
struct THeadlessProgress {
    THeadlessProgress() { Box.SetParentClientSize(772, 523); }
    THeadlessProgress(const THeadlessProgress&) = delete;
    THeadlessProgress& operator=(const THeadlessProgress&) = delete;

    THeadlessControl Form;
    THeadlessControl Box;
    THeadlessLabel Caption;
    THeadlessGauge Gauge;
    TPLBProgress Record{&Form, &Box, &Caption, &Gauge};
};
