#pragma once

#include <string>

// A fresh folder under the system's temporary folder, removed with its contents.
class TTempDir {
public:
    TTempDir();
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    const std::string& Path() const { return FPath; }
    std::string File(const std::string& Name) const { return FPath + "/" + Name; }

private:
    std::string FPath;
};

std::string ReadFileBytes(const std::string& Path);
void WriteFileBytes(const std::string& Path, const std::string& Bytes);
std::string FixturePath(const std::string& Relative);
// Runs a shell command; returns its exit status and collects its standard output.
int RunCommand(const std::string& Command, std::string* Output = nullptr);
