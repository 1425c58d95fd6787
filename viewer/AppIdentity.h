#pragma once

#include <QIcon>
#include <QString>

// How the desktop knows the viewer: the name its desktop entry, icons and
// metainfo are installed under, and the program's icon.

// The application's identifier (reverse domain name), also the icon's name.
QString ApplicationId();

// The installed theme icon when there is one, else the open book drawn by
// the program at the usual icon sizes.
QIcon ApplicationIcon();

// The icon sizes installed into the hicolor theme, smallest first.
inline constexpr int kApplicationIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
