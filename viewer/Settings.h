#pragma once

#include <string>

// The viewer's settings file: the program's path with the extension ".ini"
// (appended when the program's name has no extension). It is only read.
std::string SettingsFileName(const std::string& ExeName);

// The data file to open. Without a settings file: data/TextBook.plb under
// ProgramDir. With one: its first line, a Windows name (code page 1251, or
// UTF-8 as typed on this system) taken relative to ProgramDir; a name that
// names no file is returned as a path anyway, for the load to fail on.
// Raises std::out_of_range when the settings file has no line at all, and
// EFOpenError when it exists but cannot be read.
std::string DataFileName(const std::string& ProgramDir, const std::string& SettingsFile);
