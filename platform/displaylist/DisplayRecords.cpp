#include "platform/displaylist/DisplayRecords.h"

#include "platform/base/Cp1251.h"

#include <QImage>
#include <array>
#include <cstdio>

namespace {

std::string Num(long long V) {
    return std::to_string(V);
}

std::string Hex(uint32_t V) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", V);
    return buf;
}

std::string Real(double V) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", V);
    return buf;
}

std::string Color(TColor C) {
    return Hex(static_cast<uint32_t>(C));
}

std::string RectText(const TRect& R) {
    return "(" + Num(R.Left) + ", " + Num(R.Top) + ", " + Num(R.Right) + ", " + Num(R.Bottom) + ")";
}

std::string PointText(TPoint P) {
    return "(" + Num(P.X) + ", " + Num(P.Y) + ")";
}

// A text in UTF-8 between double quotes; quotes, backslashes and control
// characters escaped.
std::string Quoted(const AnsiString& Text) {
    std::string out = "\"";
    for (char c : Cp1251ToUtf8(Text)) {
        unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", u);
            out += buf;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void Line(std::string& Out, int Indent, const std::string& Text) {
    Out.append(static_cast<size_t>(Indent) * 2, ' ');
    Out += Text;
    Out += '\n';
}

const char* PenStyleName(TPenStyle S) {
    static constexpr std::array<const char*, 7> names = {
        "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"};
    return S < names.size() ? names[S] : "?";
}

const char* PenModeName(TPenMode M) {
    static constexpr std::array<const char*, 16> names = {
        "pmBlack",       "pmWhite",      "pmNop",         "pmNot",        "pmCopy",  "pmNotCopy",
        "pmMergePenNot", "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge",
        "pmMask",        "pmNotMask",    "pmXor",         "pmNotXor"};
    return M < names.size() ? names[M] : "?";
}

const char* BrushStyleName(TBrushStyle S) {
    static constexpr std::array<const char*, 8> names = {
        "bsSolid",     "bsClear",     "bsHorizontal", "bsVertical",
        "bsFDiagonal", "bsBDiagonal", "bsCross",      "bsDiagCross"};
    return S < names.size() ? names[S] : "?";
}

std::string StyleSet(TFontStyles S) {
    static constexpr std::array<const char*, 4> names = {"fsBold", "fsItalic", "fsUnderline",
                                                         "fsStrikeOut"};
    std::string out = "[";
    for (int i = 0; i < 4; ++i) {
        if (!S.Contains(static_cast<TFontStyle>(i))) continue;
        if (out.size() > 1) out += ",";
        out += names[static_cast<size_t>(i)];
    }
    return out + "]";
}

std::string PointsText(const std::vector<TPoint>& Points) {
    std::string out;
    for (TPoint p : Points)
        out += " " + PointText(p);
    return out;
}

class TPenRecord : public TDisplayRecord {
public:
    explicit TPenRecord(const TPen& P) { FPen.Assign(P); }
    void Play(TCanvas& C) const override { C.SetPen(FPen); }
    void Trace(std::string& Out, int Indent) const override {
        Line(Out, Indent,
             std::string("Pen style=") + PenStyleName(FPen.Style()) +
                 " color=" + Color(FPen.Color()) + " width=" + Num(FPen.Width()) +
                 " mode=" + PenModeName(FPen.Mode()));
    }

private:
    TPen FPen;
};

class TBrushRecord : public TDisplayRecord {
public:
    explicit TBrushRecord(const TBrush& B) { FBrush.Assign(B); }
    void Play(TCanvas& C) const override { C.SetBrush(FBrush); }
    void Trace(std::string& Out, int Indent) const override {
        std::string text = std::string("Brush style=") + BrushStyleName(FBrush.Style()) +
                           " color=" + Color(FBrush.Color());
        if (FBrush.HasPattern()) {
            const TBrushPattern& p = FBrush.Pattern();
            text += " pattern=" + Num(p.Width) + "x" + Num(p.Height);
            for (TColor c : p.Pixels)
                text += " " + Color(c);
        }
        Line(Out, Indent, text);
    }

private:
    TBrush FBrush;
};

class TFontRecord : public TDisplayRecord {
public:
    explicit TFontRecord(const TFont& F) { FFont.Assign(F); }
    void Play(TCanvas& C) const override { C.SetFont(FFont); }
    void Trace(std::string& Out, int Indent) const override {
        static constexpr std::array<const char*, 3> pitches = {"fpDefault", "fpVariable",
                                                               "fpFixed"};
        Line(Out, Indent,
             "Font name=" + Quoted(FFont.Name()) + " height=" + Num(FFont.Height()) +
                 " charset=" + Num(FFont.Charset()) + " color=" + Color(FFont.Color()) +
                 " pitch=" + pitches[FFont.Pitch() % 3] + " style=" + StyleSet(FFont.Style()) +
                 " weight=" + Num(FFont.Weight()) + " width=" + Num(FFont.Width()) +
                 " escapement=" + Num(FFont.Escapement()) +
                 " orientation=" + Num(FFont.Orientation()));
    }

private:
    TFont FFont;
};

class TTextAlignRecord : public TDisplayRecord {
public:
    explicit TTextAlignRecord(unsigned A) : FAlign(A) {}
    void Play(TCanvas& C) const override { C.SetTextAlign(FAlign); }
    void Trace(std::string& Out, int Indent) const override {
        Line(Out, Indent, "TextAlign " + Hex(FAlign));
    }

private:
    unsigned FAlign;
};

class TFillModeRecord : public TDisplayRecord {
public:
    explicit TFillModeRecord(TPolyFillMode M) : FMode(M) {}
    void Play(TCanvas& C) const override { C.SetPolyFillMode(FMode); }
    void Trace(std::string& Out, int Indent) const override {
        Line(Out, Indent,
             std::string("PolyFillMode ") + (FMode == pfWinding ? "pfWinding" : "pfAlternate"));
    }

private:
    TPolyFillMode FMode;
};

class TTransformRecord : public TDisplayRecord {
public:
    explicit TTransformRecord(const TXForm& X) : FX(X) {}
    void Play(TCanvas& C) const override { C.SetTransform(FX); }
    void Trace(std::string& Out, int Indent) const override {
        Line(Out, Indent,
             "Transform " + Real(FX.M11) + " " + Real(FX.M12) + " " + Real(FX.M21) + " " +
                 Real(FX.M22) + " " + Real(FX.Dx) + " " + Real(FX.Dy));
    }

private:
    TXForm FX;
};

class TClipRecord : public TDisplayRecord {
public:
    explicit TClipRecord(const TRect* R) : FHas(R != nullptr), FRect(R ? *R : TRect{}) {}
    void Play(TCanvas& C) const override {
        if (FHas)
            C.SetClipRect(FRect);
        else
            C.ResetClipRect();
    }
    void Trace(std::string& Out, int Indent) const override {
        Line(Out, Indent, FHas ? "ClipRect " + RectText(FRect) : std::string("ResetClipRect"));
    }

private:
    bool FHas;
    TRect FRect;
};

class TTextOutRecord : public TDisplayRecord {
public:
    TTextOutRecord(int X, int Y, const AnsiString& T) : FX(X), FY(Y), FText(T) {}
    void Play(TCanvas& C) const override { C.TextOut(FX, FY, FText); }
    void Trace(std::string& Out, int Indent) const override {
        Line(Out, Indent, "TextOut " + PointText(Point(FX, FY)) + " " + Quoted(FText));
    }

private:
    int FX, FY;
    AnsiString FText;
};

class TDrawTextRecord : public TDisplayRecord {
public:
    TDrawTextRecord(const AnsiString& T, const TRect& R, unsigned F)
        : FText(T), FRect(R), FFlags(F) {}
    void Play(TCanvas& C) const override {
        TRect r = FRect;
        C.DrawText(FText, r, FFlags);
    }
    void Trace(std::string& Out, int Indent) const override {
        Line(Out, Indent,
             "DrawText " + RectText(FRect) + " flags=" + Hex(FFlags) + " " + Quoted(FText));
    }

private:
    AnsiString FText;
    TRect FRect;
    unsigned FFlags;
};

class TLineRecord : public TDisplayRecord {
public:
    TLineRecord(TPoint A, TPoint B) : FFrom(A), FTo(B) {}
    void Play(TCanvas& C) const override {
        C.MoveTo(FFrom.X, FFrom.Y);
        C.LineTo(FTo.X, FTo.Y);
    }
    void Trace(std::string& Out, int Indent) const override {
        Line(Out, Indent, "Line " + PointText(FFrom) + " " + PointText(FTo));
    }

private:
    TPoint FFrom, FTo;
};

class TRectRecord : public TDisplayRecord {
public:
    TRectRecord(DisplayRecords::TRectKind K, const TRect& R) : FKind(K), FRect(R) {}
    void Play(TCanvas& C) const override {
        switch (FKind) {
        case DisplayRecords::rkRectangle:
            C.Rectangle(FRect);
            break;
        case DisplayRecords::rkFillRect:
            C.FillRect(FRect);
            break;
        case DisplayRecords::rkFrameRect:
            C.FrameRect(FRect);
            break;
        case DisplayRecords::rkEllipse:
            C.Ellipse(FRect);
            break;
        }
    }
    void Trace(std::string& Out, int Indent) const override {
        static constexpr std::array<const char*, 4> names = {"Rectangle", "FillRect", "FrameRect",
                                                             "Ellipse"};
        Line(Out, Indent, std::string(names[FKind]) + " " + RectText(FRect));
    }

private:
    DisplayRecords::TRectKind FKind;
    TRect FRect;
};

class TRoundRectRecord : public TDisplayRecord {
public:
    TRoundRectRecord(const TRect& R, int W, int H) : FRect(R), FW(W), FH(H) {}
    void Play(TCanvas& C) const override {
        C.RoundRect(FRect.Left, FRect.Top, FRect.Right, FRect.Bottom, FW, FH);
    }
    void Trace(std::string& Out, int Indent) const override {
        Line(Out, Indent, "RoundRect " + RectText(FRect) + " " + Num(FW) + " " + Num(FH));
    }

private:
    TRect FRect;
    int FW, FH;
};

class TArcRecord : public TDisplayRecord {
public:
    TArcRecord(int K, const TRect& R, TPoint S, TPoint E) : FKind(K), FRect(R), FS(S), FE(E) {}
    void Play(TCanvas& C) const override {
        const TRect& r = FRect;
        if (FKind == 0)
            C.Arc(r.Left, r.Top, r.Right, r.Bottom, FS.X, FS.Y, FE.X, FE.Y);
        else if (FKind == 1)
            C.Chord(r.Left, r.Top, r.Right, r.Bottom, FS.X, FS.Y, FE.X, FE.Y);
        else
            C.Pie(r.Left, r.Top, r.Right, r.Bottom, FS.X, FS.Y, FE.X, FE.Y);
    }
    void Trace(std::string& Out, int Indent) const override {
        static constexpr std::array<const char*, 3> names = {"Arc", "Chord", "Pie"};
        Line(Out, Indent,
             std::string(names[static_cast<size_t>(FKind)]) + " " + RectText(FRect) + " " +
                 PointText(FS) + " " + PointText(FE));
    }

private:
    int FKind;
    TRect FRect;
    TPoint FS, FE;
};

class TPointsRecord : public TDisplayRecord {
public:
    TPointsRecord(DisplayRecords::TPointsKind K, const std::vector<TPoint>& P)
        : FKind(K), FPoints(P) {}
    void Play(TCanvas& C) const override {
        if (FKind == DisplayRecords::pkPolygon)
            C.Polygon(FPoints);
        else if (FKind == DisplayRecords::pkPolyline)
            C.Polyline(FPoints);
        else
            C.PolyBezier(FPoints);
    }
    void Trace(std::string& Out, int Indent) const override {
        static constexpr std::array<const char*, 3> names = {"Polygon", "Polyline", "PolyBezier"};
        Line(Out, Indent, std::string(names[FKind]) + PointsText(FPoints));
    }

private:
    DisplayRecords::TPointsKind FKind;
    std::vector<TPoint> FPoints;
};

class TPathRecord : public TDisplayRecord {
public:
    TPathRecord(const TCanvasPath& P, int How) : FPath(P), FHow(How) {}
    void Play(TCanvas& C) const override {
        if (FHow == 1)
            C.FillPath(FPath);
        else if (FHow == 2)
            C.StrokePath(FPath);
        else
            C.StrokeAndFillPath(FPath);
    }
    void Trace(std::string& Out, int Indent) const override {
        static constexpr std::array<const char*, 4> names = {"", "FillPath", "StrokePath",
                                                             "StrokeAndFillPath"};
        std::string text = names[static_cast<size_t>(FHow & 3)];
        size_t k = 0;
        for (TCanvasPath::TVerb v : FPath.Verbs) {
            static constexpr std::array<const char*, 4> verbs = {" M", " L", " C", " Z"};
            text += verbs[v];
            size_t n = v == TCanvasPath::BezierTo ? 3 : (v == TCanvasPath::Close ? 0 : 1);
            for (size_t i = 0; i < n && k < FPath.Points.size(); ++i)
                text += " " + PointText(FPath.Points[k++]);
        }
        Line(Out, Indent, text);
    }

private:
    TCanvasPath FPath;
    int FHow;
};

class TGradientRecord : public TDisplayRecord {
public:
    TGradientRecord(const TRect& R, TColor F, TColor T, bool V)
        : FRect(R), FFrom(F), FTo(T), FVertical(V) {}
    void Play(TCanvas& C) const override { C.GradientFillRect(FRect, FFrom, FTo, FVertical); }
    void Trace(std::string& Out, int Indent) const override {
        Line(Out, Indent,
             "GradientFillRect " + RectText(FRect) + " " + Color(FFrom) + " " + Color(FTo) +
                 (FVertical ? " vertical" : " horizontal"));
    }

private:
    TRect FRect;
    TColor FFrom, FTo;
    bool FVertical;
};

class TPixelRecord : public TDisplayRecord {
public:
    TPixelRecord(int X, int Y, TColor C) : FX(X), FY(Y), FColor(C) {}
    void Play(TCanvas& C) const override { C.SetPixel(FX, FY, FColor); }
    void Trace(std::string& Out, int Indent) const override {
        Line(Out, Indent, "SetPixel " + PointText(Point(FX, FY)) + " " + Color(FColor));
    }

private:
    int FX, FY;
    TColor FColor;
};

class TFloodFillRecord : public TDisplayRecord {
public:
    TFloodFillRecord(int X, int Y, TColor C, TFillStyle S) : FX(X), FY(Y), FColor(C), FStyle(S) {}
    void Play(TCanvas& C) const override { C.FloodFill(FX, FY, FColor, FStyle); }
    void Trace(std::string& Out, int Indent) const override {
        Line(Out, Indent,
             "FloodFill " + PointText(Point(FX, FY)) + " " + Color(FColor) +
                 (FStyle == fsBorder ? " fsBorder" : " fsSurface"));
    }

private:
    int FX, FY;
    TColor FColor;
    TFillStyle FStyle;
};

class TImageRecord : public TDisplayRecord {
public:
    TImageRecord(const TRect& D, const QImage& I) : FDest(D), FImage(I) {}
    void Play(TCanvas& C) const override { C.DrawImage(FDest, FImage); }
    void Trace(std::string& Out, int Indent) const override {
        Line(Out, Indent,
             "DrawImage " + RectText(FDest) + " image " + Num(FImage.width()) + "x" +
                 Num(FImage.height()));
    }

private:
    TRect FDest;
    QImage FImage;
};

class TNestedRecord : public TDisplayRecord {
public:
    TNestedRecord(std::shared_ptr<const TMetafile::TRecordList> R, int W, int H, const TRect& D)
        : FRecords(std::move(R)), FWidth(W), FHeight(H), FDest(D) {}
    void Play(TCanvas& C) const override { ReplayRecords(*FRecords, FWidth, FHeight, C, FDest); }
    void Trace(std::string& Out, int Indent) const override {
        Line(Out, Indent,
             "Metafile " + Num(FWidth) + "x" + Num(FHeight) + " " + RectText(FDest) + " " +
                 Num(static_cast<long long>(FRecords->size())) + " records");
        TraceRecords(*FRecords, Out, Indent + 1);
    }

private:
    std::shared_ptr<const TMetafile::TRecordList> FRecords;
    int FWidth, FHeight;
    TRect FDest;
};

bool Intersects(const TRect& A, const TRect& B) {
    return A.Left < B.Right && B.Left < A.Right && A.Top < B.Bottom && B.Top < A.Bottom;
}

} // namespace

void ReplayRecords(const TMetafile::TRecordList& Records, int Width, int Height, TCanvas& Canvas,
                   const TRect& Dest) {
    if (Width <= 0 || Height <= 0 || Dest.Width() == 0 || Dest.Height() == 0) return;
    double sx = static_cast<double>(Dest.Width()) / Width;
    double sy = static_cast<double>(Dest.Height()) / Height;
    Canvas.BeginReplay(
        TXForm{sx, 0, 0, sy, static_cast<double>(Dest.Left), static_cast<double>(Dest.Top)});
    TRect visible = Canvas.ClipRect();
    for (const auto& record : Records)
        if (!record->Bounded || Intersects(record->Bounds, visible)) record->Play(Canvas);
    Canvas.EndReplay();
}

void TraceRecords(const TMetafile::TRecordList& Records, std::string& Out, int Indent) {
    for (const auto& record : Records)
        record->Trace(Out, Indent);
}

namespace DisplayRecords {

std::shared_ptr<TDisplayRecord> Pen(const TPen& P) {
    return std::make_shared<TPenRecord>(P);
}
std::shared_ptr<TDisplayRecord> Brush(const TBrush& B) {
    return std::make_shared<TBrushRecord>(B);
}
std::shared_ptr<TDisplayRecord> Font(const TFont& F) {
    return std::make_shared<TFontRecord>(F);
}
std::shared_ptr<TDisplayRecord> TextAlign(unsigned A) {
    return std::make_shared<TTextAlignRecord>(A);
}
std::shared_ptr<TDisplayRecord> PolyFillMode(TPolyFillMode M) {
    return std::make_shared<TFillModeRecord>(M);
}
std::shared_ptr<TDisplayRecord> Transform(const TXForm& X) {
    return std::make_shared<TTransformRecord>(X);
}
std::shared_ptr<TDisplayRecord> Clip(const TRect* R) {
    return std::make_shared<TClipRecord>(R);
}
std::shared_ptr<TDisplayRecord> TextOut(int X, int Y, const AnsiString& T) {
    return std::make_shared<TTextOutRecord>(X, Y, T);
}
std::shared_ptr<TDisplayRecord> DrawText(const AnsiString& T, const TRect& R, unsigned F) {
    return std::make_shared<TDrawTextRecord>(T, R, F);
}
std::shared_ptr<TDisplayRecord> Line(TPoint A, TPoint B) {
    return std::make_shared<TLineRecord>(A, B);
}
std::shared_ptr<TDisplayRecord> RectShape(TRectKind K, const TRect& R) {
    return std::make_shared<TRectRecord>(K, R);
}
std::shared_ptr<TDisplayRecord> RoundRect(const TRect& R, int W, int H) {
    return std::make_shared<TRoundRectRecord>(R, W, H);
}
std::shared_ptr<TDisplayRecord> Arc(int K, const TRect& R, TPoint S, TPoint E) {
    return std::make_shared<TArcRecord>(K, R, S, E);
}
std::shared_ptr<TDisplayRecord> Points(TPointsKind K, const std::vector<TPoint>& P) {
    return std::make_shared<TPointsRecord>(K, P);
}
std::shared_ptr<TDisplayRecord> Path(const TCanvasPath& P, int How) {
    return std::make_shared<TPathRecord>(P, How);
}
std::shared_ptr<TDisplayRecord> Gradient(const TRect& R, TColor F, TColor T, bool V) {
    return std::make_shared<TGradientRecord>(R, F, T, V);
}
std::shared_ptr<TDisplayRecord> SetPixel(int X, int Y, TColor C) {
    return std::make_shared<TPixelRecord>(X, Y, C);
}
std::shared_ptr<TDisplayRecord> FloodFill(int X, int Y, TColor C, TFillStyle S) {
    return std::make_shared<TFloodFillRecord>(X, Y, C, S);
}
std::shared_ptr<TDisplayRecord> Image(const TRect& D, const QImage& I) {
    return std::make_shared<TImageRecord>(D, I);
}
std::shared_ptr<TDisplayRecord> Nested(std::shared_ptr<const TMetafile::TRecordList> R, int W,
                                       int H, const TRect& D) {
    return std::make_shared<TNestedRecord>(std::move(R), W, H, D);
}

} // namespace DisplayRecords
