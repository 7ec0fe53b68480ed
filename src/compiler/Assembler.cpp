#include "compiler/LadderCompiler.h"
#include "compiler/Numbers.h"
#include "compiler/Opcodes.h"

#include <climits>

namespace velmora {

namespace {

// Indexed by opcode. The lookup stops at STOP, which is never found itself.
constexpr std::array<std::string_view, 56> MnemonicTable = {
    "NO",     "RD",     "RD.NOT",     "AND",   "AND.NOT", "WRT.NOT", "WRT",     "OR",
    "OR.NOT", "RD.STK", "RD.NOT.STK", "GET",   "REG",     "13",      "AND.STK", "15",
    "OR.STK", "END1",   "END2",       "SPE",   "COM",     "COME",    "22",      "DIFU",
    "DIFD",   "SET",    "RST",        "JMPB",  "CALL",    "LBL",     "SP",      "COMP",
    "COIN",   "TMR",    "CTR",        "MOVN",  "DEC",     "COD",     "ROT",     "DSCH",
    "ADD",    "SUB",    "XMOV",       "ANDF",  "ORF",     "EOR",     "NOT",     "SFT",
    "CODT",   "TMRB",   "TMRC",       "CALLU", "MOVB",    "MOVW",    "AXCTL",   "STOP",
};
static_assert(MnemonicTable.size() == op::Stop + 1);

char CharAt(std::string_view text, std::size_t index) {
    return index < text.size() ? text[index] : '\0';
}

// A side of a step boundary: "above" a step is later in the program.
bool Above(int step, int boundary) { return step > boundary; }

} // namespace

bool LadderCompiler::AssemblyLine::Read(std::string_view line) {
    text.clear();
    words.clear();
    row = -1;
    if (line.empty()) {
        return false;
    }
    for (char ch : line) {
        if (ch != ' ' || text.empty() || text.back() != ' ') {
            text.push_back(ch);
        }
    }
    ToUpperInPlace(text);

    const std::size_t lastBlank = text.rfind(' ');
    if (lastBlank != std::string::npos) {
        const int suffix = Atoi(std::string_view(text).substr(lastBlank + 1));
        row = suffix == INT_MIN ? INT_MIN : suffix - 1;
    }

    const std::string_view all(text);
    std::size_t start = 0;
    while (start < all.size()) {
        std::size_t end = all.find(' ', start);
        if (end == std::string_view::npos) {
            end = all.size();
        }
        if (end > start) {
            words.push_back(all.substr(start, end - start));
        }
        start = end + 1;
    }
    return true;
}

void LadderCompiler::ToUpperInPlace(std::string& text) {
    for (char& ch : text) {
        if (ch >= 'a' && ch <= 'z') {
            ch = static_cast<char>(ch - 'a' + 'A');
        }
    }
}

int LadderCompiler::MnemonicOpcode(std::string_view word) {
    for (int opcode = 0; opcode < op::Stop; ++opcode) {
        if (MnemonicTable[static_cast<std::size_t>(opcode)] == word) {
            return opcode;
        }
    }
    return op::No;
}

std::uint8_t LadderCompiler::LetterCode(std::string_view text) {
    const char letter = CharAt(text, 0);
    switch (letter) {
    case 'X':
    case 'Y':
    case 'F':
    case 'G':
    case 'R':
    case 'C':
    case 'T':
    case 'K':
    case 'A':
        return static_cast<std::uint8_t>(letter);
    case 'D':
        if (CharAt(text, 1) == 'C') {
            return 'c';
        }
        if (CharAt(text, 1) == 'T') {
            return 't';
        }
        return 'D';
    default:
        return 0;
    }
}

std::uint16_t LadderCompiler::AddressWord(std::string_view text) {
    const std::uint8_t letter = LetterCode(text);
    const std::size_t digitsAt = letter == 'c' || letter == 't' ? 2 : 1;
    const std::string_view digits = digitsAt < text.size() ? text.substr(digitsAt, 4) : "";
    const auto n = static_cast<std::uint32_t>(Atoi(digits));
    std::uint32_t word = 0;
    switch (letter) {
    case 'F':
        word = 0x8010 + n;
        break;
    case 'G':
        word = 0x8050 + n;
        break;
    case 'X':
        word = 0x8090 + n;
        break;
    case 'Y':
        word = 0x80D0 + n;
        break;
    case 't':
        word = 0x8100 + 2 * n;
        break;
    case 'c':
        word = 0x8200 + 2 * n;
        break;
    case 'D':
        word = 0x8300 + 2 * n;
        break;
    case 'R':
        word = 0x8500 + n;
        break;
    case 'T':
        word = 0x8700 + 2 * n;
        break;
    case 'C':
        word = 0x8800 + 2 * n;
        break;
    case 'A':
        word = 0x8C00 + n;
        break;
    case 'K':
        word = 0x8C80 + n;
        break;
    default:
        break;
    }
    return static_cast<std::uint16_t>(word & 0xFFFF);
}

std::uint8_t LadderCompiler::BitMask(std::string_view text) {
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || point + 1 >= text.size()) {
        return 0;
    }
    // A bit number beyond 7 does not fit the mask byte and gives no bit at all.
    const int bit = text[point + 1] - '0';
    return bit >= 0 && bit <= 7 ? static_cast<std::uint8_t>(1u << bit) : 0;
}

