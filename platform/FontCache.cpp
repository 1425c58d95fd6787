#include "platform/FontCache.h"

#include "platform/QtConvert.h"

namespace {

constexpr size_t MaxEntries = 512;
constexpr size_t MaxWidthsPerFont = 65536;

// The fonts seen so far by their full description, and the last one asked
// for: text is mostly measured and drawn many times in a row in one font.
struct TFontEntries {
    std::unordered_map<std::string, std::shared_ptr<const TFontEntry>> Map;
    std::string Scratch;
    std::string LastKey;
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

std::shared_ptr<const TFontEntry> MakeEntry(const TFont& Font) {
    QFont font = ToQFont(Font);
    QFontMetrics metrics(font);
    return std::make_shared<const TFontEntry>(TFontEntry{font,
                                                         metrics,
                                                         metrics.ascent(),
                                                         metrics.descent(),
                                                         metrics.ascent() + metrics.descent(),
                                                         font.pixelSize(),
                                                         metrics.leading(),
                                                         metrics.averageCharWidth(),
                                                         metrics.maxWidth(),
                                                         {}});
}

} // namespace

void ClearTextWidthCaches() {
    for (const auto& [key, entry] : Entries().Map)
        entry->WidthCache.clear();
}

std::shared_ptr<const TFontEntry> FontEntryFor(const TFont& Font) {
    TFontEntries& cache = Entries();
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

int TFontEntry::TextWidth(const std::string& Text) const {
    auto hit = WidthCache.find(Text);
    if (hit != WidthCache.end()) return hit->second;
    if (WidthCache.size() >= MaxWidthsPerFont) WidthCache.clear();
    const int width = Metrics.horizontalAdvance(ToQString(Text));
    WidthCache.emplace(Text, width);
    return width;
}
