#include "platform/base/Streams.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

std::string SystemError(const std::string& what, const std::string& name) {
    return what + " \"" + name + "\": " + std::strerror(errno);
}

} // namespace

// ---- TStream ----

int64_t TStream::Size() {
    const int64_t pos = Seek(0, TSeekOrigin::soCurrent);
    const int64_t end = Seek(0, TSeekOrigin::soEnd);
    Seek(pos, TSeekOrigin::soBeginning);
    return end;
}

void TStream::ReadBuffer(void* Buffer, int64_t Count) {
    if (Count > 0 && Read(Buffer, Count) != Count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, int64_t Count) {
    if (Count > 0 && Write(Buffer, Count) != Count) throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& Source, int64_t Count) {
    if (Count == 0) {
        Source.SetPosition(0);
        Count = Source.Size();
    }
    constexpr int64_t chunk = 64 * 1024;
    auto buffer = std::make_unique<char[]>(chunk);
    int64_t done = 0;
    while (done < Count) {
        const int64_t n = std::min(chunk, Count - done);
        Source.ReadBuffer(buffer.get(), n);
        WriteBuffer(buffer.get(), n);
        done += n;
    }
    return done;
}

// ---- TFileStream ----

TFileStream::TFileStream(const std::string& FileName, TFileMode Mode)
    : FFileName(FileName), FBuffer(std::make_unique<char[]>(BufferSize)) {
    int flags = O_RDONLY;
    if (Mode == TFileMode::fmCreate) flags = O_RDWR | O_CREAT | O_TRUNC;
    if (Mode == TFileMode::fmOpenReadWrite) flags = O_RDWR;
    FHandle = ::open(FileName.c_str(), flags | O_CLOEXEC, 0644);
    if (FHandle < 0) throw EFOpenError(SystemError("Cannot open file", FileName));
    struct stat st {};
    if (::fstat(FHandle, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(FHandle);
        FHandle = -1;
        errno = EISDIR;
        throw EFOpenError(SystemError("Cannot open file", FileName));
    }
}

TFileStream::~TFileStream() {
    try {
        FlushWrites();
    } catch (const EStreamError&) {
        // A destructor cannot report; callers that care flush through SetSize or Size first.
    }
    if (FHandle >= 0) ::close(FHandle);
}

void TFileStream::DropReadBuffer() {
    FBufferFill = 0;
}

void TFileStream::FlushWrites() {
    int64_t done = 0;
    while (done < FPendingWrite) {
        const ssize_t n =
            ::pwrite(FHandle, FBuffer.get() + done, FPendingWrite - done, FBufferStart + done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            FPendingWrite = 0;
            throw EWriteError(SystemError("Cannot write file", FFileName));
        }
        done += n;
    }
    FPendingWrite = 0;
}

int64_t TFileStream::ReadDirect(char* Buffer, int64_t Count) {
    int64_t done = 0;
    while (done < Count) {
        const ssize_t n = ::pread(FHandle, Buffer + done, Count - done, FPosition + done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw EReadError(SystemError("Cannot read file", FFileName));
        if (n == 0) break;
        done += n;
    }
    return done;
}

int64_t TFileStream::Read(void* Buffer, int64_t Count) {
    if (Count <= 0) return 0;
    FlushWrites();
    char* out = static_cast<char*>(Buffer);
    int64_t done = 0;
    while (done < Count) {
        const int64_t offset = FPosition - FBufferStart;
        if (FBufferFill > 0 && offset >= 0 && offset < FBufferFill) {
            const int64_t n = std::min(Count - done, FBufferFill - offset);
            std::memcpy(out + done, FBuffer.get() + offset, n);
            done += n;
            FPosition += n;
            continue;
        }
        if (Count - done >= BufferSize) {
            const int64_t n = ReadDirect(out + done, Count - done);
            FPosition += n;
            return done + n;
        }
        // Refill the read-ahead buffer at the current position.
        FBufferStart = FPosition;
        FBufferFill = 0;
        FBufferFill = ReadDirect(FBuffer.get(), BufferSize);
        if (FBufferFill == 0) break;
    }
    return done;
}

int64_t TFileStream::Write(const void* Buffer, int64_t Count) {
    if (Count <= 0) return 0;
    DropReadBuffer();
    const char* in = static_cast<const char*>(Buffer);
    const bool continues = FPendingWrite > 0 && FPosition == FBufferStart + FPendingWrite;
    if (!continues || FPendingWrite + Count > BufferSize) FlushWrites();
    if (Count >= BufferSize) {
        int64_t done = 0;
        while (done < Count) {
            const ssize_t n = ::pwrite(FHandle, in + done, Count - done, FPosition + done);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) throw EWriteError(SystemError("Cannot write file", FFileName));
            if (n == 0) break;
            done += n;
        }
        FPosition += done;
        return done;
    }
    if (FPendingWrite == 0) FBufferStart = FPosition;
    std::memcpy(FBuffer.get() + FPendingWrite, in, Count);
    FPendingWrite += Count;
    FPosition += Count;
    return Count;
}

void TFileStream::WillReadWhole() {
    ::posix_fadvise(FHandle, 0, 0, POSIX_FADV_SEQUENTIAL);
    ::posix_fadvise(FHandle, 0, 0, POSIX_FADV_WILLNEED);
}

int64_t TFileStream::Seek(int64_t Offset, TSeekOrigin Origin) {
    int64_t base = 0;
    if (Origin == TSeekOrigin::soCurrent) base = FPosition;
    if (Origin == TSeekOrigin::soEnd) base = Size();
    if (base + Offset < 0) throw EStreamError("Seek before the beginning of \"" + FFileName + "\"");
    FPosition = base + Offset;
    return FPosition;
}

int64_t TFileStream::Size() {
    FlushWrites();
    struct stat st {};
    if (::fstat(FHandle, &st) != 0) throw EReadError(SystemError("Cannot stat file", FFileName));
    return st.st_size;
}

void TFileStream::SetSize(int64_t NewSize) {
    FlushWrites();
    DropReadBuffer();
    if (NewSize < 0 || ::ftruncate(FHandle, NewSize) != 0)
        throw EWriteError(SystemError("Cannot resize file", FFileName));
    FPosition = std::min(FPosition, NewSize);
}

// ---- TMemoryStream ----

TMemoryStream::TMemoryStream() = default;

TMemoryStream::~TMemoryStream() {
    std::free(FMemory);
}

void TMemoryStream::SetCapacity(int64_t NewCapacity) {
    if (NewCapacity == FCapacity) return;
    if (NewCapacity == 0) {
        std::free(FMemory);
        FMemory = nullptr;
        FCapacity = 0;
        return;
    }
    void* grown = std::realloc(FMemory, static_cast<size_t>(NewCapacity));
    if (!grown) throw std::bad_alloc();
    FMemory = static_cast<char*>(grown);
    FCapacity = NewCapacity;
}

void TMemoryStream::SetSize(int64_t NewSize) {
    if (NewSize < 0) throw EStreamError("Negative memory stream size");
    if (NewSize > FCapacity) SetCapacity(NewSize);
    FSize = NewSize;
    FPosition = std::min(FPosition, FSize);
}

void TMemoryStream::Clear() {
    SetCapacity(0);
    FSize = 0;
    FPosition = 0;
}

int64_t TMemoryStream::Read(void* Buffer, int64_t Count) {
    if (Count <= 0 || FPosition >= FSize) return 0;
    const int64_t n = std::min(Count, FSize - FPosition);
    std::memcpy(Buffer, FMemory + FPosition, n);
    FPosition += n;
    return n;
}

int64_t TMemoryStream::Write(const void* Buffer, int64_t Count) {
    if (Count <= 0) return 0;
    const int64_t end = FPosition + Count;
    if (end > FCapacity) SetCapacity(std::max(end, FCapacity + FCapacity / 2));
    // A write after a seek past the end leaves no uninitialised gap behind.
    if (FPosition > FSize) std::memset(FMemory + FSize, 0, FPosition - FSize);
    std::memcpy(FMemory + FPosition, Buffer, Count);
    FPosition = end;
    FSize = std::max(FSize, end);
    return Count;
}

int64_t TMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin) {
    int64_t base = 0;
    if (Origin == TSeekOrigin::soCurrent) base = FPosition;
    if (Origin == TSeekOrigin::soEnd) base = FSize;
    if (base + Offset < 0) throw EStreamError("Seek before the beginning of a memory stream");
    FPosition = base + Offset;
    return FPosition;
}

void TMemoryStream::LoadFromStream(TStream& Stream) {
    Stream.SetPosition(0);
    const int64_t size = Stream.Size();
    SetSize(size);
    FPosition = 0;
    Stream.ReadBuffer(FMemory, size);
}

void TMemoryStream::LoadFromFile(const std::string& FileName) {
    TFileStream file(FileName, TFileMode::fmOpenRead);
    LoadFromStream(file);
}

void TMemoryStream::SaveToStream(TStream& Stream) {
    Stream.WriteBuffer(FMemory, FSize);
}

void TMemoryStream::SaveToFile(const std::string& FileName) {
    TFileStream file(FileName, TFileMode::fmCreate);
    SaveToStream(file);
    file.Size(); // flushes, so a write failure raises here rather than being lost
}
