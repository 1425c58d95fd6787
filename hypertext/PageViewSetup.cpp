#include "hypertext/PageViewSetup.h"

#include "hypertext/HyperText.h"
#include "hypertext/VectorPicture.h"
#include "platform/graphics/Graphic.h"

void ConfigurePageView(THyperText& View, TVectorPicture& VectorPicture, TPictureSource Pictures) {
    View.IndexStyleObject().SetHeight(70);
    TFont& font = *View.DefaultStyle().Font();
    font.SetName("Times new roman");
    font.SetSize(13);
    View.DefaultStyle().SetAlignment(haPage);
    View.SetTabSize(5);
    VectorPicture.SetVisible(false);
    View.SetVectorPicture(&VectorPicture);
    View.SetOnGraphicLoad([Pictures = std::move(Pictures)](THyperText*, TGraphic* Graphic,
                                                           const AnsiString& Name, bool& Processed,
                                                           bool& Aborted) {
        if (!Graphic || !Pictures || Aborted) return;
        Pictures(
            Name, [Graphic](TStream& Stream) { Graphic->LoadFromStream(Stream); }, Processed,
            Aborted);
    });
}
