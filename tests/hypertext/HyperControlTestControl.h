#pragma once

#include "hypertext/HyperControl.h"
#include "platform/graphics/Canvas.h"

#include <QImage>
#include <QWidget>
#include <string>
#include <vector>

// A hyper control whose content is a list of links, each drawn as a filled
// rectangle of its own colour and registered as one link rectangle.
class TTestHyper : public THyperControl {
public:
    struct TItem {
        int32_t Id;
        AnsiString Hint;
        TRect R;
        TColor Color;
    };

    explicit TTestHyper(QWidget* Parent) : THyperControl(Parent) { SetHyperState(hsReady); }

    void Changed(TObject* Sender) override {
        ++ChangedCount;
        LastSender = Sender;
        ClearHyperLinks();
    }

    bool PaintTo(TCanvas& Canvas) override {
        if (HyperState() != hsReady) return false;
        ++PaintCount;
        for (const TItem& item : Items) {
            Canvas.Brush().SetColor(item.Color);
            Canvas.FillRect(item.R);
            THyperLink* link = AddHyperLink(item.Id, item.Hint);
            link->ClearRects();
            link->AddRect(item.R);
        }
        return true;
    }

    // Registers the items' links without painting.
    void RegisterLinks() {
        for (const TItem& item : Items)
            AddHyperLink(item.Id, item.Hint)->AddRect(item.R);
    }

    using THyperControl::Click;
    using THyperControl::MouseDown;
    using THyperControl::MouseMove;
    using THyperControl::MouseUp;

    std::vector<TItem> Items;
    int ChangedCount = 0;
    int PaintCount = 0;
    TObject* LastSender = nullptr;
};

// The control as painted on screen.
inline QImage Grab(TTestHyper& Control) {
    return Control.Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline TColor PixelAt(const QImage& Image, int X, int Y) {
    const QRgb p = Image.pixel(X, Y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}
