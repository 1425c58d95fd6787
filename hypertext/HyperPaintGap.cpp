// The gap after a word is painted with spaces, so that underline, strike-out
// and background run on between two words that share them.
#include "hypertext/HyperPainter.h"

#include "hypertext/HyperMeasure.h"
#include "platform/base/Colors.h"
#include "platform/graphics/Canvas.h"

#include <algorithm>

namespace {

int GapWeight(const THyperWord& Word, const THyperWord& Next, TFontStyles Styles) {
    const bool bold = Word.Style->Font()->Style().Contains(fsBold);
    if (bold != Next.Style->Font()->Style().Contains(fsBold))
        return Styles.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    if (Word.Style->FontWeight() != 0) return Word.Style->FontWeight();
    return bold ? FW_BOLD : FW_NORMAL;
}

} // namespace

void THyperPainter::PaintGap(const THyperWord& Word, const THyperWord& Next, const TPlaced& P) {
    const THyperStyle& style = *Word.Style;
    const THyperStyle& nextStyle = *Next.Style;
    TFontStyles styles = style.Font()->Style() * nextStyle.Font()->Style();
    TColor back = style.BackColor();
    bool solid = style.Background();
    if (nextStyle.Font()->Color() != style.Font()->Color() ||
        nextStyle.Background() != style.Background() ||
        nextStyle.BackColor() != style.BackColor()) {
        const THyperStyle& plain = FControl.DefaultStyle();
        back = ColorToRGB(plain.BackColor());
        solid = plain.Background();
        styles = plain.Font()->Style();
    }
    // Spaces over a clear brush without lines leave no mark: nothing to draw.
    if (!solid && !styles.Contains(fsUnderline) && !styles.Contains(fsStrikeOut)) return;

    SelectFont(Word, P.IndexFont);
    TFont& font = FCanvas.Font();
    font.SetStyle(styles);
    const int weight = GapWeight(Word, Next, styles);
    if (font.Weight() != weight) {
        LOGFONTA lf = font.LogFont();
        lf.lfWeight = weight;
        font.SetLogFont(lf);
    }
    FCanvas.Brush().SetColor(back);
    FCanvas.Brush().SetStyle(solid ? bsSolid : bsClear);
    const int space = FCanvas.TextWidth(" ");
    if (space <= 0) return;
    const int start = P.X + P.M.Width;
    for (int s = 0; s < P.M.Gap; s += space)
        FCanvas.TextOut(start + std::min(s, P.M.Gap - space), P.Y, " ");
}
