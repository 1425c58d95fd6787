#include "publish/PageLayout.h"

#include "hypertext/HyperText.h"
#include "hypertext/VectorPicture.h"
#include "platform/base/FileNames.h"
#include "platform/widgets/Form.h"

TPageLayout::TPageLayout(TPictureSource Pictures)
    : FForm(std::make_unique<TForm>()), FView(std::make_unique<THyperText>(FForm.get())),
      FVectorPicture(std::make_unique<TVectorPicture>(FForm.get())) {
    ConfigurePageView(*FView, *FVectorPicture, std::move(Pictures));
}

TPageLayout::~TPageLayout() {
    FView.reset();
    FVectorPicture.reset();
}

void TPageLayout::Load(const TStringList& Lines, TColor Color, int Width, int Height,
                       const std::string& Folder) {
    FView->SetStretch(false);
    FView->SetColor(Color);
    // Without stretching, the view's size becomes its real size.
    FView->SetBoundsRect(Bounds(0, 0, Width, Height));
    const std::string cwd = GetCurrentDir();
    if (!Folder.empty()) SetCurrentDir(Folder);
    FView->SetLines(Lines);
    if (!Folder.empty()) SetCurrentDir(cwd);
}

const TMetafile& TPageLayout::Render() {
    FView->RenderIfDirty();
    return FView->Rendering();
}
