#include "platform/FontCache.h"

#include "platform/QtConvert.h"

#include <QByteArray>
#include <QHash>

namespace {

constexpr int MaxEntries = 512;

QByteArray KeyOf(const TFont& Font) {
    LOGFONTA lf = Font.LogFont();
    QByteArray key(reinterpret_cast<const char*>(&lf), sizeof lf);
    key.append(static_cast<char>(Font.Pitch()));
    key.append(Font.Name().data(), static_cast<qsizetype>(Font.Name().size()));
    return key;
}

} // namespace

std::shared_ptr<const TFontEntry> FontEntryFor(const TFont& Font) {
    static QHash<QByteArray, std::shared_ptr<const TFontEntry>> cache;
    QByteArray key = KeyOf(Font);
    auto hit = cache.constFind(key);
    if (hit != cache.constEnd()) return *hit;
    if (cache.size() >= MaxEntries) cache.clear();
    QFont font = ToQFont(Font);
    QFontMetrics metrics(font);
    auto entry = std::make_shared<const TFontEntry>(
        TFontEntry{font, metrics, metrics.ascent(), metrics.descent(),
                   metrics.ascent() + metrics.descent(), font.pixelSize()});
    cache.insert(key, entry);
    return entry;
}
