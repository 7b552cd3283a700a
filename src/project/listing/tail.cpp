#include "project/listing/tail.h"

#include "text/text_util.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "project/listing/pins.h"
#include "project/listing/text.h"
#include "state/dump_image.h"

namespace varnolux {
namespace {

constexpr size_t kHistoryLines =
    15;  // lines before the end label searched for the last instruction
constexpr size_t kQuotedPairLength = 80;
constexpr size_t kFields = 5;  // no check looks past field 5 of a line

// Finds records by name for the variable block: exact name first, then the same
// name in another case (some compilers upper-case the variable listing).
class RecordIndex {
  public:
    explicit RecordIndex(const VarTable& records) {
        for (size_t i = records.size(); i-- > 0;) {
            exact_[records[i].VarLabel] = i;
            folded_[LowerCase(records[i].VarLabel)] = i;
        }
    }
    bool Find(const std::string& name, size_t& index) const {
        auto e = exact_.find(name);
        if (e != exact_.end()) {
            index = e->second;
            return true;
        }
        auto f = folded_.find(LowerCase(name));
        if (f == folded_.end()) return false;
        index = f->second;
        return true;
    }

  private:
    std::unordered_map<std::string, size_t> exact_;
    std::unordered_map<std::string, size_t> folded_;
};

// "52" or "0X34": the value of a "variable" pair.
bool PairValue(const std::string& text, int32_t& value) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'X' || text[1] == 'x')) {
        uint32_t hex = 0;
        if (!LeadingHex(text.substr(2), hex) || hex > 0x7FFFFFFFu) return false;
        value = int32_t(hex);
        return true;
    }
    return LeadingDecimalNumber(text, value);
}

struct Tail {
    const std::vector<std::string>& lines;
    size_t first;  // first line of this stage: the history starts there
    VarTable& records;
    DeviceDescription& device;
    RomReference& rom;
    const DeviceCoreReader& readCore;
    LcdPins lcd;
    std::unique_ptr<RecordIndex> index;
    size_t badPairs = 0;
    std::string firstBadPair;
};

void BadPair(Tail& t, const std::string& pair) {
    if (t.badPairs++ == 0) t.firstBadPair = pair.substr(0, kQuotedPairLength);
}

// "0034   00727 variable _cmdBin#0=52,_cmdBin#1=53": every pair moves its record.
void ReadVariablePairs(Tail& t, const std::string& pairs) {
    if (!t.index) t.index = std::make_unique<RecordIndex>(t.records);
    for (const std::string& pair : SplitAt(pairs, ',')) {
        const size_t equals = pair.find('=');
        int32_t value = 0;
        if (equals == std::string::npos || !PairValue(pair.substr(equals + 1), value) ||
            value < 0 || value > kRamTop) {
            BadPair(t, pair);
            continue;
        }
        size_t record = 0;
        if (t.index->Find(pair.substr(0, equals), record)) t.records[record].VarAddress = value;
    }
}

// Consumes the lines of the assembler's variable block after its header line at
// `i`; returns the index of the "#define" line that ends it (or lines.size()).
size_t ReadVariableBlock(Tail& t, size_t i) {
    for (++i; i < t.lines.size(); ++i) {
        const std::vector<std::string> words = BlankWords(t.lines[i], kFields);
        if (Word(words, 2) == "#define") return i;
        if (Word(words, 3) == "variable") ReadVariablePairs(t, Word(words, 4));
    }
    return i;
}

uint32_t HexOrZero(const std::string& text) {
    uint32_t v = 0;
    return LeadingHex(text, v) ? v : 0;
}

