#pragma once

#include "platform/base/Types.h"

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

// Errors raised by streams. Read and Write report short transfers through their
// result; only failures of the underlying device raise.
class EStreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
class EFOpenError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EReadError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

// A byte stream with a position and a size.
class TStream : public TObject {
public:
    // Transfers up to Count bytes; returns how many were actually transferred.
    virtual int64_t Read(void* Buffer, int64_t Count) = 0;
    virtual int64_t Write(const void* Buffer, int64_t Count) = 0;
    // Moves the position; returns the new position.
    virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;
    virtual int64_t Size();
    virtual void SetSize(int64_t NewSize) = 0;

    int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(int64_t Pos) { Seek(Pos, TSeekOrigin::soBeginning); }

    // Whole transfers: raise EReadError / EWriteError on a short transfer.
    void ReadBuffer(void* Buffer, int64_t Count);
    void WriteBuffer(const void* Buffer, int64_t Count);
    // Copies Count bytes (all remaining bytes of Source when Count is 0).
    int64_t CopyFrom(TStream& Source, int64_t Count);
};

enum class TFileMode { fmOpenRead, fmCreate, fmOpenReadWrite };

// A file on disk, buffered so that runs of small reads cost no system call each;
// large transfers bypass the buffer.
class TFileStream : public TStream {
public:
    // Raises EFOpenError when the file cannot be opened. FileName is a native path.
    TFileStream(const std::string& FileName, TFileMode Mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    int64_t Read(void* Buffer, int64_t Count) override;
    int64_t Write(const void* Buffer, int64_t Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
    int64_t Size() override;
    void SetSize(int64_t NewSize) override;
    const std::string& FileName() const { return FFileName; }
    // Tells the system that the whole file is about to be read from start to
    // end, so that it reads ahead in large requests instead of waiting for
    // each buffer's worth. Only a hint: nothing changes if it is not taken.
    void WillReadWhole();

private:
    void FlushWrites();
    void DropReadBuffer();
    int64_t ReadDirect(char* Buffer, int64_t Count);

    static constexpr int64_t BufferSize = 64 * 1024;
    std::string FFileName;
    int FHandle = -1;
    int64_t FPosition = 0; // logical position seen by callers
    std::unique_ptr<char[]> FBuffer;
    int64_t FBufferStart = 0;  // file position of FBuffer[0]
    int64_t FBufferFill = 0;   // bytes of read-ahead held in FBuffer
    int64_t FPendingWrite = 0; // bytes of FBuffer waiting to be written at FBufferStart
};

// A stream over a block of memory that grows as it is written.
class TMemoryStream : public TStream {
public:
    TMemoryStream();
    ~TMemoryStream() override;
    TMemoryStream(const TMemoryStream&) = delete;
    TMemoryStream& operator=(const TMemoryStream&) = delete;
    TMemoryStream(TMemoryStream&& Other) noexcept;

    int64_t Read(void* Buffer, int64_t Count) override;
    int64_t Write(const void* Buffer, int64_t Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
    int64_t Size() override { return FSize; }
    // Changes the size; new bytes are not initialised. The position is kept,
    // but never beyond the new end.
    void SetSize(int64_t NewSize) override;
    void Clear();

    char* Memory() { return FMemory; }
    const char* Memory() const { return FMemory; }

    void LoadFromStream(TStream& Stream);
    void LoadFromFile(const std::string& FileName);
    void SaveToStream(TStream& Stream);
    void SaveToFile(const std::string& FileName);

private:
    void SetCapacity(int64_t NewCapacity);

    char* FMemory = nullptr;
    int64_t FSize = 0;
    int64_t FCapacity = 0;
    int64_t FPosition = 0;
};
