#pragma once

#include <functional>
#include <string>

// Clips for the media tests, made in the test's temporary folder.

// A 16-bit PCM mono WAV file holding a quiet 440 Hz tone of Milliseconds.
void WriteToneWav(const std::string& Path, int Milliseconds);
// Runs a gst-launch-1.0 pipeline that ends in a filesink to Path (made with
// the tools of install-deps.sh); false when the pipeline fails.
bool MakeClip(const std::string& Pipeline, const std::string& Path);

// Spins the event loop until Done holds or the (generous) time runs out;
// returns Done().
bool WaitUntil(const std::function<bool()>& Done, int TimeoutMs = 10000);
