#include "publish/SvgCanvas.h"

#include "platform/base/Cp1251.h"
#include "publish/CssStyle.h"
#include "publish/HtmlText.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

std::string Num(double V) {
    if (std::abs(V) < 1e15 && std::abs(V - std::round(V)) < 1e-9)
        return std::to_string(static_cast<long long>(std::round(V)));
    if (!std::isfinite(V)) return "0";
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", V);
    return text;
}

// A transform's coefficient: six significant digits, as three decimals
// would move the far edge of a metafile drawn at 1/16 by pixels.
std::string Coefficient(double V) {
    if (!std::isfinite(V) || V == 0) return "0"; // no "-0"
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", V);
    return text;
}

std::string Matrix(const TXForm& T) {
    return "matrix(" + Coefficient(T.M11) + " " + Coefficient(T.M12) + " " + Coefficient(T.M21) +
           " " + Coefficient(T.M22) + " " + Coefficient(T.Dx) + " " + Coefficient(T.Dy) + ")";
}

std::string Attr(const char* Name, double V) {
    return std::string(" ") + Name + "=\"" + Num(V) + "\"";
}

std::string PointList(const std::vector<TPoint>& Points) {
    std::string out;
    for (const TPoint& p : Points) {
        if (!out.empty()) out += ' ';
        out += Num(p.X) + "," + Num(p.Y);
    }
    return out;
}

TRect Intersect(const TRect& A, const TRect& B) {
    return Rect(std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
                std::min(A.Bottom, B.Bottom));
}

// The dash pattern of a pen style, scaled by the pen's width.
std::string DashArray(TPenStyle Style, double Width) {
    const double w = std::max(1e-6, Width);
    switch (Style) {
    case psDash:
        return Num(6 * w) + "," + Num(2 * w);
    case psDot:
        return Num(w) + "," + Num(w);
    case psDashDot:
        return Num(6 * w) + "," + Num(2 * w) + "," + Num(w) + "," + Num(2 * w);
    case psDashDotDot:
        return Num(6 * w) + "," + Num(2 * w) + "," + Num(w) + "," + Num(2 * w) + "," + Num(w) +
               "," + Num(2 * w);
    default:
        return "";
    }
}

// The point on the ellipse in R at the direction of P from its centre.
void EllipsePoint(const TRect& R, TPoint P, double& X, double& Y, double& Angle) {
    const double cx = (R.Left + R.Right) / 2.0, cy = (R.Top + R.Bottom) / 2.0;
    const double rx = std::max(0.5, (R.Right - R.Left) / 2.0);
    const double ry = std::max(0.5, (R.Bottom - R.Top) / 2.0);
    Angle = std::atan2(-(P.Y - cy) / ry, (P.X - cx) / rx);
    X = cx + rx * std::cos(Angle);
    Y = cy - ry * std::sin(Angle);
}

} // namespace

TSvgCanvas::TSvgCanvas(int Width, int Height, TImageSaver SaveImage)
    : FWidth(std::max(1, Width)), FHeight(std::max(1, Height)), FSaveImage(std::move(SaveImage)) {}

TSvgCanvas::~TSvgCanvas() = default;

std::string TSvgCanvas::NewId(const char* Prefix) {
    return Prefix + std::to_string(++FNextId);
}

std::string TSvgCanvas::TransformAttribute() const {
    const TXForm t = EffectiveTransform();
    if (t.IsIdentity()) return "";
    return " transform=\"" + Matrix(t) + "\"";
}

// Pens thinner than a pixel on the page are drawn a pixel wide, and hatch
// patterns are eight pixels of the page whatever the transform: both are
// measured on the page, not in the transformed units of a metafile.
double TSvgCanvas::TransformScale() const {
    return std::sqrt(std::abs(EffectiveTransform().Determinant()));
}

std::string TSvgCanvas::StrokeAttributes() const {
    const TPen& pen = Pen();
    if (pen.Style() == psClear || pen.Mode() == pmNop) return NoStroke();
    // A pen thinner than a pixel on the page is a pixel wide, in the shape's
    // own units (its transform scales it back to one pixel).
    const double scale = TransformScale();
    const double width =
        scale > 0 && pen.Width() * scale < 1 ? 1 / scale : std::max(1, pen.Width());
    std::string a = " stroke=\"" + CssColor(pen.Color()) + "\"" + Attr("stroke-width", width);
    const std::string dash = DashArray(pen.Style(), width);
    if (!dash.empty()) a += " stroke-dasharray=\"" + dash + "\"";
    return a;
}

