#include "common/ChainedDecoding.h"

#include <array>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#elif defined(__aarch64__) && defined(__ARM_NEON)
#include <arm_neon.h>
#endif

namespace myDefines {

namespace {

// Value of a coded digit, by byte.
constexpr std::array<unsigned char, 256> kDigitValues = [] {
    std::array<unsigned char, 256> value{};
    for (int x = 0; x < 256; ++x) {
        const auto s = static_cast<signed char>(x);
        value[x] = static_cast<unsigned char>(s > '9' ? x - 55 : x - 48);
    }
    return value;
}();

// Sixteen plain bytes per step, from 32 coded bytes.
constexpr size_t kStep = 16;

#if defined(__SSE2__)

// x - 48, less 7 more where x, as a signed byte, is above '9'.
inline __m128i DigitValues(__m128i x) {
    const __m128i above = _mm_cmpgt_epi8(x, _mm_set1_epi8('9'));
    return _mm_sub_epi8(_mm_sub_epi8(x, _mm_set1_epi8('0')),
                        _mm_and_si128(above, _mm_set1_epi8(7)));
}

// Sixteen digit values as eight pairs (high digit in the even byte) to eight
// pair values, each in the low byte of a 16-bit lane.
inline __m128i PairValues(__m128i digits) {
    const __m128i sum = _mm_add_epi16(_mm_slli_epi16(digits, 4), _mm_srli_epi16(digits, 8));
    return _mm_and_si128(sum, _mm_set1_epi16(0x00FF));
}

// Every byte becomes the sum of itself and all bytes below it, modulo 256.
inline __m128i RunningSum(__m128i x) {
    x = _mm_add_epi8(x, _mm_slli_si128(x, 1));
    x = _mm_add_epi8(x, _mm_slli_si128(x, 2));
    x = _mm_add_epi8(x, _mm_slli_si128(x, 4));
    return _mm_add_epi8(x, _mm_slli_si128(x, 8));
}

// The top byte of x in every byte.
inline __m128i BroadcastLast(__m128i x) {
    const __m128i high = _mm_unpackhi_epi8(x, x);
    const __m128i top = _mm_shufflehi_epi16(high, 0xFF);
    return _mm_unpackhi_epi64(top, top);
}

size_t DecodeVector(const char* Coded, size_t Count, char* Plain, unsigned char Key,
                    unsigned char& Previous) {
    const __m128i key = _mm_set1_epi8(static_cast<char>(Key));
    __m128i carry = _mm_set1_epi8(static_cast<char>(Previous));
    size_t done = 0;
    for (; done + kStep <= Count; done += kStep) {
        const char* in = Coded + 2 * done;
        const __m128i low =
            PairValues(DigitValues(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in))));
        const __m128i high =
            PairValues(DigitValues(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in + kStep))));
        const __m128i mixed = _mm_xor_si128(_mm_packus_epi16(low, high), key);
        const __m128i sums = RunningSum(mixed);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(Plain + done), _mm_add_epi8(sums, carry));
        // The carry chain is one addition long; the broadcast runs beside it.
        carry = _mm_add_epi8(carry, BroadcastLast(sums));
    }
    Previous = static_cast<unsigned char>(_mm_cvtsi128_si32(carry));
    return done;
}

constexpr const char* kUnit = "SSE2";

#elif defined(__aarch64__) && defined(__ARM_NEON)

inline uint8x16_t DigitValues(uint8x16_t x) {
    const uint8x16_t above = vcgtq_s8(vreinterpretq_s8_u8(x), vdupq_n_s8('9'));
    return vsubq_u8(vsubq_u8(x, vdupq_n_u8('0')), vandq_u8(above, vdupq_n_u8(7)));
}

// Byte i becomes x[i - Shift], zeros shifted in.
template <int Shift> inline uint8x16_t ShiftUp(uint8x16_t x) {
    return vextq_u8(vdupq_n_u8(0), x, 16 - Shift);
}

inline uint8x16_t RunningSum(uint8x16_t x) {
    x = vaddq_u8(x, ShiftUp<1>(x));
    x = vaddq_u8(x, ShiftUp<2>(x));
    x = vaddq_u8(x, ShiftUp<4>(x));
    return vaddq_u8(x, ShiftUp<8>(x));
}

size_t DecodeVector(const char* Coded, size_t Count, char* Plain, unsigned char Key,
                    unsigned char& Previous) {
    const uint8x16_t key = vdupq_n_u8(Key);
    uint8x16_t carry = vdupq_n_u8(Previous);
    size_t done = 0;
    for (; done + kStep <= Count; done += kStep) {
        // The load separates the high digits (even bytes) from the low ones.
        const uint8x16x2_t digits = vld2q_u8(reinterpret_cast<const uint8_t*>(Coded + 2 * done));
        const uint8x16_t pairs =
            vaddq_u8(vshlq_n_u8(DigitValues(digits.val[0]), 4), DigitValues(digits.val[1]));
        const uint8x16_t sums = RunningSum(veorq_u8(pairs, key));
        vst1q_u8(reinterpret_cast<uint8_t*>(Plain + done), vaddq_u8(sums, carry));
        carry = vaddq_u8(carry, vdupq_laneq_u8(sums, 15));
    }
    Previous = vgetq_lane_u8(carry, 0);
    return done;
}

constexpr const char* kUnit = "NEON";

#else

size_t DecodeVector(const char*, size_t, char*, unsigned char, unsigned char&) {
    return 0;
}

constexpr const char* kUnit = "scalar";

#endif

} // namespace

unsigned char DecodeChainedPairsScalar(const char* Coded, size_t Count, char* Plain,
                                       unsigned char Key, unsigned char Previous) {
    const auto* in = reinterpret_cast<const unsigned char*>(Coded);
    for (size_t i = 0; i < Count; ++i) {
        const auto pair =
            static_cast<unsigned char>(kDigitValues[in[2 * i]] * 16 + kDigitValues[in[2 * i + 1]]);
        Previous = static_cast<unsigned char>(Previous + (pair ^ Key));
        Plain[i] = static_cast<char>(Previous);
    }
    return Previous;
}

unsigned char DecodeChainedPairs(const char* Coded, size_t Count, char* Plain, unsigned char Key,
                                 unsigned char Previous) {
    const size_t done = DecodeVector(Coded, Count, Plain, Key, Previous);
    return DecodeChainedPairsScalar(Coded + 2 * done, Count - done, Plain + done, Key, Previous);
}

const char* ChainedDecodingVectorUnit() {
    return kUnit;
}

} // namespace myDefines
