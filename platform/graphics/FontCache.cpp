#include "platform/graphics/FontCache.h"

#include "platform/base/Cp1251.h"
#include "platform/graphics/QtConvert.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr size_t MaxEntries = 512;
constexpr size_t MaxWidthsPerFont = 65536;

// The fonts seen so far by their full description, and the last one asked
// for: text is mostly measured and drawn many times in a row in one font.
struct TFontEntries {
    std::unordered_map<std::string, std::shared_ptr<const TFontEntry>> Map;
    std::string Scratch;
    std::string LastKey;
    uint64_t LastRevision = 0;
    std::shared_ptr<const TFontEntry> Last;
};

TFontEntries& Entries() {
    static TFontEntries entries;
    return entries;
}

void BuildKey(const TFont& Font, std::string& Key) {
    const LOGFONTA lf = Font.LogFont();
    Key.assign(reinterpret_cast<const char*>(&lf), sizeof lf);
    Key.push_back(static_cast<char>(Font.Pitch()));
    Key.append(Font.Name());
}

// Characters set by Qt's shaping rather than from the table: controls, the
// unassigned 0x98 and the soft hyphen, which shaping hides.
bool ShapedOnly(unsigned char Byte) {
    return Byte < 0x20 || Byte == 0x7F || Byte == 0x98 || Byte == 0xAD;
}

int RoundFixed(int64_t Fixed64) {
    return static_cast<int>((Fixed64 + 32) >> 6);
}

// Fills the glyph table from the font's own glyphs and checks it against
// Qt's measuring of a sample: a font whose engine sets text differently
// (synthesised styles, stretching) keeps to shaping.
void BuildGlyphTable(TFontEntry& Entry) {
    Entry.Raw = QRawFont::fromFont(Entry.Font);
    if (!Entry.Raw.isValid()) return;
    QString chars;
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        if (!ShapedOnly(static_cast<unsigned char>(b))) {
            chars.append(
                QChar(static_cast<char16_t>(Cp1251ToUnicode(static_cast<unsigned char>(b)))));
            bytes.push_back(static_cast<char>(b));
        }
    const QList<quint32> glyphs = Entry.Raw.glyphIndexesForString(chars);
    if (glyphs.size() != static_cast<qsizetype>(bytes.size())) return;
    for (size_t i = 0; i < bytes.size(); ++i)
        Entry.GlyphOf[static_cast<unsigned char>(bytes[i])] = glyphs[static_cast<qsizetype>(i)];
    static const std::string sample = "Wa";
    Entry.UsesGlyphTable = true;
    if (Entry.TextWidth(sample) != Entry.Metrics.horizontalAdvance(ToQString(sample)))
        Entry.UsesGlyphTable = false;
}

std::shared_ptr<const TFontEntry> MakeEntry(const TFont& Font) {
    QFont font = ToQFont(Font);
    font.setKerning(false);
    auto entry = std::make_shared<TFontEntry>(font);
    BuildGlyphTable(*entry);
    return entry;
}

} // namespace

TFontEntry::TFontEntry(QFont KerningOff)
    : Font(std::move(KerningOff)), Metrics(Font), Ascent(Metrics.ascent()),
      Descent(Metrics.descent()), Height(Ascent + Descent), EmPixels(Font.pixelSize()),
      Leading(Metrics.leading()), AveCharWidth(Metrics.averageCharWidth()),
      MaxCharWidth(Metrics.maxWidth()) {
    const QFontMetricsF exact(Font);
    UnderlineOffset = std::ceil(exact.underlinePos()) + 0.5;
    StrikeOutOffset = -exact.ascent() / 3;
    DecorationWidth = exact.lineWidth();
}

void ClearTextWidthCaches() {
    for (const auto& [key, entry] : Entries().Map)
        entry->WidthCache.clear();
}

std::shared_ptr<const TFontEntry> FontEntryFor(const TFont& Font) {
    TFontEntries& cache = Entries();
    if (cache.Last && Font.Revision() == cache.LastRevision) return cache.Last;
    cache.LastRevision = Font.Revision();
    BuildKey(Font, cache.Scratch);
    if (cache.Last && cache.Scratch == cache.LastKey) return cache.Last;
    auto hit = cache.Map.find(cache.Scratch);
    if (hit == cache.Map.end()) {
        if (cache.Map.size() >= MaxEntries) cache.Map.clear();
        hit = cache.Map.emplace(cache.Scratch, MakeEntry(Font)).first;
    }
    cache.LastKey = cache.Scratch;
    cache.Last = hit->second;
    return cache.Last;
}

int32_t TFontEntry::Advance64(unsigned char Byte) const {
    if (!AdvanceKnown[Byte]) {
        const quint32 glyph = GlyphOf[Byte];
        QPointF advance;
        if (glyph == 0 ||
            !Raw.advancesForGlyphIndexes(&glyph, &advance, 1, QRawFont::SeparateAdvances))
            advance = QPointF();
        Advances[Byte] = static_cast<int32_t>(std::lround(advance.x() * 64));
        AdvanceKnown.set(Byte);
    }
    return Advances[Byte];
}

int TFontEntry::TextWidth(const std::string& Text) const {
    if (UsesGlyphTable) {
        int64_t width = 0;
        bool complete = true;
        for (char c : Text) {
            const auto b = static_cast<unsigned char>(c);
            if (GlyphOf[b] == 0) {
                complete = false;
                break;
            }
            width += Advance64(b);
        }
        if (complete) return RoundFixed(width);
    }
    auto hit = WidthCache.find(Text);
    if (hit != WidthCache.end()) return hit->second;
    if (WidthCache.size() >= MaxWidthsPerFont) WidthCache.clear();
    const int width = Metrics.horizontalAdvance(ToQString(Text));
    WidthCache.emplace(Text, width);
    return width;
}

bool TFontEntry::GlyphRun(const std::string& Text, QGlyphRun& Run) const {
    if (!UsesGlyphTable) return false;
    QList<quint32> glyphs;
    QList<QPointF> positions;
    glyphs.reserve(static_cast<qsizetype>(Text.size()));
    positions.reserve(static_cast<qsizetype>(Text.size()));
    int64_t pen = 0;
    for (char c : Text) {
        const auto b = static_cast<unsigned char>(c);
        if (GlyphOf[b] == 0) return false;
        glyphs.append(GlyphOf[b]);
        positions.append(QPointF(static_cast<qreal>(pen) / 64, 0));
        pen += Advance64(b);
    }
    Run.setRawFont(Raw);
    Run.setGlyphIndexes(glyphs);
    Run.setPositions(positions);
    return true;
}

void DrawTextDecoration(QPainter& Painter, const TFontEntry& Font, const QPointF& Baseline,
                        int Width) {
    if (!Font.Font.underline() && !Font.Font.strikeOut()) return;
    // Both run the whole measured width, so they meet the decoration of a
    // painted gap next to the word.
    const QPen saved = Painter.pen();
    QPen pen(saved.color());
    pen.setWidthF(Font.DecorationWidth);
    pen.setCapStyle(Qt::FlatCap);
    Painter.setPen(pen);
    const qreal x = Baseline.x();
    for (const auto& [drawn, offset] : {std::pair{Font.Font.underline(), Font.UnderlineOffset},
                                        std::pair{Font.Font.strikeOut(), Font.StrikeOutOffset}})
        if (drawn) {
            const qreal y = Baseline.y() + offset;
            Painter.drawLine(QLineF(x, y, x + Width, y));
        }
    Painter.setPen(saved);
}

std::shared_ptr<const TFontTextWidths> TextWidthsFor(const TFont& Font) {
    return FontEntryFor(Font);
}
