#pragma once

#include <set>
#include <string>

// Names of the files an edition writes. A name is made from untrusted text
// (a picture's name, a title) and always ends as one plain file name inside
// its folder: separators, drive letters, ".." and characters that file
// systems refuse are replaced, and a name that differs from one already
// given only in letter case gets a number, so that no file overwrites
// another on any file system.
class TOutputNames {
public:
    // A new relative path "Folder/stem.ext" (Folder may be empty) made from
    // Wanted (UTF-8; any folders in it are dropped) with the extension Ext
    // (".png"). Never returns a path given before.
    std::string Take(const std::string& Folder, const std::string& Wanted, const std::string& Ext);
    // Reserves an exact relative path (the index, the style sheet).
    void Reserve(const std::string& Path);

private:
    std::set<std::string> FTaken; // letter case folded
};

// The last component of a Windows or native name, reduced to letters,
// digits, '-', '_' and '.' (other characters become '_'), without leading
// dots, at most 60 bytes (UTF-8 letters kept whole); "file" when nothing is
// left.
std::string SafeFileStem(const std::string& Utf8Name);

// Whether a relative path stays inside its folder: not absolute, no drive,
// no ".." component, no backslash.
bool StaysInside(const std::string& RelativePath);

// Creates the folder Dir and its parents; false when it cannot.
bool MakeFolders(const std::string& Dir);

// Reads the whole file at Path into Bytes; false when it is not a file, is
// larger than an edition copies (256 MB) or cannot be read.
bool ReadFileBytes(const std::string& Path, std::string& Bytes);
