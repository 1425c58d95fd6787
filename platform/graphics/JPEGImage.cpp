#include "platform/graphics/JPEGImage.h"

#include "platform/base/WorkQueue.h"
#include "platform/decoders/JpegDecoder.h"
#include "platform/decoders/JpegSegments.h"
#include "platform/graphics/Canvas.h"

#include <QImage>
#include <future>

// A decoding under way: the job owns its bytes, so the picture may go before
// the job has run.
struct TJPEGImage::TDecoding {
    std::future<QImage> Result;
};

TJPEGImage::TJPEGImage() = default;
TJPEGImage::~TJPEGImage() = default;

const QImage& TJPEGImage::Image() const {
    if (FDecoding) {
        FImage = FDecoding->Result.get();
        FDecoding.reset();
    }
    return *FImage;
}

void TJPEGImage::Assign(const TJPEGImage& Source) {
    if (&Source == this) return;
    FImage = Source.Image();
    FDecoding.reset();
    FWidth = Source.FWidth;
    FHeight = Source.FHeight;
    Changed();
}

void TJPEGImage::LoadFromStream(TStream& Stream) {
    auto bytes = std::make_shared<TBytes>(ReadJpegBytes(Stream));
    int width = 0, height = 0;
    CheckJpegHeader(*bytes, width, height);
    auto task = std::make_shared<std::packaged_task<QImage()>>([bytes] {
        try {
            return DecodeJpeg(*bytes);
        } catch (const EInvalidGraphic&) {
            return QImage();
        }
    });
    auto decoding = std::make_shared<TDecoding>();
    decoding->Result = task->get_future();
    TWorkQueue::Shared().Post([task] { (*task)(); });
    FDecoding = std::move(decoding);
    FImage = QImage();
    FWidth = width;
    FHeight = height;
    Changed();
}

void TJPEGImage::Draw(TCanvas& Canvas, const TRect& Dest) const {
    if (Empty() || Image().isNull()) return;
    Canvas.DrawImage(Dest, Image());
}
