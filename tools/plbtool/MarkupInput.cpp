#include "MarkupInput.h"

#include "platform/base/Cp1251.h"
#include "platform/base/Streams.h"
#include "platform/base/StringList.h"

#include <exception>

bool ReadMarkupFile(const std::string& FileName, AnsiString& Text, std::string& Error) {
    try {
        TMemoryStream file;
        file.LoadFromFile(FileName);
        const AnsiString bytes = TextFileToCp1251(std::string(file.Memory(), file.Size()));
        const auto lines = SplitLines(bytes.data(), bytes.size());
        Text.clear();
        for (size_t i = 0; i < lines.size(); ++i)
            Text += (i ? "\r\n" : "") + lines[i];
        return true;
    } catch (const std::exception& e) {
        Error = FileName + ": " + e.what();
        return false;
    }
}
