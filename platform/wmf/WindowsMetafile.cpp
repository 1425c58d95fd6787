#include "platform/wmf/WindowsMetafile.h"

#include "platform/graphics/Graphic.h"
#include "platform/wmf/EmfPlayer.h"
#include "platform/wmf/WmfPlayer.h"

#include <vector>

namespace {

// Largest metafile read; its bytes are held in memory while it is played.
constexpr uint64_t MaxMetafileBytes = 256u << 20;
// Zero bytes after the data, so that checks reading a fixed-size structure
// at the very end of the last record stay inside the buffer.
constexpr size_t Padding = 64;

bool LooksLikeEmf(const uint8_t* Head, size_t Size) {
    const TWmfRecord R(Head, Size);
    return R.Get<uint32_t>(0) == 1 && R.Get<uint32_t>(40) == EmfSignature;
}

// Reads the rest of a metafile whose first HeadSize bytes are in Bytes.
void ReadRest(TStream& Stream, std::vector<uint8_t>& Bytes, size_t HeadSize, uint64_t Total) {
    if (Total > MaxMetafileBytes) throw EInvalidGraphic("metafile too large");
    // Nothing is allocated for bytes the stream does not hold.
    if (Total > HeadSize &&
        static_cast<int64_t>(Total - HeadSize) > Stream.Size() - Stream.Position())
        throw EInvalidGraphic("truncated metafile");
    Bytes.resize(static_cast<size_t>(std::max<uint64_t>(Total, HeadSize)) + Padding, 0);
    if (Total <= HeadSize) return;
    const int64_t Want = static_cast<int64_t>(Total - HeadSize);
    if (Stream.Read(Bytes.data() + HeadSize, Want) != Want)
        throw EInvalidGraphic("truncated metafile");
}

// Reads the rest of a WMF and returns its size. Some writers count the
// placeable header in the stated size too, so that size may run past the
// records: the metafile ends with its end-of-file record when that comes
// first, and a stated size beyond the stream's bytes is accepted when those
// bytes hold the end record. Without one, the stated size must be there.
uint64_t ReadWmfRest(TStream& Stream, std::vector<uint8_t>& Bytes, size_t HeadSize,
                     const TWmfHeader& Header) {
    const uint64_t Held =
        HeadSize + static_cast<uint64_t>(std::max<int64_t>(0, Stream.Size() - Stream.Position()));
    const uint64_t Present = std::min(Header.Bytes, Held);
    ReadRest(Stream, Bytes, HeadSize, Present);
    if (const size_t End = WmfEndOfRecords(Bytes.data(), static_cast<size_t>(Present), Header))
        return End;
    if (Present < Header.Bytes) throw EInvalidGraphic("truncated metafile");
    return Header.Bytes;
}

template <class Player>
void PlayOn(Player& P, const TMetafileTarget& Target, int Width, int Height) {
    P.Play(Target(Width, Height), Width, Height);
}

// Returns the size of the metafile read.
uint64_t Play(TStream& Stream, const TMetafileTarget& Target) {
    std::vector<uint8_t> Bytes(EmfHeaderMinSize + Padding, 0);
    const size_t HeadSize = static_cast<size_t>(Stream.Read(Bytes.data(), EmfHeaderMinSize));
    if (LooksLikeEmf(Bytes.data(), HeadSize)) {
        const TEmfHeader Header = ReadEmfHeader(Bytes.data(), HeadSize);
        ReadRest(Stream, Bytes, HeadSize, Header.Bytes);
        int Width = 0, Height = 0;
        EmfPictureSize(Header, Width, Height);
        TEmfPlayer Player(Bytes.data(), Header.Bytes, Header);
        PlayOn(Player, Target, Width, Height);
        return Header.Bytes;
    }
    const TWmfHeader Header = ReadWmfHeader(Bytes.data(), HeadSize);
    const uint64_t Size = ReadWmfRest(Stream, Bytes, HeadSize, Header);
    TWmfPlayer Player(Bytes.data(), static_cast<size_t>(Size), Header);
    int Width = 0, Height = 0;
    Player.PictureSize(Width, Height);
    PlayOn(Player, Target, Width, Height);
    return Size;
}

} // namespace

void PlayWindowsMetafile(TStream& Stream, const TMetafileTarget& Target) {
    const int64_t Start = Stream.Position();
    try {
        // The header may have been read past a metafile smaller than it.
        const uint64_t Bytes = Play(Stream, Target);
        Stream.SetPosition(Start + static_cast<int64_t>(Bytes));
    } catch (const EInvalidGraphic&) {
        Stream.SetPosition(Start);
        throw;
    } catch (const EStreamError&) {
        Stream.SetPosition(Start);
        throw EInvalidGraphic("unreadable metafile");
    }
}
