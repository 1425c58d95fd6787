#pragma once

#include "hypertext/TextAlignment.h"
#include "hypertext/VectorPicture.h"
#include "platform/base/Font.h"
#include "platform/base/Rect.h"

#include <array>
#include <cstdint>
#include <vector>

class TCanvas;

namespace vpic {

// Executes a vector picture's byte code once on a canvas: reads each
// statement's records, fills in omitted parameters, and draws, changes the
// working settings or registers links with the picture. Every run starts
// from the picture's properties.
class TVectorExecutor {
public:
    TVectorExecutor(TVectorPicture& Picture, TCanvas& Canvas);
    void Run(const std::vector<uint8_t>& Code);

private:
    static constexpr int kMaxPoints = 64;

    void Start();
    // Reading records.
    void BeginStatement(int Command);
    void SetParameter(int32_t Value);
    void SetDefault();
    int32_t DefaultValue(int K);
    int32_t SettingValue() const;
    void Execute();
    int Repetitions() const;
    void ResolveDefaults();

    // Execution by kind of command.
    bool ExecuteSetting();
    bool ExecuteFont();
    bool ExecuteLine();
    bool ExecuteShape();
    bool ExecutePoints();
    void ExecuteArcs();
    void ExecuteBrushBitmap();
    void ExecuteFontStyle();
    void ExecuteTextFormat();
    void ExecuteText();
    void RegisterLink(const TRect& R, const AnsiString& Text);

    int32_t P(int K) const { return FParams[static_cast<size_t>(K)]; }
    bool Defaulted(int K) const { return FDefaulted[static_cast<size_t>(K)]; }
    // Three colour parameters from K on as one colour.
    TColor ColorParameter(int K = 0) const;
    TPoint PointAt(int K) const { return Point(P(K), P(K + 1)); }
    void LineFromCurrent(TPoint To);
    void UpdateCanvasFont();

    TVectorPicture& FPicture;
    TCanvas& FCanvas;

    // The statement being read.
    int FCommand = -1;
    int FCount = 0;
    std::array<int32_t, 128> FParams{};
    std::array<bool, 128> FDefaulted{};
    AnsiString FString;

    // Working settings.
    TVPHintStyle FHintStyle = vhLinkText;
    TAlignment FAlign = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FNoPrefix = false;
    bool FWordWrap = false;
    TColor FLinkColor = 0;
    TColor FBrushColor = 0;
    int FBrushStyle = 0;
    bool FUnderlineLinks = true;
    LOGFONTA FLogFont;
    AnsiString FUserHint;
    int32_t FAutoId = 0;
    TPoint FPos;
};

} // namespace vpic
