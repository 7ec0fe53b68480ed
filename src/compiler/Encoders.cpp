#include "compiler/LadderCompiler.h"
#include "compiler/Numbers.h"
#include "compiler/Opcodes.h"

#include <algorithm>

namespace velmora {

namespace {

using Line = LadderCompiler::AssemblyLine;

constexpr int DataWordSize = 5; // characters of a COD table value

// Characters past the end of a word read as NUL, as in the fixed fields the words come from.
char CharAt(std::string_view text, std::size_t index) {
    return index < text.size() ? text[index] : '\0';
}

int Digit(char ch) { return ch - '0'; }

// The operand size of a format word: its fourth digit, 3 bytes being handled as 4.
int Size(std::string_view format) {
    const int size = Digit(CharAt(format, 3));
    return size == 3 ? 4 : size;
}

// 1: the next operand is a constant; 2: an address.
int OperandKind(std::string_view format) { return Digit(CharAt(format, 0)) + 1; }

bool IsLetterWord(std::string_view word) {
    const char first = CharAt(word, 0);
    return first >= 'B' && first <= 'Y';
}

CodeRecord Record(int opcode, int format) {
    CodeRecord record;
    record.opcode = static_cast<std::uint8_t>(opcode);
    record.format = static_cast<std::uint8_t>(format);
    return record;
}

void SetAddress(CodeRecord& record, std::string_view word) {
    record.operand = LadderCompiler::AddressWord(word);
    record.letter = LadderCompiler::LetterCode(word);
    record.bitMask = 0;
}

void SetBitAddress(CodeRecord& record, std::string_view word) {
    SetAddress(record, word);
    record.bitMask = LadderCompiler::BitMask(word);
}

void SetConstant(CodeRecord& record, std::string_view word) {
    record.SetConstant(static_cast<std::uint32_t>(Atoi(word)));
}

// The second operand of a two-operand instruction, by the kind its record's format announces.
void SetValue(CodeRecord& record, std::string_view word) {
    if (record.format == 1) {
        SetConstant(record, word);
    } else if (record.format == 2) {
        SetAddress(record, word);
    }
}

std::uint8_t LowByte(int value) { return static_cast<std::uint8_t>(value & 0xFF); }
std::uint16_t Word16(long long value) { return static_cast<std::uint16_t>(value & 0xFFFF); }

enum class Mover { Movn, MovbOrMovw };

// Whether count units starting at the destination stay inside the destination's area.
bool DestinationFits(std::string_view destination, long long count, bool addressSource,
                     Mover mover) {
    const long long n = destination.empty() ? 0 : Atoi(destination.substr(1));
    const long long end = count + n;
    switch (CharAt(destination, 0)) {
    case 'A':
        return end <= 32;
    case 'C':
    case 'T':
        return end <= (addressSource ? 256 : 128);
    case 'D':
        return end <= (addressSource ? 512 : 256);
    case 'G':
        return end < 64;
    case 'K':
        return end <= 64;
    case 'R':
        if (mover == Mover::Movn) {
            return !((n <= 255 && end >= 256) || end > 512);
        }
        return end <= 510;
    case 'Y':
        return end <= 48;
    default:
        return true;
    }
}

class Encoder {
public:
    Encoder(LadderCompiler& compiler, const Line& line) : c(compiler), line(line) {}

    std::string_view T(std::size_t index) const { return line.Word(index); }
    int N(std::size_t index) const { return Atoi(line.Word(index)); }
    void Make(const CodeRecord& record) { c.MakeRecord(record); }
    void Fail(int code, int row) { c.RecordError(0, code, row); }

    void Bit(int opcode) {
        CodeRecord record = Record(opcode, 2);
        SetBitAddress(record, T(1));
        Make(record);
    }

    void NoOperand(int opcode) { Make(Record(opcode, 0)); }

    void Dif(int opcode) {
        const int number = N(1);
        if (number < 0 || number >= LadderCompiler::DifNumbers ||
            c.difUsed[static_cast<std::size_t>(number)] != 0) {
            Fail(1034, -1);
            return;
        }
        c.difUsed[static_cast<std::size_t>(number)] = 1;
        CodeRecord record = Record(opcode, 0);
        record.operand = Word16(number);
        record.SetSecondWord(c.networkStartStep);
        Make(record);
    }

    void Tmr() {
        CodeRecord record = Record(op::Tmr, 5);
        record.operand = LowByte(N(1));
        Make(record);
    }

    void Tmrc() {
        CodeRecord record = Record(op::Tmr, N(1));
        record.operand = LowByte(N(2));
        Make(record);
    }

