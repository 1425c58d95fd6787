#include "common/Json.h"

#include <cstdio>

std::string JsonQuote(const std::string& Utf8) {
    std::string out = "\"";
    for (const char c : Utf8) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned char>(c));
                out += buffer;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

void TJsonWriter::BeforeValue() {
    if (FAfterKey) {
        FAfterKey = false;
        return;
    }
    if (FLevels.empty()) return;
    Level& level = FLevels.back();
    if (!level.empty) FOut += ",";
    FOut += "\n" + std::string(FLevels.size() * 2, ' ');
    level.empty = false;
}

TJsonWriter& TJsonWriter::BeginObject() {
    BeforeValue();
    if (!FLevels.empty()) FLevels.back().nested = true;
    FLevels.push_back({true, true, FOut.size()});
    FOut += "{";
    return *this;
}

TJsonWriter& TJsonWriter::BeginArray() {
    BeforeValue();
    if (!FLevels.empty()) FLevels.back().nested = true;
    FLevels.push_back({false, true, FOut.size()});
    FOut += "[";
    return *this;
}

void TJsonWriter::Close(char Bracket) {
    const Level level = FLevels.back();
    FLevels.pop_back();
    if (level.empty) {
        FOut += Bracket;
        return;
    }
    // Members without nested containers go on one line when short enough.
    if (!level.nested) {
        std::string body = FOut.substr(level.start + 1);
        std::string flat;
        bool inString = false;
        for (size_t i = 0; i < body.size(); ++i) {
            const char c = body[i];
            if (c == '"' && (i == 0 || body[i - 1] != '\\')) inString = !inString;
            if (!inString && c == '\n') {
                while (i + 1 < body.size() && body[i + 1] == ' ')
                    ++i;
                if (!flat.empty()) flat += ' ';
                continue;
            }
            flat += c;
        }
        if (flat.size() <= 100) {
            FOut.resize(level.start + 1);
            FOut += flat + Bracket;
            return;
        }
    }
    FOut += "\n" + std::string(FLevels.size() * 2, ' ') + Bracket;
}

TJsonWriter& TJsonWriter::EndObject() {
    Close('}');
    return *this;
}

TJsonWriter& TJsonWriter::EndArray() {
    Close(']');
    return *this;
}

TJsonWriter& TJsonWriter::Key(const std::string& Name) {
    BeforeValue();
    FOut += JsonQuote(Name) + ": ";
    FAfterKey = true;
    return *this;
}

TJsonWriter& TJsonWriter::String(const std::string& Utf8) {
    BeforeValue();
    FOut += JsonQuote(Utf8);
    return *this;
}

TJsonWriter& TJsonWriter::Int(int64_t Value) {
    BeforeValue();
    FOut += std::to_string(Value);
    return *this;
}

TJsonWriter& TJsonWriter::UInt(uint64_t Value) {
    BeforeValue();
    FOut += std::to_string(Value);
    return *this;
}

TJsonWriter& TJsonWriter::Bool(bool Value) {
    BeforeValue();
    FOut += Value ? "true" : "false";
    return *this;
}

TJsonWriter& TJsonWriter::Null() {
    BeforeValue();
    FOut += "null";
    return *this;
}

std::string TJsonWriter::Text() const {
    return FLevels.empty() ? FOut + "\n" : FOut;
}