// The last instruction line among the 15 lines before the end label at `i`.
void ReadRomReference(Tail& t, size_t i, const std::string& endAddress) {
    const int64_t end = HexOrZero(endAddress);
    const int64_t highest = int64_t(t.device.CodeSize) - 17;
    for (size_t k = 1; k <= kHistoryLines && k <= i - t.first; ++k) {
        const std::string& raw = t.lines[i - k];
        if (!raw.empty() && (raw[0] == ' ' || raw[0] == '\t')) continue;
        const std::vector<std::string> words = BlankWords(raw, kFields);
        const int64_t address = HexOrZero(Word(words, 1));
        if (address > highest || address == 0 || address >= end) continue;

        t.rom.address = int32_t(address);
        t.rom.firstWord = int32_t(HexOrZero(Word(words, 2)));
        // A second object word follows the first after exactly one blank.
        const std::vector<std::string> cells = SplitAt(raw, ' ');
        uint32_t second = 0;
        if (cells.size() > 2 && !cells[2].empty() && LeadingHex(cells[2], second)) {
            t.rom.secondWord = int32_t(second);
            t.rom.wordCount = 2;
        } else {
            t.rom.secondWord = -1;
            t.rom.wordCount = 1;
        }
        return;
    }
}

// "LIST P = 18F25K22, F = INHX32"
void ReadProcessor(Tail& t, const std::string& deviceWord) {
    const std::string name = deviceWord.substr(0, deviceWord.find(','));
    if (name.empty()) return;
    t.device.ListingDeviceName = name;
    const DeviceCore core = t.readCore(name);
    t.device.Core = core.core;
    t.device.CodeSize = core.maxCode;
}

// "00000F80   00042 PORTA equ 0X0F80": a register of the device, declared
// before the variable block (the assembler's value column may be missing).
void ReadRegister(Tail& t, const std::vector<std::string>& words) {
    const size_t equ = Word(words, 4) == "equ" ? 4 : Word(words, 3) == "equ" ? 3 : 0;
    int32_t address = 0;
    if (equ == 0 || !PairValue(Word(words, equ + 1), address) || address < 0 || address > kRamTop)
        return;
    t.device.Registers.push_back({Word(words, equ - 1), address});
}

// Checks 2 to 4 of one line: end label, processor directive, pin define.
void ExamineLine(Tail& t, size_t i, const std::vector<std::string>& words) {
    if (Word(words, 3) == "__EOF" && t.device.Core == 16) ReadRomReference(t, i, Word(words, 1));
    if (Word(words, 2) == "LIST" && Word(words, 3) == "P" && Word(words, 4) == "=") {
        ReadProcessor(t, Word(words, 5));
    }
    if (Word(words, 2) == "#define") ReadPinDefine(words, t.device, t.lcd);
}

}  // namespace

LcdPins ReadListingTail(const std::vector<std::string>& lines, size_t first, VarTable& records,
                        DeviceDescription& device, RomReference& rom,
                        const DeviceCoreReader& readCore, std::vector<std::string>& messages,
                        bool* endLabelSeen) {
    Tail t{lines, first, records, device, rom, readCore, {}, nullptr, 0, {}};
    device.Registers.clear();
    bool beforeVariables = true;
    for (size_t i = first; i < lines.size(); ++i) {
        std::vector<std::string> words = BlankWords(lines[i], kFields);
        if (Word(words, 3) == "STANDARD" && Word(words, 4) == "VARIABLES") {
            beforeVariables = false;
            i = ReadVariableBlock(t, i);
            if (i >= lines.size()) break;
            words = BlankWords(lines[i], kFields);
        }
        if (beforeVariables) ReadRegister(t, words);
        ExamineLine(t, i, words);
        if (endLabelSeen && Word(words, 3) == "__EOF") *endLabelSeen = true;
    }
    std::stable_sort(
        device.Registers.begin(), device.Registers.end(),
        [](const SpecialRegister& a, const SpecialRegister& b) { return a.address < b.address; });
    if (t.badPairs > 0) {
        messages.push_back(
            "ReadListing 10 " + std::to_string(t.badPairs) +
            " variable block entries without a valid address, the first: " + t.firstBadPair);
    }
    return t.lcd;
}

}  // namespace varnolux
