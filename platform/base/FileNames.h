#pragma once

#include "platform/base/Types.h"

#include <string>

// File names. Native paths are UTF-8 with '/' separators. Textbooks and the
// settings file hold Windows names (code page 1251, '\' separators, letter case
// not significant); the resolver turns them into existing native paths.

// Resolves a name whose components may be separated by '\' or '/': each
// component that does not exist as written is matched without regard to letter
// case. A relative name starts at BaseDir (the current directory when empty).
// A leading drive ("C:") is dropped and the rest taken from the root.
// Returns the native path of the existing file or folder, or "" when none.
std::string ResolvePath(const std::string& Utf8Name, const std::string& BaseDir = "");
// The same for a code page 1251 Windows name.
std::string ResolveWindowsName(const AnsiString& Name, const std::string& BaseDir = "");
// A Windows name as a native path, without looking at the disk.
std::string WindowsNameToNative(const AnsiString& Name);

bool FileExists(const std::string& Path); // an existing file that is not a folder
bool DirectoryExists(const std::string& Path);
std::string ExtractFilePath(const std::string& Path); // up to and including the last '/'
std::string ExtractFileName(const std::string& Path);
std::string ExtractFileExt(const std::string& Path); // from the last '.', "" when none
// Replaces the extension (from the last '.' of the file name) or appends Ext.
std::string ChangeFileExt(const std::string& Path, const std::string& Ext);
bool IsAbsolutePath(const std::string& Path);
std::string JoinPath(const std::string& Dir, const std::string& Name);

std::string GetCurrentDir();
bool SetCurrentDir(const std::string& Dir);
// Full path of the running program.
std::string ApplicationExeName();