    void Tmrb() {
        CodeRecord record = Record(op::Tmrb, N(1));
        record.operand = LowByte(N(2));
        record.SetSecondWord(Word16(N(3)));
        Make(record);
    }

    void Ctr() {
        CodeRecord record = Record(op::Ctr, 0);
        record.operand = LowByte(N(1));
        Make(record);
    }

    void Comp() {
        CodeRecord first = Record(op::Comp, Size(T(1)));
        SetAddress(first, T(3));
        Make(first);
        CodeRecord second = Record(op::Comp, OperandKind(T(1)));
        SetValue(second, T(2));
        Make(second);
    }

    void Coin() {
        CodeRecord first = Record(op::Coin, Size(T(1)));
        SetBitAddress(first, T(3));
        Make(first);
        CodeRecord second = Record(op::Coin, OperandKind(T(1)));
        if (second.format == 1) {
            SetConstant(second, T(2));
        } else if (second.format == 2) {
            SetBitAddress(second, T(2));
        }
        Make(second);
    }

    // ADD, SUB, ANDF, ORF, EOR: A op B -> C.
    void Arithmetic(int opcode) {
        CodeRecord first = Record(opcode, Size(T(1)));
        SetAddress(first, T(2));
        Make(first);
        CodeRecord second = Record(opcode, OperandKind(T(1)));
        SetValue(second, T(3));
        Make(second);
        Addresses(opcode, 4, 4);
    }

    void Not() {
        CodeRecord first = Record(op::Not, Size(T(1)));
        SetAddress(first, T(2));
        Make(first);
        Addresses(op::Not, 3, 3);
    }

    void Xmov() {
        CodeRecord first = Record(op::Xmov, Size(T(1)));
        SetAddress(first, T(2));
        Make(first);
        Addresses(op::Xmov, 3, 5);
    }

    void Dsch() {
        const int size = N(1);
        CodeRecord first = Record(op::Dsch, size == 3 ? 4 : size);
        SetAddress(first, T(2));
        Make(first);
        Addresses(op::Dsch, 3, 5);
    }

    void Dec() {
        CodeRecord first = Record(op::Dec, 0);
        SetAddress(first, T(4));
        Make(first);
        CodeRecord second = Record(op::Dec, N(1));
        SetAddress(second, T(2));
        Make(second);
        CodeRecord third = Record(op::Dec, 0);
        SetConstant(third, T(3));
        Make(third);
    }

    void Rot() {
        Addresses(op::Rot, 2, 3);
        CodeRecord third = Record(op::Rot, IsLetterWord(T(1)) ? 2 : 1);
        if (third.format == 2) {
            SetBitAddress(third, T(1));
        } else {
            SetConstant(third, T(1));
        }
        Make(third);
        Addresses(op::Rot, 4, 4);
    }

    void Cod() {
        const int size = N(1);
        const int entries = N(2);
        CodeRecord first = Record(op::Cod, entries);
        SetAddress(first, T(4));
        Make(first);
        CodeRecord second = Record(op::Cod, size);
        second.operand = LadderCompiler::AddressWord(T(3));
        second.SetSecondWord(c.nextDataAddress);
        Make(second);
        c.codtRemaining = static_cast<std::uint32_t>(entries);
        c.codtElementSize = static_cast<std::uint8_t>(size);
        c.nextDataAddress = Word16(c.nextDataAddress + static_cast<long long>(size) * entries);
    }

    // Packs up to four table values into the data words: a byte table two values per word,
    // low half first, a word table one value per word, shifted by a byte when the table
    // started in a high half.
    void Codt() {
        const int size = c.codtElementSize;
        const int half = c.dataHighHalf;
        std::uint32_t taken = 0;
        for (std::uint32_t i = 1; i <= 4 && c.codtRemaining >= i; ++i) {
            if (c.dataWordCount >= LadderCompiler::MaxDataWords) {
                Fail(1031, c.sourceRow);
                return;
            }
            const std::string_view word = T(i);
            if (word.size() != DataWordSize) {
                Fail(1011, c.sourceRow);
                return;
            }
            const auto value = static_cast<std::uint16_t>(Atoi(word));
            const auto at = static_cast<std::size_t>(c.dataWordCount);
            if (size == 1) {
                const std::uint16_t byte = value & 0xFF;
                if ((i + static_cast<std::uint32_t>(half)) % 2 == 1) {
                    c.dataTable[at] = static_cast<std::int16_t>(byte);
                } else {
                    c.dataTable[at] = static_cast<std::int16_t>(
                        static_cast<std::uint16_t>(c.dataTable[at]) + (byte << 8));
                    ++c.dataWordCount;
                }
            } else if (size == 2) {
                if (half == 0) {
                    c.dataTable[at] = static_cast<std::int16_t>(value);
                } else {
                    if (at + 1 >= LadderCompiler::MaxDataWords) {
                        Fail(1031, c.sourceRow);
                        return;
                    }
                    c.dataTable[at] = static_cast<std::int16_t>(
                        static_cast<std::uint16_t>(c.dataTable[at]) + ((value & 0xFF) << 8));
                    c.dataTable[at + 1] = static_cast<std::int16_t>(value >> 8);
                }
                ++c.dataWordCount;
            }
            ++taken;
        }
        c.codtRemaining -= taken;
        if (size == 1) {
            c.dataHighHalf =
                static_cast<std::uint8_t>((taken + static_cast<std::uint32_t>(half)) % 2);
        }
    }

