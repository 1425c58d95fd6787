#include "platform/graphics/Picture.h"

#include "platform/base/AnsiText.h"
#include "platform/displaylist/Metafile.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/JPEGImage.h"
#include "platform/graphics/PainterCanvas.h"

#include <QBuffer>
#include <QFile>

namespace {

// The extension of a file name, dot included; folders may be separated by
// either slash.
std::string Extension(const std::string& FileName) {
    const size_t dot = FileName.find_last_of('.');
    const size_t slash = FileName.find_last_of("\\/");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    return FileName.substr(dot);
}

// The pixels a picture shows at its own size.
QImage Render(const TGraphic& Graphic) {
    if (auto* bitmap = dynamic_cast<const TBitmap*>(&Graphic)) return bitmap->Image();
    if (auto* icon = dynamic_cast<const TIcon*>(&Graphic)) return icon->Image();
    if (auto* jpeg = dynamic_cast<const TJPEGImage*>(&Graphic)) return jpeg->Image();
    QImage image = TPainterCanvas::MakeImage(Graphic.Width(), Graphic.Height());
    {
        TPainterCanvas canvas(image);
        Graphic.Draw(canvas, Rect(0, 0, Graphic.Width(), Graphic.Height()));
    }
    return image;
}

} // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

std::unique_ptr<TGraphic> TPicture::GraphicForFile(const std::string& FileName) {
    const std::string ext = Extension(FileName);
    if (AnsiSameText(ext, ".jpg")) return std::make_unique<TJPEGImage>();
    if (AnsiSameText(ext, ".bmp")) return std::make_unique<TBitmap>();
    if (AnsiSameText(ext, ".ico")) return std::make_unique<TIcon>();
    return std::make_unique<TMetafile>();
}

void TPicture::Changed() {
    if (OnChange) OnChange(this);
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> Value) {
    FGraphic = std::move(Value);
    if (FGraphic) FGraphic->OnChange = [this](TObject*) { Changed(); };
    Changed();
}

TGraphic& TPicture::NewGraphicFor(const std::string& FileName) {
    SetGraphic(GraphicForFile(FileName));
    return *FGraphic;
}

template <class T> T& TPicture::GraphicAs() {
    if (auto* graphic = dynamic_cast<T*>(FGraphic.get())) return *graphic;
    SetGraphic(std::make_unique<T>());
    return static_cast<T&>(*FGraphic);
}

TBitmap& TPicture::Bitmap() {
    return GraphicAs<TBitmap>();
}

TIcon& TPicture::Icon() {
    return GraphicAs<TIcon>();
}

TMetafile& TPicture::Metafile() {
    return GraphicAs<TMetafile>();
}

void TPicture::LoadFromFile(const std::string& FileName) {
    auto graphic = GraphicForFile(FileName);
    graphic->LoadFromFile(FileName);
    SetGraphic(std::move(graphic));
}

bool TPicture::SaveToPngFile(const std::string& FileName) const {
    if (!FGraphic || FGraphic->Empty()) return false;
    return Render(*FGraphic).save(QFile::decodeName(QByteArray::fromStdString(FileName)), "PNG");
}

bool TPicture::EncodePng(std::string& Bytes) const {
    if (!FGraphic || FGraphic->Empty()) return false;
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !Render(*FGraphic).save(&buffer, "PNG")) return false;
    Bytes = png.toStdString();
    return true;
}
