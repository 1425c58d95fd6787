#include "hypertext/MarkupRecords.h"

namespace markup {

bool ReadRecord(const std::vector<uint8_t>& Records, size_t Position, TRecord& Record) {
    const size_t size = Records.size();
    if (Position + 2 > size) return false;
    Record = TRecord();
    Record.Position = Position;
    Record.Tag = Records[Position];
    const auto text = [&](size_t at, size_t length) {
        if (at + length > size) return false;
        Record.Text = reinterpret_cast<const char*>(Records.data() + at);
        Record.Length = static_cast<int>(length);
        Record.End = at + length;
        return true;
    };
    if (Record.Tag == rtText) {
        if (Position + 3 > size) return false;
        return text(Position + 3, size_t(Records[Position + 1]) << 8 | Records[Position + 2]);
    }
    Record.Keyword = Records[Position + 1];
    if (Record.Keyword >= kwCount) return false;
    Record.End = Position + 2;
    switch (Record.Tag) {
    case rtReset:
        return true;
    case rtNumber:
    case rtPercentage:
        if (Position + 6 > size) return false;
        for (int i = 0; i < 4; ++i)
            Record.Number |= static_cast<int32_t>(uint32_t(Records[Position + 2 + i]) << (8 * i));
        Record.End = Position + 6;
        return true;
    case rtSet:
        if (HasKind(Record.Keyword, kfText)) {
            if (Position + 3 > size) return false;
            return text(Position + 3, Records[Position + 2]);
        }
        if (HasKind(Record.Keyword, kfKeyword)) {
            if (Position + 3 > size || Records[Position + 2] >= kwCount) return false;
            Record.ValueKeyword = Records[Position + 2];
            Record.End = Position + 3;
        }
        return true;
    default:
        return false;
    }
}

} // namespace markup
