#include "project/listing/variables.h"

#include <algorithm>

#include "project/listing/text.h"
#include "seams/ini_file.h"
#include "state/dump_image.h"
#include "text/text_util.h"

namespace varnolux {
namespace {

constexpr size_t kUnknownTypeMessages = 10;  // the rest are counted in one message
constexpr size_t kQuotedLineLength = 80;

enum class Shape { Bit, Scalar, String };

struct TypeKeyword {
    const char* keyword;
    int32_t varType;
    int32_t bytes;
    Shape shape;
};

constexpr TypeKeyword kKeywords[] = {
    {"DT_BIT", VT_BIT, 1, Shape::Bit},
    {"DT_BYTE", VT_BYTE, 1, Shape::Scalar},
    {"DT_WORD", VT_WORD, 2, Shape::Scalar},
    {"DT_DWORD", VT_DWORD, 4, Shape::Scalar},
    {"DT_MCHP_FLOAT", VT_FLOAT, 4, Shape::Scalar},
    {"DT_STRING", VT_BYTE, 1, Shape::String},
};

const TypeKeyword* FindKeyword(const std::string& text) {
    for (const TypeKeyword& k : kKeywords) {
        if (text == k.keyword) return &k;
    }
    return nullptr;
}

// Lines left out for one reason: how many, and the first one for the message.
struct Skipped {
    size_t count = 0;
    std::string first;
    void Add(const std::string& comment) {
        if (count++ == 0) first = comment.substr(0, kQuotedLineLength);
    }
};

struct Section {
    VarTable& records;
    std::vector<std::string>& messages;
    Skipped malformed;
    Skipped beyondRam;
    Skipped noRoom;
    size_t unknownTypes = 0;
};

MyVarRecord NewRecord(const std::string& label, int32_t address) {
    MyVarRecord r;
    r.VarLabel = label.substr(0, kVarLabelWidth);
    r.VarAddress = address;
    r.VarRecordType = RT_VARIABLE;
    r.VarLen = 1;
    r.VarDisplayType = DT_DECIMAL;
    r.AddDisplayType = DT_DECIMAL;
    r.VarIsExpanded = 1;
    return r;
}

bool HasRoom(Section& s, size_t needed, const std::string& comment) {
    if (s.records.size() + needed <= kMaxRecords) return true;
    s.noRoom.Add(comment);
    return false;
}

void AddUnknownType(Section& s, const std::string& name, int32_t address,
                    const std::string& comment) {
    if (++s.unknownTypes <= kUnknownTypeMessages) {
        s.messages.push_back("ReadListing 3 " + name + " ");
    }
    if (!HasRoom(s, 1, comment)) return;
    // Name, address and row only: record type, type, length and both radixes
    // stay 0, so the record shows "???" for its type and its value.
    MyVarRecord r = NewRecord(name, address);
    r.VarRecordType = 0;
    r.VarLen = 0;
    r.VarType = 0;
    r.VarDisplayType = DT_NOCHANGE;
    r.AddDisplayType = DT_NOCHANGE;
    s.records.push_back(r);
}

// The bit number of "flag,30.5,DT_BIT": the third piece when cut at "." and ",".
bool BitNumber(const std::string& comment, int32_t& bit) {
    std::string text = comment;
    std::replace(text.begin(), text.end(), '.', ',');
    const std::vector<std::string> pieces = SplitAt(text, ',');
    return pieces.size() >= 3 && LeadingDecimalNumber(pieces[2], bit) && bit >= 0 && bit <= 7;
}

int32_t RoundedQuotient(int32_t size, int32_t divisor) {
    return int32_t((int64_t(size) + divisor / 2) / divisor);
}

// Number of elements of a variable of `size` bytes; 0 for a simple variable.
int32_t ElementCount(const TypeKeyword& k, int32_t size) {
    if (k.shape == Shape::String) return size;
    if (size > k.bytes) return k.bytes == 1 ? size : RoundedQuotient(size, k.bytes);
    return 0;
}

void ReadVariableLine(Section& s, const std::string& comment) {
    const std::vector<std::string> fields = SplitAt(comment, ',');
    const std::string name = TrimBlanks(fields[0]);
    if (name.empty()) return;

    uint32_t address = 0;
    if (fields.size() < 3 || !LeadingHex(TrimBlanks(fields[1]), address)) {
        s.malformed.Add(comment);
        return;
    }
    if (address > uint32_t(kRamTop)) {
        s.beyondRam.Add(comment);
        return;
    }
    const TypeKeyword* keyword = FindKeyword(TrimBlanks(fields[2]));
    if (keyword == nullptr) {
        AddUnknownType(s, name, int32_t(address), comment);
        return;
    }

    if (keyword->shape == Shape::Bit) {
        int32_t bit = 0;
        if (!BitNumber(comment, bit)) {
            s.malformed.Add(comment);
            return;
        }
        if (!HasRoom(s, 1, comment)) return;
        MyVarRecord r = NewRecord(name, int32_t(address));
        r.VarType = VT_BIT;
        r.VarLen = bit;
        r.VarFirstTime = 1;
        s.records.push_back(r);
        return;
    }

    int32_t size = 0;
    if (fields.size() < 4 || !LeadingDecimalNumber(fields[3], size) ||
        (keyword->shape == Shape::String && size < 1)) {
        s.malformed.Add(comment);
        return;
    }
    const int32_t elements = ElementCount(*keyword, size);
    const int64_t lastStart =
        int64_t(address) + int64_t(std::max(elements - 1, 0)) * keyword->bytes;
    if (lastStart > kRamTop) {
        s.beyondRam.Add(comment);
        return;
    }
    if (!HasRoom(s, size_t(elements) + 1, comment)) return;

    MyVarRecord r = NewRecord(name, int32_t(address));
    r.VarType = keyword->varType;
    if (elements > 0) {
        r.VarRecordType = RT_ARRAY;
        r.VarLen = elements;
    }
    s.records.push_back(r);
    for (int32_t j = 0; j < elements; ++j) {
        MyVarRecord e =
            NewRecord(name + "#" + std::to_string(j), int32_t(address) + j * keyword->bytes);
        e.VarType = keyword->varType;
        e.VarRecordType = RT_SUBSCRIPT;
        e.VarIsExpanded = 0;
        s.records.push_back(e);
    }
}

void ReportSkipped(Section& s) {
    if (s.unknownTypes > kUnknownTypeMessages) {
        s.messages.push_back("ReadListing 3 " +
                             std::to_string(s.unknownTypes - kUnknownTypeMessages) +
                             " more variables with unknown types");
    }
    if (s.malformed.count > 0) {
        s.messages.push_back(
            "ReadListing 6 " + std::to_string(s.malformed.count) +
            " variable lines with empty or malformed fields not read, the first: " +
            s.malformed.first);
    }
    if (s.beyondRam.count > 0) {
        s.messages.push_back("ReadListing 8 " + std::to_string(s.beyondRam.count) +
                             " variables beyond RAM address " + std::to_string(kRamTop) +
                             " not read, the first: " + s.beyondRam.first);
    }
    if (s.noRoom.count > 0) {
        s.messages.push_back("ReadListing 4 more than " + std::to_string(kMaxRecords) +
                             " variable records; " + std::to_string(s.noRoom.count) +
                             " variables not read, the first: " + s.noRoom.first);
    }
}

}  // namespace

size_t ReadVariableSection(const std::vector<std::string>& lines, size_t first, VarTable& records,
                           std::vector<std::string>& messages) {
    Section s{records, messages, {}, {}, {}, 0};
    // Sized once: no more records than the lines left, arrays aside, and never
    // more than the table holds.
    records.reserve(std::min(lines.size() - std::min(first, lines.size()), kMaxRecords) + 1);
    for (size_t i = first; i < lines.size(); ++i) {
        const std::string comment = CommentText(lines[i]);
        if (comment == "[End Listing]") {
            ReportSkipped(s);
            records.shrink_to_fit();
            return i + 1;
        }
        ReadVariableLine(s, comment);
    }
    ReportSkipped(s);
    records.shrink_to_fit();
    messages.push_back("ReadListing 5 end of data ");
    return lines.size();
}

}  // namespace varnolux
