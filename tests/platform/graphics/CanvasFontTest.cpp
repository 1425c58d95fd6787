#include "CanvasTestSupport.h"
#include "platform/base/Brush.h"
#include "platform/base/Colors.h"
#include "platform/base/Font.h"
#include "platform/base/Pen.h"
#include "platform/graphics/PainterCanvas.h"
#include "platform/graphics/QtConvert.h"

#include <QFontInfo>
#include <cstring>
#include <gtest/gtest.h>

namespace {

struct TChangeCounter {
    int Count = 0;
    TObject* Last = nullptr;
    TNotifyEvent Handler() {
        return [this](TObject* Sender) {
            ++Count;
            Last = Sender;
        };
    }
};

LOGFONTA Describe(const char* Face, int Height, int Weight) {
    LOGFONTA lf;
    lf.lfHeight = Height;
    lf.lfWeight = Weight;
    lf.lfCharSet = RUSSIAN_CHARSET;
    std::strncpy(lf.lfFaceName, Face, LF_FACESIZE - 1);
    return lf;
}

} // namespace

TEST(CanvasFont, SizeAndHeightConvertAt96Dpi) {
    EXPECT_EQ(FontSizeToHeight(13), -17);
    EXPECT_EQ(FontSizeToHeight(8), -11);
    EXPECT_EQ(FontSizeToHeight(12), -16);
    EXPECT_EQ(FontHeightToSize(-17), 13);
    EXPECT_EQ(FontHeightToSize(-16), 12);
    TFont font;
    font.SetSize(13);
    EXPECT_EQ(font.Height(), -17);
    EXPECT_EQ(font.Size(), 13);
    font.SetHeight(20); // a cell height gives a negative size
    EXPECT_EQ(font.Size(), -15);
}

TEST(CanvasFont, SettersReportEachRealChangeOnce) {
    TFont font;
    TChangeCounter changes;
    font.OnChange = changes.Handler();
    font.SetName("Arial");
    font.SetName("Arial");
    font.SetSize(10);
    font.SetHeight(font.Height());
    font.SetColor(clRed);
    font.SetCharset(RUSSIAN_CHARSET);
    font.SetPitch(fpFixed);
    font.SetStyle({fsBold, fsItalic});
    font.SetStyle({fsItalic, fsBold});
    EXPECT_EQ(changes.Count, 6);
    EXPECT_EQ(changes.Last, &font);

    TFont copy;
    TChangeCounter copied;
    copy.OnChange = copied.Handler();
    copy.Assign(font);
    copy.Assign(font);
    EXPECT_EQ(copied.Count, 1);
    EXPECT_TRUE(copy.SameAs(font));
    EXPECT_EQ(copy.Name(), "Arial");
    EXPECT_EQ(copy.Color(), clRed);
    EXPECT_TRUE(copy.Style().Contains(fsBold));
}

TEST(CanvasFont, LogicalDescriptionKeepsWhatPropertiesCannotExpress) {
    TFont font;
    TChangeCounter changes;
    font.OnChange = changes.Handler();
    LOGFONTA lf = Describe("Times New Roman", -20, 600);
    lf.lfWidth = 7;
    lf.lfEscapement = 900;
    lf.lfOrientation = 900;
    lf.lfItalic = 1;
    lf.lfPitchAndFamily = FIXED_PITCH;
    font.SetLogFont(lf);
    EXPECT_EQ(changes.Count, 1);
    EXPECT_EQ(font.Name(), "Times New Roman");
    EXPECT_EQ(font.Height(), -20);
    EXPECT_EQ(font.Charset(), RUSSIAN_CHARSET);
    EXPECT_EQ(font.Pitch(), fpFixed);
    EXPECT_EQ(font.Weight(), 600);
    EXPECT_FALSE(font.Style().Contains(fsBold)); // 600 is not bold
    EXPECT_TRUE(font.Style().Contains(fsItalic));
    EXPECT_EQ(font.Width(), 7);
    EXPECT_EQ(font.Escapement(), 900);
    EXPECT_TRUE(font.LogFont() == lf);

    font.SetColor(clBlue); // the colour is not part of the description
    EXPECT_EQ(font.Weight(), 600);
    font.SetSize(20); // a described property: the description is rebuilt
    EXPECT_EQ(font.Weight(), FW_NORMAL);
    EXPECT_EQ(font.Escapement(), 0);
    EXPECT_TRUE(font.Style().Contains(fsItalic));

    font.SetLogFont(Describe("Arial", -12, 700));
    EXPECT_TRUE(font.Style().Contains(fsBold));
}