bool LadderCompiler::EmitCode(const CodeRecord& record) {
    if (recordCount >= MaxRecords) {
        RecordError(0, 1004, -1);
        return false;
    }
    CodeRecord& stored = codeBuffer[recordCount];
    stored = record;
    if (record.opcode != op::Terminator) {
        stored.step = recordCount;
    }
    ++recordCount;
    return true;
}

void LadderCompiler::MakeRecord(CodeRecord record) {
    record.step = stepCount;
    ++stepCount;
    EmitCode(record);
}

void LadderCompiler::MakeNetworkEnd() {
    CodeRecord record;
    record.opcode = op::NetworkEnd;
    record.step = stepCount;
    ++stepCount;
    networkStartStep = stepCount;
    EmitCode(record);
}

int LadderCompiler::Assemble() {
    Reset();
    // The first network starts at step 0; a value left from an earlier run would reach the
    // DIFU and DIFD records of that network.
    networkStartStep = 0;
    sftCount = 0;
    bool coilWritten = false;
    bool afterEnd2 = false;

    AssemblyLine line;
    for (const std::string& stored : lines) {
        if (!line.Read(stored)) {
            continue;
        }
        sourceRow = line.Row();
        const int opcode = MnemonicOpcode(line.Word(0));

        if (comOpen != 0 && opcode >= op::Set && opcode != op::Come) {
            RecordError(0, 1003, sourceRow);
            return -1;
        }
        if (afterEnd2 && opcode != op::Sp) {
            RecordError(0, 1039, sourceRow);
            return -1;
        }

        switch (opcode) {
        case op::Rd:
        case op::RdNot:
            if (coilWritten) {
                MakeNetworkEnd();
                coilWritten = false;
            }
            Encode(opcode, line);
            break;
        case op::And:
        case op::AndNot:
        case op::Or:
        case op::OrNot:
        case op::RdStk:
        case op::RdNotStk:
        case op::AndStk:
        case op::OrStk:
            Encode(opcode, line);
            break;
        case op::WrtNot:
        case op::Wrt:
            Encode(opcode, line);
            coilWritten = true;
            break;
        case op::End1:
            Encode(opcode, line);
            MakeNetworkEnd();
            coilWritten = false;
            if (stepCount >= FirstLevelSteps) {
                RecordError(0, 1032, sourceRow);
            } else if (program != nullptr) {
                program->level1End = static_cast<std::uint16_t>(stepCount - 1);
            }
            break;
        case op::End2:
            Encode(opcode, line);
            MakeNetworkEnd();
            coilWritten = false;
            end2Step = static_cast<std::uint16_t>(stepCount - 1);
            afterEnd2 = true;
            break;
        case op::Spe:
            Encode(opcode, line);
            MakeNetworkEnd();
            coilWritten = false;
            afterEnd2 = true;
            break;
        case op::Sp:
            afterEnd2 = false;
            Encode(opcode, line);
            MakeNetworkEnd();
            coilWritten = false;
            break;
        case op::Set:
        case op::Rst:
        case op::Com:
        case op::Come:
        case op::Jmpb:
        case op::Call:
        case op::Lbl:
        case op::Callu:
        case op::Dec:
        case op::Andf:
        case op::Orf:
        case op::Eor:
        case op::Not:
            Encode(opcode, line);
            MakeNetworkEnd();
            coilWritten = false;
            break;
        case op::Codt:
            if (codtRemaining != 0) {
                Encode(opcode, line);
            } else {
                MakeNetworkEnd();
            }
            coilWritten = false;
            break;
        case op::Difu:
        case op::Difd:
        case op::Comp:
        case op::Coin:
        case op::Tmr:
        case op::Ctr:
        case op::Movn:
        case op::Cod:
        case op::Rot:
        case op::Dsch:
        case op::Add:
        case op::Sub:
        case op::Xmov:
        case op::Sft:
        case op::Tmrb:
        case op::Tmrc:
        case op::Movb:
        case op::Movw:
        case op::Axctl:
            Encode(opcode, line);
            break;
        default:
            break;
        }

        if (errorCount >= 1) {
            errors[errorCount - 1u].row = sourceRow;
            return 0;
        }
    }

    if (errorCount != 0) {
        return 0;
    }
    // A table that ends in a low half still holds data in that word.
    CodeRecord terminator;
    terminator.opcode = op::Terminator;
    terminator.format = op::Terminator;
    terminator.step = static_cast<std::uint16_t>(dataWordCount + (dataHighHalf != 0 ? 1 : 0));
    ++stepCount;
    EmitCode(terminator);
    LinkPass();
    return 1;
}

