#include "MediaClips.h"

#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <cmath>
#include <numbers>

namespace {

void PutLE(std::string& Out, uint32_t Value, int Bytes) {
    for (int i = 0; i < Bytes; ++i)
        Out += static_cast<char>((Value >> (8 * i)) & 0xFF);
}

} // namespace

void WriteToneWav(const std::string& Path, int Milliseconds) {
    const uint32_t rate = 22050;
    const uint32_t samples = rate * static_cast<uint32_t>(Milliseconds) / 1000;
    const uint32_t dataBytes = samples * 2;
    std::string wav = "RIFF";
    PutLE(wav, 36 + dataBytes, 4);
    wav += "WAVEfmt ";
    PutLE(wav, 16, 4);       // format chunk size
    PutLE(wav, 1, 2);        // PCM
    PutLE(wav, 1, 2);        // mono
    PutLE(wav, rate, 4);     // samples per second
    PutLE(wav, rate * 2, 4); // bytes per second
    PutLE(wav, 2, 2);        // bytes per sample frame
    PutLE(wav, 16, 2);       // bits per sample
    wav += "data";
    PutLE(wav, dataBytes, 4);
    for (uint32_t i = 0; i < samples; ++i) {
        const double phase = 2 * std::numbers::pi * 440.0 * i / rate;
        const auto sample = static_cast<int16_t>(std::lround(1500 * std::sin(phase)));
        PutLE(wav, static_cast<uint16_t>(sample), 2);
    }
    WriteFileBytes(Path, wav);
}

bool MakeClip(const std::string& Pipeline, const std::string& Path) {
    const std::string command =
        "gst-launch-1.0 -q " + Pipeline + " ! filesink location='" + Path + "' 2>&1";
    std::string output;
    return RunCommand(command, &output) == 0;
}

bool WaitUntil(const std::function<bool()>& Done, int TimeoutMs) {
    const QDeadlineTimer deadline(TimeoutMs);
    while (!Done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}
