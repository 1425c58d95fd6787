#pragma once

#include "platform/media/MediaPlayer.h"

#include <string>
#include <vector>

// A back end that writes every call into a log the test owns (so the log
// outlives the player) and answers with the values the test sets.
class TRecordingBackend : public TMediaBackend {
public:
    explicit TRecordingBackend(std::vector<std::string>& Log) : FLog(Log) {}

    bool Open(const std::string& Path, std::string& Error) override {
        FLog.push_back("Open " + Path);
        if (!OpenSucceeds) Error = FailReason;
        return OpenSucceeds;
    }
    void Close() override { FLog.push_back("Close"); }
    void Play() override { FLog.push_back("Play"); }
    void Pause() override { FLog.push_back("Pause"); }
    TMPModes Mode() const override { return ModeValue; }
    int64_t Length() const override { return LengthValue; }
    int64_t Position() const override { return PositionValue; }
    void Seek(int64_t Position) override { FLog.push_back("Seek " + std::to_string(Position)); }
    void SetDisplay(TControl* Display, const TRect& R) override {
        LastDisplay = Display;
        FLog.push_back("Display " + std::to_string(R.Left) + "," + std::to_string(R.Top) + "," +
                       std::to_string(R.Right) + "," + std::to_string(R.Bottom));
    }

    bool OpenSucceeds = true;
    std::string FailReason;
    TMPModes ModeValue = mpStopped;
    int64_t LengthValue = 0;
    int64_t PositionValue = 0;
    TControl* LastDisplay = nullptr;

private:
    std::vector<std::string>& FLog;
};