void LadderCompiler::LinkPass() {
    if (subprogramCount != speCount) {
        // Only the last subprogram can be left open: an SP is refused while another is open.
        RecordError(0, 1040, subprograms[currentSubprogram].sourceRow);
        return;
    }

    for (int i = 0; i < speCount; ++i) {
        const int sp = speRecords[static_cast<std::size_t>(i)].number;
        callChainDepth = 0;
        if (subprograms[static_cast<std::size_t>(sp)].calleeCount > 0) {
            callChain[callChainDepth++] = static_cast<std::uint16_t>(sp);
            if (!CheckNesting(sp)) {
                return;
            }
        }
    }

    for (int i = 0; i < callCount; ++i) {
        const CallRecord& call = calls[static_cast<std::size_t>(i)];
        const SubprogramRecord& target = subprograms[static_cast<std::size_t>(call.number)];
        if (target.defined == 0) {
            RecordError(0, 1040, call.sourceRow);
            return;
        }
        if (call.step < recordCount) {
            codeBuffer[call.step].SetSecondWord(target.step);
        }
    }

    const int end1 = program != nullptr ? program->level1End : 0;
    for (int i = 0; i < jumpCount; ++i) {
        const NumberedStep& jump = jumps[static_cast<std::size_t>(i)];
        const NumberedStep* label = nullptr;
        for (int k = 0; k < labelCount; ++k) {
            if (labels[static_cast<std::size_t>(k)].number == jump.number) {
                label = &labels[static_cast<std::size_t>(k)];
                break;
            }
        }
        bool valid = label != nullptr;
        if (valid) {
            const int l = label->step;
            const int j = jump.step;
            valid = Above(l, end1) == Above(j, end1) && Above(l, end2Step) == Above(j, end2Step);
            if (valid && Above(l, end2Step)) {
                for (int k = 0; k < speCount && valid; ++k) {
                    const int spe = speRecords[static_cast<std::size_t>(k)].step;
                    valid = Above(l, spe) == Above(j, spe);
                }
            }
        }
        if (!valid) {
            RecordError(0, 1015, jump.sourceRow);
            return;
        }
        if (jump.step < recordCount) {
            codeBuffer[jump.step].SetSecondWord(label->step);
        }
    }
}

bool LadderCompiler::CheckNesting(int sp) {
    const SubprogramRecord& caller = subprograms[static_cast<std::size_t>(sp)];
    for (int k = 0; k < caller.calleeCount; ++k) {
        const int callee = calleeLists[static_cast<std::size_t>(sp)][static_cast<std::size_t>(k)];
        bool onChain = false;
        for (int d = 0; d < callChainDepth; ++d) {
            onChain = onChain || callChain[static_cast<std::size_t>(d)] == callee;
        }
        if (onChain) {
            for (int i = 0; i < callCount; ++i) {
                const CallRecord& call = calls[static_cast<std::size_t>(i)];
                if (call.number == callee && call.sourceRow > caller.sourceRow) {
                    RecordError(0, 1040, call.sourceRow);
                    return false;
                }
            }
        }
        if (subprograms[static_cast<std::size_t>(callee)].calleeCount > 0) {
            if (callChainDepth >= MaxCallChain) {
                RecordError(0, 1040, caller.sourceRow);
                return false;
            }
            callChain[callChainDepth++] = static_cast<std::uint16_t>(callee);
            if (!CheckNesting(callee)) {
                return false;
            }
            --callChainDepth;
        }
    }
    return true;
}

} // namespace velmora
