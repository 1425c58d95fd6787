// Side boxes: their place at the edge and the layout of their content.
#include "hypertext/HyperLayout.h"

const THyperBorder* THyperLayout::AvoidedBox(int Index) const {
    const TAnchor& anchor = FAnchors[static_cast<size_t>(Index)];
    return anchor.Box && anchor.Box->Side != 0 && !anchor.Over ? anchor.Box : nullptr;
}

std::vector<const THyperBorder*> THyperLayout::AvoidedBoxes() const {
    std::vector<const THyperBorder*> boxes;
    for (auto i = FAnchored.rbegin(); i != FAnchored.rend() && *i >= FClearFrom; ++i)
        if (const THyperBorder* box = AvoidedBox(*i)) boxes.insert(boxes.begin(), box);
    return boxes;
}

// A left box stands at the area's left edge, a right box at its right edge,
// below the earlier boxes of its side; the margin keeps the text beside it
// (and its own content) apart from the box's inner edge.
void THyperLayout::LayoutBorder(THyperWord& Anchor, int Index) {
    THyperBorder& box = *Anchor.Border;
    const int m = Anchor.Style->Margin();
    const bool over = Anchor.Style->OverBorders();
    const bool left = box.Side == 1;
    const bool margin = !over && m < box.Width;

    TRect outer;
    outer.Left = left ? FLeft : FLeft + FWidth - box.Width;
    outer.Right = outer.Left + box.Width;
    TRect content;
    content.Left = !left && margin ? outer.Left + m : outer.Left;
    content.Right = left && margin ? outer.Right - m + 1 : outer.Right + 1;

    outer.Top = FY;
    for (auto a = FAnchored.rbegin(); a != FAnchored.rend() && *a >= FClearFrom; ++a) {
        if (*a >= Index) continue;
        const TAnchor& earlier = FAnchors[static_cast<size_t>(*a)];
        if (earlier.Box && earlier.Box->Side == box.Side && !earlier.Over)
            outer.Top = std::max(outer.Top, earlier.Box->Bounds.Bottom);
    }
    content.Top = outer.Top != 0 && !over ? outer.Top + m : outer.Top;

    FControl.MarkupText(box.Lines, *box.Content, content.Top, content.Right - content.Left,
                        content.Left);
    content.Bottom = FControl.CalcHeight(box.Lines) + 1;
    outer.Bottom = over ? content.Bottom : content.Bottom + m;
    box.Bounds = outer;
    box.ContentBounds = content;
}