    void Movn() {
        const bool addressSource = IsLetterWord(T(2));
        CodeRecord first = Record(op::Movn, addressSource ? 2 : 1);
        if (addressSource) {
            first.operand = LadderCompiler::AddressWord(T(2));
        } else {
            SetConstant(first, T(2));
        }
        Make(first);
        CodeRecord second = Record(op::Movn, 0);
        second.operand = LadderCompiler::AddressWord(T(3));
        second.SetSecondWord(Word16(N(1)));
        Make(second);
        if (!DestinationFits(T(3), N(1), addressSource, Mover::Movn)) {
            Fail(1023, -1);
        }
    }

    // MOVB moves one byte, MOVW two.
    void Move(int opcode) {
        const bool addressSource = IsLetterWord(T(1));
        CodeRecord record = Record(opcode, addressSource ? 2 : 1);
        record.operand = addressSource ? LadderCompiler::AddressWord(T(1)) : Word16(N(1));
        record.SetSecondWord(LadderCompiler::AddressWord(T(2)));
        Make(record);
        const int count = opcode == op::Movw ? 1 : 0;
        if (!DestinationFits(T(2), count, addressSource, Mover::MovbOrMovw)) {
            Fail(1023, c.sourceRow);
        }
    }

    void Sft() {
        if (c.sftCount >= LadderCompiler::MaxSftInstructions) {
            Fail(1033, -1);
            return;
        }
        CodeRecord record = Record(op::Sft, Digit(CharAt(T(2), 3)));
        record.operand = LadderCompiler::AddressWord(T(1));
        record.letter = static_cast<std::uint8_t>(c.sftCount);
        record.bitMask = static_cast<std::uint8_t>(Digit(CharAt(T(2), 0)));
        Make(record);
        ++c.sftCount;
    }

    void Axctl() {
        CodeRecord record = Record(op::Axctl, N(1) - 4);
        SetAddress(record, T(2));
        Make(record);
    }

    void Com() {
        Make(Record(op::Com, 0x33));
        c.comOpen = 1;
    }

    void Come() {
        if (c.comOpen == 0) {
            Fail(1003, -1);
            return;
        }
        Make(Record(op::Come, 0x33));
        c.comOpen = 0;
    }

    void Jump(int opcode) {
        const bool isJump = opcode == op::Jmpb;
        std::uint16_t& count = isJump ? c.jumpCount : c.labelCount;
        if (count >= LadderCompiler::MaxCalls) {
            Fail(1015, -1);
            return;
        }
        const int number = N(1);
        (isJump ? c.jumps : c.labels)[count] = NumberedStep{number, c.stepCount, c.sourceRow};
        ++count;
        CodeRecord record = Record(opcode, 0x4C);
        record.operand = static_cast<std::uint16_t>(((number % 256) + 256) % 256);
        if (isJump) {
            record.SetSecondWord(c.stepCount); // until the link pass finds the label
        }
        Make(record);
    }

    bool SubprogramNumberValid(int number) {
        if (number < 0 || number >= LadderCompiler::SubprogramNumbers) {
            Fail(1040, c.sourceRow);
            return false;
        }
        return true;
    }