std::string TSvgCanvas::FillAttributes() {
    const TBrush& brush = Brush();
    if (brush.Style() == bsClear) return " fill=\"none\"";
    const std::string colour = CssColor(brush.Color());
    if (brush.Style() == bsSolid) return " fill=\"" + colour + "\"";
    // Hatched brushes: an 8 x 8 pattern of the hatch lines on a clear ground,
    // laid on the page's pixels (the inverse of the shape's transform).
    static const char* const hatches[] = {"M0,4H8",   "M4,0V8",       "M0,0L8,8",
                                          "M0,8L8,0", "M0,4H8M4,0V8", "M0,0L8,8M0,8L8,0"};
    const int index = std::clamp(static_cast<int>(brush.Style()) - bsHorizontal, 0, 5);
    std::string onPage;
    const TXForm t = EffectiveTransform();
    if (!t.IsIdentity() && std::abs(t.Determinant()) > 1e-12)
        onPage = " patternTransform=\"" + Matrix(t.Inverse()) + "\"";
    const std::string id = NewId("h");
    FDefs += "<pattern id=\"" + id + "\" width=\"8\" height=\"8\" patternUnits=\"userSpaceOnUse\"" +
             onPage + "><path d=\"" + hatches[index] + "\" stroke=\"" + colour +
             "\" stroke-width=\"1\"/></pattern>";
    return " fill=\"url(#" + id + ")\"";
}

void TSvgCanvas::Shape(const std::string& Element, const std::string& Attributes) {
    FBody += "<" + Element + Attributes + TransformAttribute() + "/>\n";
}

TRect TSvgCanvas::CurrentClip() const {
    TRect clip = FClipBounds.empty() ? Rect(0, 0, FWidth, FHeight) : FClipBounds.back();
    if (!HasClipRect()) return clip;
    const TRect& r = ClipRectValue();
    const TXForm t = EffectiveTransform();
    double x0 = 1e18, y0 = 1e18, x1 = -1e18, y1 = -1e18;
    for (const TPoint p : {TPoint{r.Left, r.Top}, TPoint{r.Right, r.Top}, TPoint{r.Left, r.Bottom},
                           TPoint{r.Right, r.Bottom}}) {
        const double x = p.X * t.M11 + p.Y * t.M21 + t.Dx;
        const double y = p.X * t.M12 + p.Y * t.M22 + t.Dy;
        x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
    }
    const auto clamp = [](double v) { return static_cast<int>(std::clamp(v, -1e8, 1e8)); };
    return Intersect(clip, Rect(clamp(std::floor(x0)), clamp(std::floor(y0)), clamp(std::ceil(x1)),
                                clamp(std::ceil(y1))));
}

TRect TSvgCanvas::DeviceClipRect() const {
    return CurrentClip();
}

void TSvgCanvas::ClipChanged() {
    if (FGroupOpen) FBody += "</g>\n";
    const TRect clip = CurrentClip();
    const std::string id = NewId("c");
    FDefs += "<clipPath id=\"" + id + "\"><rect" + Attr("x", clip.Left) + Attr("y", clip.Top) +
             Attr("width", std::max(0, clip.Right - clip.Left)) +
             Attr("height", std::max(0, clip.Bottom - clip.Top)) + "/></clipPath>";
    FBody += "<g clip-path=\"url(#" + id + ")\">\n";
    FGroupOpen = true;
}

void TSvgCanvas::PushClipBound() {
    FClipBounds.push_back(CurrentClip());
}

void TSvgCanvas::PopClipBound() {
    if (!FClipBounds.empty()) FClipBounds.pop_back();
}

