#include "platform/media/VideoSurface.h"

#include <QEvent>
#include <QVideoWidget>

// Keeps a surface that fills its panel at the panel's size.
class TVideoSurface::TResizeFilter : public QObject {
public:
    explicit TResizeFilter(TVideoSurface& Surface) : FSurface(Surface) {}

    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Event->type() == QEvent::Resize && Watched == FSurface.FPanel) FSurface.Place();
        return false;
    }

private:
    TVideoSurface& FSurface;
};

TVideoSurface::TVideoSurface() : FResizeFilter(std::make_unique<TResizeFilter>(*this)) {}

TVideoSurface::~TVideoSurface() {
    SetPanel(nullptr, {});
}

void TVideoSurface::SetPanel(QWidget* Panel, const TRect& Rect) {
    FRect = Rect;
    if (Panel != FPanel) {
        if (FPanel) FPanel->removeEventFilter(FResizeFilter.get());
        delete FVideo.data();
        FPanel = Panel;
        if (Panel) Panel->installEventFilter(FResizeFilter.get());
    }
    Place();
}

QVideoWidget* TVideoSurface::Release() {
    QVideoWidget* video = FVideo;
    if (video) video->hide();
    FVideo = nullptr;
    return video;
}

void TVideoSurface::SetShown(bool Value) {
    FShown = Value;
    Place();
}

QVideoWidget* TVideoSurface::Output() {
    if (!FVideo && FPanel) {
        FVideo = new QVideoWidget(FPanel);
        FVideo->setAttribute(Qt::WA_TransparentForMouseEvents);
        Place();
    }
    return FVideo;
}

void TVideoSurface::Place() {
    if (!FVideo || !FPanel) return;
    if (!FRect.IsEmpty())
        FVideo->setGeometry(FRect.Left, FRect.Top, FRect.Width(), FRect.Height());
    else
        FVideo->setGeometry(FPanel->rect());
    FVideo->setVisible(FShown);
}
