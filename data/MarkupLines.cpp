#include "data/MarkupLines.h"

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#elif defined(__aarch64__) && defined(__ARM_NEON)
#include <arm_neon.h>
#endif

namespace {

inline bool Special(char c) {
    return c == '\r' || c == '\n' || c == '\0';
}

// Position of the first CR, LF or zero byte at or after From, or Length.
size_t NextSpecial(const char* Text, size_t From, size_t Length) {
    size_t i = From;
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n'), zero = _mm_setzero_si128();
    for (; i + 16 <= Length; i += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Text + i));
        const __m128i hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(x, cr), _mm_cmpeq_epi8(x, lf)),
                                         _mm_cmpeq_epi8(x, zero));
        const int mask = _mm_movemask_epi8(hit);
        if (mask != 0) return i + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
    }
#elif defined(__aarch64__) && defined(__ARM_NEON)
    const uint8x16_t cr = vdupq_n_u8('\r'), lf = vdupq_n_u8('\n');
    for (; i + 16 <= Length; i += 16) {
        const uint8x16_t x = vld1q_u8(reinterpret_cast<const uint8_t*>(Text + i));
        const uint8x16_t hit = vorrq_u8(vorrq_u8(vceqq_u8(x, cr), vceqq_u8(x, lf)), vceqzq_u8(x));
        // Four bits per byte, in byte order.
        const uint64_t mask =
            vget_lane_u64(vreinterpret_u64_u8(vshrn_n_u16(vreinterpretq_u16_u8(hit), 4)), 0);
        if (mask != 0) return i + static_cast<size_t>(__builtin_ctzll(mask) >> 2);
    }
#endif
    while (i < Length && !Special(Text[i]))
        ++i;
    return i;
}

struct TLineSpan {
    uint32_t Start;
    uint32_t Length;
};

} // namespace

std::vector<AnsiString> MarkupLines(std::string_view Text) {
    const char* text = Text.data();
    const size_t length = Text.size();
    thread_local std::vector<TLineSpan> spans;
    spans.clear();
    size_t start = 0;
    while (true) {
        const size_t end = NextSpecial(text, start, length);
        const bool textEnds = end == length || text[end] == '\0';
        // Text after the last break makes a line; the break itself adds none.
        if (!textEnds || end > start)
            spans.push_back({static_cast<uint32_t>(start), static_cast<uint32_t>(end - start)});
        if (textEnds) break;
        start = end + (text[end] == '\r' && end + 1 < length && text[end + 1] == '\n' ? 2 : 1);
    }
    std::vector<AnsiString> lines;
    lines.reserve(spans.size());
    for (const TLineSpan& span : spans)
        lines.emplace_back(text + span.Start, span.Length);
    return lines;
}
