#pragma once

#include "platform/base/Types.h"

#include <functional>

class THyperText;
class TStream;
class TVectorPicture;

// Where the page view takes the pictures its macros name: reads the picture
// Name through Read, setting Processed when it was read and Aborted on an
// error (the pictures store's lookup, bound by the host).
using TPictureSource =
    std::function<void(const AnsiString& Name, const std::function<void(TStream&)>& Read,
                       bool& Processed, bool& Aborted)>;

// Configures View as a textbook's page view: index style 70 high, default
// font "Times new roman" 13 pt justified to the page, tab size 5, VectorPicture
// (hidden) rendering its inline vector pictures, and pictures from Pictures.
// The viewer's window and plbtool share this, so both show a page alike.
void ConfigurePageView(THyperText& View, TVectorPicture& VectorPicture, TPictureSource Pictures);