void TSvgCanvas::Text(int X, int Y, const AnsiString& Text, unsigned Align) {
    if (Text.empty()) return;
    const TTextMetric m = TextMetrics();
    const int width = TextWidth(Text);
    int left = X;
    std::string anchor;
    if ((Align & TA_CENTER) == TA_CENTER) {
        anchor = " text-anchor=\"middle\"";
        left = X - width / 2;
    } else if (Align & TA_RIGHT) {
        anchor = " text-anchor=\"end\"";
        left = X - width;
    }
    int baseline = Y + m.tmAscent;
    if ((Align & TA_BASELINE) == TA_BASELINE)
        baseline = Y;
    else if (Align & TA_BOTTOM)
        baseline = Y - m.tmDescent;
    const int top = baseline - m.tmAscent;
    std::string rotate;
    if (Font().Escapement() != 0)
        rotate = " rotate(" + Num(-Font().Escapement() / 10.0) + " " + Num(X) + " " + Num(Y) + ")";
    std::string transform = TransformAttribute();
    if (!rotate.empty()) {
        if (transform.empty())
            transform = " transform=\"" + rotate.substr(1) + "\"";
        else
            transform.insert(transform.size() - 1, rotate);
    }
    if (Brush().Style() == bsSolid)
        FBody += "<rect" + Attr("x", left) + Attr("y", top) + Attr("width", width) +
                 Attr("height", m.tmHeight) + " fill=\"" + CssColor(Brush().Color()) + "\"" +
                 transform + "/>\n";
    FBody += "<text" + Attr("x", X) + Attr("y", baseline) + anchor +
             " xml:space=\"preserve\" style=\"" + CssFont(Font()) + "\" fill=\"" +
             CssColor(Font().Color()) + "\"" + transform + ">" + XmlText(Text) + "</text>\n";
}

void TSvgCanvas::DoTextOut(int X, int Y, const AnsiString& Text) {
    this->Text(X, Y, Text, TextAlign());
}

// Lines of the text at their explicit breaks, placed by the horizontal and
// (for a single line) vertical flags; words are not wrapped again.
// The runs are placed as the screen places them: lines broken at words,
// accelerators underlined, the brush colour behind them when it is solid.
void TSvgCanvas::DoDrawText(const AnsiString& Text, const TRect& R, unsigned Flags) {
    int lineHeight = 0;
    const std::vector<TPlacedTextRun> runs = PlaceText(Text, R, Flags, lineHeight);
    const TTextMetric metrics = TextMetrics();
    const std::string transform = TransformAttribute();
    const std::string colour = CssColor(Font().Color());
    const bool opaque = Brush().Style() == bsSolid;
    const bool clipped = !(Flags & DT_NOCLIP) && !runs.empty();
    if (clipped) {
        const std::string id = NewId("c");
        FDefs += "<clipPath id=\"" + id + "\"><rect" + Attr("x", R.Left) + Attr("y", R.Top) +
                 Attr("width", R.Width()) + Attr("height", R.Height()) + transform +
                 "/></clipPath>";
        FBody += "<g clip-path=\"url(#" + id + ")\">\n";
    }
    for (const TPlacedTextRun& run : runs) {
        if (opaque)
            FBody += "<rect" + Attr("x", run.X) + Attr("y", run.Y) + Attr("width", run.Width) +
                     Attr("height", lineHeight) + " fill=\"" + CssColor(Brush().Color()) + "\"" +
                     transform + "/>\n";
        FBody += "<text" + Attr("x", run.X) + Attr("y", run.Y + metrics.tmAscent) +
                 " xml:space=\"preserve\" style=\"" + CssFont(Font()) + "\" fill=\"" + colour +
                 "\"" + transform + ">" + XmlText(run.Text) + "</text>\n";
        for (const int i : run.Underlined) {
            const int from = TextWidth(run.Text.substr(0, static_cast<size_t>(i)));
            const int to = TextWidth(run.Text.substr(0, static_cast<size_t>(i) + 1));
            FBody += "<rect" + Attr("x", run.X + from) + Attr("y", run.Y + metrics.tmAscent + 1) +
                     Attr("width", to - from) + Attr("height", 1) + " fill=\"" + colour + "\"" +
                     transform + "/>\n";
        }
    }
    if (clipped) FBody += "</g>\n";
}

void TSvgCanvas::DoLine(TPoint From, TPoint To) {
    Shape("line", Attr("x1", From.X + 0.5) + Attr("y1", From.Y + 0.5) + Attr("x2", To.X + 0.5) +
                      Attr("y2", To.Y + 0.5) + StrokeAttributes() + " stroke-linecap=\"square\"");
}

// Outlined shapes: the pen's line runs half a pixel inside the excluded
// right and bottom edges, as the platform draws them.
void TSvgCanvas::DoRectangle(const TRect& R) {
    Shape("rect", Attr("x", R.Left + 0.5) + Attr("y", R.Top + 0.5) +
                      Attr("width", std::max(0, R.Right - R.Left - 1)) +
                      Attr("height", std::max(0, R.Bottom - R.Top - 1)) + FillAttributes() +
                      StrokeAttributes());
}

