#pragma once

#include "platform/base/Rect.h"

#include <QPointer>
#include <memory>

class QObject;
class QVideoWidget;
class QWidget;

// The video widget of a media player on its display panel: a child of the
// panel placed at a rectangle (the whole panel, following its size, when the
// rectangle is empty), shown only while there is a clip with pictures. The
// widget is made when a player first asks for it (making one starts the media
// framework, which a window without clips need not wait for). It goes with the
// panel; the surface deletes it when it leaves a panel.
class TVideoSurface {
public:
    TVideoSurface();
    ~TVideoSurface();
    TVideoSurface(const TVideoSurface&) = delete;
    TVideoSurface& operator=(const TVideoSurface&) = delete;

    // Puts the surface on Panel at Rect; a null Panel takes it off any panel.
    void SetPanel(QWidget* Panel, const TRect& Rect);
    // Whether a clip with pictures is open.
    void SetShown(bool Value);
    QWidget* Panel() const { return FPanel; }
    // What the player renders into: the video widget, or none without a panel.
    QVideoWidget* Output();
    // Hands the video widget, hidden, to a player that is going away; the next
    // clip gets a fresh one. Null when there is none.
    QVideoWidget* Release();

private:
    class TResizeFilter;
    void Place();

    QPointer<QWidget> FPanel;
    QPointer<QVideoWidget> FVideo;
    std::unique_ptr<TResizeFilter> FResizeFilter;
    TRect FRect;
    bool FShown = false;
};