TEST(CanvasFont, DescriptionFromPropertiesAndLongFaceNames) {
    TFont font;
    font.SetName(std::string(40, 'x'));
    font.SetStyle({fsBold, fsUnderline, fsStrikeOut});
    font.SetPitch(fpVariable);
    font.SetCharset(RUSSIAN_CHARSET);
    LOGFONTA lf = font.LogFont();
    EXPECT_EQ(std::strlen(lf.lfFaceName), 31u);
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_EQ(lf.lfUnderline, 1);
    EXPECT_EQ(lf.lfStrikeOut, 1);
    EXPECT_EQ(lf.lfItalic, 0);
    EXPECT_EQ(lf.lfPitchAndFamily, VARIABLE_PITCH);
    EXPECT_EQ(lf.lfCharSet, RUSSIAN_CHARSET);
    EXPECT_EQ(lf.lfEscapement, 0);
}

TEST(CanvasFont, FacesResolveToInstalledFonts) {
    EXPECT_EQ(ResolveFontFamily("Times new roman", fpDefault), "Liberation Serif");
    EXPECT_EQ(ResolveFontFamily("ARIAL", fpDefault), "Liberation Sans");
    EXPECT_EQ(ResolveFontFamily("Courier New", fpFixed), "Liberation Mono");
    EXPECT_EQ(ResolveFontFamily("Tahoma", fpDefault), "DejaVu Sans");
    EXPECT_EQ(ResolveFontFamily("MS Sans Serif", fpDefault), "DejaVu Sans");
    EXPECT_EQ(ResolveFontFamily("No Such Face", fpFixed), "DejaVu Sans Mono");

    TFont font;
    font.SetName("Times new roman");
    font.SetSize(13);
    QFont q = ToQFont(font);
    EXPECT_EQ(q.pixelSize(), 17);
    EXPECT_EQ(QFontInfo(q).family(), "Liberation Serif");
}

TEST(CanvasFont, MetricsFollowTheHeightConvention) {
    QImage image = TPainterCanvas::MakeImage(10, 10);
    TPainterCanvas canvas(image);
    canvas.Font().SetName("Arial");
    canvas.Font().SetHeight(-17); // em height
    TTextMetric em = canvas.TextMetrics();
    EXPECT_EQ(em.tmHeight, em.tmAscent + em.tmDescent);
    EXPECT_EQ(em.tmInternalLeading, em.tmHeight - 17);
    EXPECT_GT(em.tmInternalLeading, 0);
    EXPECT_GT(em.tmAveCharWidth, 0);
    EXPECT_EQ(canvas.TextHeight("W"), em.tmHeight);

    canvas.Font().SetHeight(30); // cell height
    EXPECT_NEAR(canvas.TextMetrics().tmHeight, 30, 1);
    int normal = canvas.TextWidth("WWWW");

    LOGFONTA wide = canvas.Font().LogFont();
    wide.lfWidth = 2 * canvas.TextMetrics().tmAveCharWidth;
    canvas.Font().SetLogFont(wide);
    EXPECT_GT(canvas.TextWidth("WWWW"), normal * 3 / 2);
}

TEST(CanvasColors, SystemColoursUseTheClassicScheme) {
    EXPECT_EQ(ColorToRGB(clBtnFace), 0xC0C0C0);
    EXPECT_EQ(ColorToRGB(clBtnShadow), 0x808080);
    EXPECT_EQ(ColorToRGB(clWindow), 0xFFFFFF);
    EXPECT_EQ(ColorToRGB(clWindowText), 0x000000);
    EXPECT_EQ(ColorToRGB(clHighlight), 0x800000);
    EXPECT_EQ(ColorToRGB(clInfoBk), 0xE1FFFF);
    EXPECT_EQ(ColorToRGB(SystemColor(40)), clBlack); // outside the table
    EXPECT_EQ(ColorToRGB(clRed), clRed);
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(clInfoBk, static_cast<TColor>(0x80000018));
    EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(clBtnFace), QColor(192, 192, 192));
}

TEST(CanvasPenBrush, ChangesAndValidation) {
    TPen pen;
    TChangeCounter penChanges;
    pen.OnChange = penChanges.Handler();
    pen.SetWidth(-3);
    EXPECT_EQ(pen.Width(), 0);
    pen.SetStyle(psDot);
    pen.SetStyle(static_cast<TPenStyle>(9)); // not a pen style: ignored
    pen.SetMode(pmXor);
    pen.SetMode(pmXor);
    pen.SetColor(clRed);
    EXPECT_EQ(penChanges.Count, 4);
    EXPECT_EQ(pen.Style(), psDot);

    TBrush brush;
    TChangeCounter brushChanges;
    brush.OnChange = brushChanges.Handler();
    TBrushPattern bad{8, 8, std::vector<TColor>(10, clRed)};
    brush.SetPattern(bad);
    EXPECT_FALSE(brush.HasPattern());
    TBrushPattern good{8, 8, std::vector<TColor>(64, clRed)};
    brush.SetPattern(good);
    brush.SetPattern(good);
    EXPECT_TRUE(brush.HasPattern());
    brush.SetStyle(bsClear);
    EXPECT_FALSE(brush.IsClear()); // the pattern still paints
    brush.ClearPattern();
    EXPECT_TRUE(brush.IsClear());
    EXPECT_EQ(brushChanges.Count, 3);
}