void TSvgCanvas::DoFillRect(const TRect& R) {
    Shape("rect",
          Attr("x", R.Left) + Attr("y", R.Top) + Attr("width", std::max(0, R.Right - R.Left)) +
              Attr("height", std::max(0, R.Bottom - R.Top)) + FillAttributes() + NoStroke());
}

void TSvgCanvas::DoFrameRect(const TRect& R) {
    Shape("rect", Attr("x", R.Left + 0.5) + Attr("y", R.Top + 0.5) +
                      Attr("width", std::max(0, R.Right - R.Left - 1)) +
                      Attr("height", std::max(0, R.Bottom - R.Top - 1)) +
                      " fill=\"none\" stroke=\"" + CssColor(Brush().Color()) +
                      "\" stroke-width=\"1\"");
}

void TSvgCanvas::DoRoundRect(const TRect& R, int CornerWidth, int CornerHeight) {
    Shape("rect", Attr("x", R.Left + 0.5) + Attr("y", R.Top + 0.5) +
                      Attr("width", std::max(0, R.Right - R.Left - 1)) +
                      Attr("height", std::max(0, R.Bottom - R.Top - 1)) +
                      Attr("rx", std::max(0, CornerWidth) / 2.0) +
                      Attr("ry", std::max(0, CornerHeight) / 2.0) + FillAttributes() +
                      StrokeAttributes());
}

void TSvgCanvas::DoEllipse(const TRect& R) {
    Shape("ellipse", Attr("cx", (R.Left + R.Right - 1) / 2.0 + 0.5) +
                         Attr("cy", (R.Top + R.Bottom - 1) / 2.0 + 0.5) +
                         Attr("rx", std::max(0, R.Right - R.Left - 1) / 2.0) +
                         Attr("ry", std::max(0, R.Bottom - R.Top - 1) / 2.0) + FillAttributes() +
                         StrokeAttributes());
}

// Counter-clockwise on the screen from the start radial to the end radial.
void TSvgCanvas::DoArc(TArcKind Kind, const TRect& R, TPoint Start, TPoint End) {
    double x0, y0, a0, x1, y1, a1;
    EllipsePoint(R, Start, x0, y0, a0);
    EllipsePoint(R, End, x1, y1, a1);
    double sweep = a1 - a0;
    while (sweep <= 0)
        sweep += 2 * std::numbers::pi;
    const double rx = (R.Right - R.Left) / 2.0, ry = (R.Bottom - R.Top) / 2.0;
    std::string d = "M" + Num(x0) + "," + Num(y0);
    if (sweep >= 2 * std::numbers::pi - 1e-9) {
        // A whole turn: two half arcs, as one arc cannot end where it starts.
        const double xm = 2 * ((R.Left + R.Right) / 2.0) - x0,
                     ym = 2 * ((R.Top + R.Bottom) / 2.0) - y0;
        d += "A" + Num(rx) + "," + Num(ry) + " 0 0 0 " + Num(xm) + "," + Num(ym);
        d += "A" + Num(rx) + "," + Num(ry) + " 0 0 0 " + Num(x0) + "," + Num(y0);
    } else {
        d += "A" + Num(rx) + "," + Num(ry) + " 0 " + (sweep > std::numbers::pi ? "1" : "0") +
             " 0 " + Num(x1) + "," + Num(y1);
    }
    if (Kind == akPie)
        d += "L" + Num((R.Left + R.Right) / 2.0) + "," + Num((R.Top + R.Bottom) / 2.0);
    if (Kind != akArc) d += "Z";
    Shape("path", " d=\"" + d + "\"" +
                      (Kind == akArc ? std::string(" fill=\"none\"") : FillAttributes()) +
                      StrokeAttributes());
}

void TSvgCanvas::DoPolygon(const std::vector<TPoint>& Points) {
    if (Points.empty()) return;
    const char* rule = PolyFillMode() == pfWinding ? "nonzero" : "evenodd";
    Shape("polygon", " points=\"" + PointList(Points) + "\" fill-rule=\"" + rule + "\"" +
                         FillAttributes() + StrokeAttributes());
}

void TSvgCanvas::DoPolyline(const std::vector<TPoint>& Points) {
    if (Points.empty()) return;
    Shape("polyline", " points=\"" + PointList(Points) + "\" fill=\"none\"" + StrokeAttributes());
}