    void Call(int opcode) {
        const int number = N(1);
        if (!SubprogramNumberValid(number)) {
            return;
        }
        if (c.callCount >= LadderCompiler::MaxCalls) {
            Fail(1040, -1);
            return;
        }
        c.calls[c.callCount] = CallRecord{number, c.stepCount, c.sourceRow};
        ++c.callCount;
        if (c.subprogramCount > 0) {
            SubprogramRecord& current = c.subprograms[c.currentSubprogram];
            if (current.calleeCount >= LadderCompiler::MaxCallees ||
                c.subprogramCount == c.speCount || number == c.currentSubprogram) {
                Fail(1040, -1);
                return;
            }
            auto& callees = c.calleeLists[c.currentSubprogram];
            const auto listed = callees.begin() + current.calleeCount;
            if (std::find(callees.begin(), listed, number) == listed) {
                callees[current.calleeCount] = static_cast<std::uint16_t>(number);
                ++current.calleeCount;
            }
        }
        CodeRecord record = Record(opcode, 0x32);
        record.operand = Word16(number);
        record.SetSecondWord(c.stepCount); // until the link pass finds the subprogram
        Make(record);
    }

    void Sp() {
        const int number = N(1);
        if (!SubprogramNumberValid(number)) {
            return;
        }
        if (c.end2Step == 0 || c.speCount != c.subprogramCount ||
            c.subprogramCount >= LadderCompiler::MaxSubprograms) {
            Fail(1040, -1);
            return;
        }
        c.currentSubprogram = static_cast<std::uint16_t>(number);
        SubprogramRecord& subprogram = c.subprograms[c.currentSubprogram];
        subprogram.defined = 1;
        subprogram.step = c.stepCount;
        subprogram.sourceRow = c.sourceRow;
        ++c.subprogramCount;
        CodeRecord record = Record(op::Sp, 0x32);
        record.operand = Word16(number);
        Make(record);
    }

    void Spe() {
        if (c.speCount != c.subprogramCount - 1 || c.speCount >= LadderCompiler::MaxSubprograms) {
            Fail(1040, -1);
            return;
        }
        c.speRecords[c.speCount] = NumberedStep{c.currentSubprogram, c.stepCount, c.sourceRow};
        ++c.speCount;
        Make(Record(op::Spe, 0));
    }

private:
    // Records of format 0 holding one address each, for the words from..to.
    void Addresses(int opcode, std::size_t from, std::size_t to) {
        for (std::size_t i = from; i <= to; ++i) {
            CodeRecord record = Record(opcode, 0);
            SetAddress(record, T(i));
            Make(record);
        }
    }

    LadderCompiler& c;
    const Line& line;
};

} // namespace

void LadderCompiler::Encode(int opcode, const AssemblyLine& line) {
    Encoder encoder(*this, line);
    switch (opcode) {
    case op::Rd:
    case op::RdNot:
    case op::And:
    case op::AndNot:
    case op::WrtNot:
    case op::Wrt:
    case op::Or:
    case op::OrNot:
    case op::RdStk:
    case op::RdNotStk:
    case op::Set:
    case op::Rst:
        encoder.Bit(opcode);
        break;
    case op::AndStk:
    case op::OrStk:
    case op::End1:
    case op::End2:
        encoder.NoOperand(opcode);
        break;
    case op::Difu:
    case op::Difd:
        encoder.Dif(opcode);
        break;
    case op::Tmr:
        encoder.Tmr();
        break;
    case op::Tmrc:
        encoder.Tmrc();
        break;
    case op::Tmrb:
        encoder.Tmrb();
        break;
    case op::Ctr:
        encoder.Ctr();
        break;
    case op::Comp:
        encoder.Comp();
        break;
    case op::Coin:
        encoder.Coin();
        break;
    case op::Add:
    case op::Sub:
    case op::Andf:
    case op::Orf:
    case op::Eor:
        encoder.Arithmetic(opcode);
        break;
    case op::Not:
        encoder.Not();
        break;
    case op::Xmov:
        encoder.Xmov();
        break;
    case op::Dsch:
        encoder.Dsch();
        break;
    case op::Dec:
        encoder.Dec();
        break;
    case op::Rot:
        encoder.Rot();
        break;
    case op::Cod:
        encoder.Cod();
        break;
    case op::Codt:
        encoder.Codt();
        break;
    case op::Movn:
        encoder.Movn();
        break;
    case op::Movb:
    case op::Movw:
        encoder.Move(opcode);
        break;
    case op::Sft:
        encoder.Sft();
        break;
    case op::Axctl:
        encoder.Axctl();
        break;
    case op::Com:
        encoder.Com();
        break;
    case op::Come:
        encoder.Come();
        break;
    case op::Jmpb:
    case op::Lbl:
        encoder.Jump(opcode);
        break;
    case op::Call:
    case op::Callu:
        encoder.Call(opcode);
        break;
    case op::Sp:
        encoder.Sp();
        break;
    case op::Spe:
        encoder.Spe();
        break;
    default:
        break;
    }
}

} // namespace velmora
