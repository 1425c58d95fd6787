#include "PageView.h"

#include "MarkupInput.h"
#include "hypertext/HyperControl.h"
#include "platform/base/AnsiText.h"
#include "platform/base/Colors.h"
#include "platform/base/FileNames.h"
#include "platform/displaylist/Metafile.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Picture.h"

#include <cstdlib>

namespace {

// Sides of a page image beyond which a request is refused.
constexpr int MaxSide = 16384;

bool ParseInt(const std::string& Text, int& Value) {
    if (Text.empty()) return false;
    char* end = nullptr;
    const long v = std::strtol(Text.c_str(), &end, 10);
    if (*end || v < -1000000 || v > 1000000) return false;
    Value = static_cast<int>(v);
    return true;
}

bool ParseSize(const std::string& Text, int& Width, int& Height) {
    const size_t x = Text.find_first_of("xX");
    return x != std::string::npos && ParseInt(Text.substr(0, x), Width) &&
           ParseInt(Text.substr(x + 1), Height) && Width > 0 && Height > 0 && Width <= MaxSide &&
           Height <= MaxSide;
}

} // namespace

bool ParsePageRequest(const TCommandArgs& Args, bool WithRender, const char* Syntax,
                      TPageRequest& Request) {
    const auto fail = [Syntax] {
        Usage(Syntax);
        return false;
    };
    bool pageGiven = false;
    for (size_t i = 0; i < Args.size(); ++i) {
        const std::string& a = Args[i];
        const bool hasValue = i + 1 < Args.size();
        if (a == "--markup" && hasValue && Request.Markup.empty()) {
            Request.Markup = Args[++i];
        } else if (a == "--page" && hasValue && !pageGiven) {
            if (!ParseInt(Args[++i], Request.Page)) return fail();
            pageGiven = true;
        } else if (a == "--size" && hasValue) {
            if (!ParseSize(Args[++i], Request.Width, Request.Height)) {
                Usage("--size expects WxH, each 1 to 16384");
                return false;
            }
        } else if (WithRender && a == "--zoom" && hasValue) {
            if (!ParseInt(Args[++i], Request.Zoom)) return fail();
        } else if (WithRender && a == "--all" && !Request.All) {
            Request.All = true;
        } else if (WithRender && a == "--no-background" && Request.Background) {
            Request.Background = false;
        } else if (WithRender && a == "-o" && hasValue && Request.Output.empty()) {
            Request.Output = Args[++i];
        } else if (Request.Book.empty() && !a.empty() && a[0] != '-') {
            Request.Book = a;
        } else {
            return fail();
        }
    }
    const bool markup = !Request.Markup.empty();
    const bool book = !Request.Book.empty() && (pageGiven != Request.All);
    if (markup == book || (markup && (pageGiven || Request.All || !Request.Book.empty())) ||
        (WithRender && Request.Output.empty()))
        return fail();
    if ((Request.All || !Request.Background) && !Request.Pdf()) {
        Usage("--all and --no-background write a PDF: -o OUT.pdf");
        return false;
    }
    if (Request.Zoom != 0 && Request.Pdf()) {
        Usage("--zoom applies to PNG output; a PDF page is scaled to the paper");
        return false;
    }
    return true;
}

bool TPageRequest::Pdf() const {
    return AnsiLowerCase(ExtractFileExt(Output)) == ".pdf";
}

TPageView::TPageView()
    : FLayout([this](const AnsiString& Name, const std::function<void(TStream&)>& Read,
                     bool& Processed, bool& Aborted) {
          if (FBook.Pictures.Data) FBook.Pictures.LoadPicture(Name, Read, Processed, Aborted);
      }),
      FColor(ColorToRGB(clBtnFace)) {}

bool TPageView::Load(const TPageRequest& Request, std::string& Error) {
    TStringList lines;
    if (!Request.Markup.empty()) {
        AnsiString text;
        if (!ReadMarkupFile(Request.Markup, text, Error)) return false;
        lines.SetText(text);
    } else {
        if (!LoadBook(Request.Book, FBook)) {
            Error = FBook.Error;
            return false;
        }
        const TPLBDataItem* page = nullptr;
        for (const auto& item : FBook.Book->Items)
            if (item->Number == Request.Page) {
                page = item.get();
                break;
            }
        if (!page) {
            Error = Request.Book + ": no page " + std::to_string(Request.Page);
            return false;
        }
        lines.Assign(page->Lines);
        FColor = ColorToRGB(page->Color);
    }
    // Pictures the book does not store are looked for in the folder of the
    // book (or markup file), which the viewer makes current.
    const std::string input = Request.Markup.empty() ? Request.Book : Request.Markup;
    FLayout.Load(lines, FColor, Request.Width, Request.Height, ExtractFilePath(input));
    return true;
}

const TMetafile& TPageView::Render() {
    return FLayout.Render();
}

bool TPageView::Zoom(int Step) {
    if (Step == 0) return true;
    const int h = std::abs(View().DefaultStyle().Font()->Height());
    if (h <= 0) return false;
    const int64_t width = int64_t{h + Step} * Control().RealWidth() / h;
    const int64_t height = int64_t{h + Step} * Control().RealHeight() / h;
    if (width < 1 || height < 1 || width > MaxSide || height > MaxSide) return false;
    View().SetStretch(true);
    View().SetBoundsRect(Bounds(0, 0, static_cast<int>(width), static_cast<int>(height)));
    return true;
}

bool TPageView::SavePng(const std::string& FileName) {
    const TMetafile& rendering = Render();
    TPicture picture;
    TBitmap& bitmap = picture.Bitmap();
    bitmap.SetSize(View().Width(), View().Height());
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetColor(FColor);
    canvas.Brush().SetStyle(bsSolid);
    canvas.FillRect(View().ClientRect());
    if (View().Width() == Control().RealWidth() && View().Height() == Control().RealHeight())
        canvas.Draw(0, 0, &rendering);
    else
        canvas.StretchDraw(View().ClientRect(), &rendering);
    return picture.SaveToPngFile(FileName);
}