void TSvgCanvas::DoPolyBezier(const std::vector<TPoint>& Points) {
    if (Points.empty()) return;
    std::string d = "M" + Num(Points[0].X) + "," + Num(Points[0].Y);
    for (size_t i = 1; i + 2 < Points.size(); i += 3)
        d += "C" + PointList({Points[i], Points[i + 1], Points[i + 2]});
    Shape("path", " d=\"" + d + "\" fill=\"none\"" + StrokeAttributes());
}

void TSvgCanvas::DoPath(const TCanvasPath& Path, TPathDraw How) {
    std::string d;
    size_t p = 0;
    for (const TCanvasPath::TVerb verb : Path.Verbs) {
        const size_t need = verb == TCanvasPath::BezierTo ? 3 : verb == TCanvasPath::Close ? 0 : 1;
        if (p + need > Path.Points.size()) break;
        if (verb == TCanvasPath::MoveTo) d += "M" + PointList({Path.Points[p]});
        if (verb == TCanvasPath::LineTo) d += "L" + PointList({Path.Points[p]});
        if (verb == TCanvasPath::BezierTo)
            d += "C" + PointList({Path.Points[p], Path.Points[p + 1], Path.Points[p + 2]});
        if (verb == TCanvasPath::Close) d += "Z";
        p += need;
    }
    if (d.empty()) return;
    const char* rule = PolyFillMode() == pfWinding ? "nonzero" : "evenodd";
    const std::string fill = (How & pdFill) ? FillAttributes() : std::string(" fill=\"none\"");
    const std::string stroke = (How & pdStroke) ? StrokeAttributes() : NoStroke();
    Shape("path", " d=\"" + d + "\" fill-rule=\"" + rule + "\"" + fill + stroke);
}

void TSvgCanvas::DoGradientFillRect(const TRect& R, TColor From, TColor To, bool Vertical) {
    const std::string id = NewId("g");
    FDefs += "<linearGradient id=\"" + id + "\" x1=\"0\" y1=\"0\" x2=\"" + (Vertical ? "0" : "1") +
             "\" y2=\"" + (Vertical ? "1" : "0") + "\"><stop offset=\"0\" stop-color=\"" +
             CssColor(From) + "\"/><stop offset=\"1\" stop-color=\"" + CssColor(To) +
             "\"/></linearGradient>";
    Shape("rect", Attr("x", R.Left) + Attr("y", R.Top) +
                      Attr("width", std::max(0, R.Right - R.Left)) +
                      Attr("height", std::max(0, R.Bottom - R.Top)) + " fill=\"url(#" + id + ")\"" +
                      NoStroke());
}

TColor TSvgCanvas::DoGetPixel(int, int) const {
    return clNone;
}

void TSvgCanvas::DoSetPixel(int X, int Y, TColor Color) {
    Shape("rect", Attr("x", X) + Attr("y", Y) + " width=\"1\" height=\"1\" fill=\"" +
                      CssColor(Color) + "\"" + NoStroke());
}

void TSvgCanvas::DoFloodFill(int, int, TColor, TFillStyle) {}

void TSvgCanvas::DoDrawImage(const TRect& Dest, const QImage& Image) {
    const std::string href = FSaveImage ? FSaveImage(Image) : std::string();
    if (href.empty()) return;
    Shape("image", Attr("x", Dest.Left) + Attr("y", Dest.Top) +
                       Attr("width", std::max(0, Dest.Right - Dest.Left)) +
                       Attr("height", std::max(0, Dest.Bottom - Dest.Top)) +
                       " preserveAspectRatio=\"none\" xlink:href=\"" + XmlEscape(href) + "\"");
}

void TSvgCanvas::AddLink(const TRect& R, const std::string& Href, const std::string& Title) {
    FLinks += "<a xlink:href=\"" + XmlEscape(Href) + "\"><title>" + XmlEscape(Title) +
              "</title><rect" + Attr("x", R.Left) + Attr("y", R.Top) +
              Attr("width", std::max(0, R.Right - R.Left)) +
              Attr("height", std::max(0, R.Bottom - R.Top)) +
              " fill=\"#ffffff\" fill-opacity=\"0\"/></a>\n";
}

std::string TSvgCanvas::Document() const {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                      "xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.1\"" +
                      Attr("width", FWidth) + Attr("height", FHeight) + " viewBox=\"0 0 " +
                      Num(FWidth) + " " + Num(FHeight) + "\">\n";
    if (!FDefs.empty()) out += "<defs>" + FDefs + "</defs>\n";
    out += FBody;
    if (FGroupOpen) out += "</g>\n";
    out += FLinks;
    out += "</svg>\n";
    return out;
}
