#include "platform/FontCache.h"

#include "platform/QtConvert.h"

#include <QByteArray>
#include <QHash>

namespace {

constexpr int MaxEntries = 512;
constexpr size_t MaxWidthsPerFont = 65536;

QByteArray KeyOf(const TFont& Font) {
    LOGFONTA lf = Font.LogFont();
    QByteArray key(reinterpret_cast<const char*>(&lf), sizeof lf);
    key.append(static_cast<char>(Font.Pitch()));
    key.append(Font.Name().data(), static_cast<qsizetype>(Font.Name().size()));
    return key;
}

} // namespace

namespace {

QHash<QByteArray, std::shared_ptr<const TFontEntry>>& Entries() {
    static QHash<QByteArray, std::shared_ptr<const TFontEntry>> cache;
    return cache;
}

} // namespace

void ClearTextWidthCaches() {
    for (const auto& entry : Entries())
        entry->WidthCache.clear();
}

std::shared_ptr<const TFontEntry> FontEntryFor(const TFont& Font) {
    auto& cache = Entries();
    QByteArray key = KeyOf(Font);
    auto hit = cache.constFind(key);
    if (hit != cache.constEnd()) return *hit;
    if (cache.size() >= MaxEntries) cache.clear();
    QFont font = ToQFont(Font);
    QFontMetrics metrics(font);
    auto entry = std::make_shared<const TFontEntry>(TFontEntry{font,
                                                               metrics,
                                                               metrics.ascent(),
                                                               metrics.descent(),
                                                               metrics.ascent() + metrics.descent(),
                                                               font.pixelSize(),
                                                               {}});
    cache.insert(key, entry);
    return entry;
}

int TFontEntry::TextWidth(const std::string& Text) const {
    auto hit = WidthCache.find(Text);
    if (hit != WidthCache.end()) return hit->second;
    if (WidthCache.size() >= MaxWidthsPerFont) WidthCache.clear();
    const int width = Metrics.horizontalAdvance(ToQString(Text));
    WidthCache.emplace(Text, width);
    return width;
}
