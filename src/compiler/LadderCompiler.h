#pragma once

#include "model/LadderProgram.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct ConvertError {
    std::uint8_t source = 0; // 0: the compiler; 1: the editor's element checks
    std::uint16_t code = 0;  // 1001 to 1041
    std::int32_t row = -1;   // 0-based ladder row; -1 where a stage has no row
};

// A column range of the block under analysis.
struct ColumnSegment {
    std::int32_t start = 0;
    std::int32_t end = 0;
    std::uint8_t parallel = 0;
};

// One assembled record, 8 bytes little-endian in the code file. Bytes 4-7 also serve as one
// 32-bit constant, byte 4 as a small number and bytes 6-7 as a second word, by instruction.
struct CodeRecord {
    std::uint8_t opcode = 0;
    std::uint8_t format = 0;
    std::uint16_t step = 0;
    std::uint16_t operand = 0;
    std::uint8_t letter = 0;
    std::uint8_t bitMask = 0;

    std::uint32_t Constant() const {
        return static_cast<std::uint32_t>(operand) | (static_cast<std::uint32_t>(letter) << 16) |
               (static_cast<std::uint32_t>(bitMask) << 24);
    }
    void SetConstant(std::uint32_t value) {
        operand = static_cast<std::uint16_t>(value & 0xFFFF);
        letter = static_cast<std::uint8_t>((value >> 16) & 0xFF);
        bitMask = static_cast<std::uint8_t>(value >> 24);
    }
    std::uint16_t SecondWord() const {
        return static_cast<std::uint16_t>(letter | (static_cast<std::uint16_t>(bitMask) << 8));
    }
    void SetSecondWord(std::uint16_t value) {
        letter = static_cast<std::uint8_t>(value & 0xFF);
        bitMask = static_cast<std::uint8_t>(value >> 8);
    }

    // The record's eight bytes as the code file carries them, on any host.
    std::array<std::uint8_t, 8> Bytes() const;

    bool operator==(const CodeRecord&) const = default;
};

struct CallRecord {
    std::int32_t number = 0; // label numbers are compared whole
    std::uint16_t step = 0;
    std::int32_t sourceRow = 0;
};

struct SubprogramRecord {
    std::uint8_t defined = 0;
    std::uint16_t step = 0;
    std::uint16_t calleeCount = 0;
    std::int32_t sourceRow = 0;
};

// SPE, JMPB and LBL entries: a number (subprogram or label), the step and the source row.
using NumberedStep = CallRecord;

// The whole conversion pipeline of one document: checks, translation of the ladder into the
// instruction list, assembly into code records. Each stage lives in a source file of its own.
class LadderCompiler {
public:
    static constexpr int MaxLines = 6000;
    static constexpr int LineSlotSize = 50; // text before the row suffix is shorter than this
    static constexpr int MaxBoundaries = 30;
    static constexpr int MaxSegments = 30;
    static constexpr int MaxErrors = 100;
    static constexpr int MaxRecords = 4699;
    static constexpr int MaxDataWords = 256;
    static constexpr int MaxCalls = 100;
    static constexpr int MaxSubprograms = 100;
    static constexpr int MaxCallees = 18;
    static constexpr int MaxCallChain = 18;
    static constexpr int CounterNumbers = 128;
    static constexpr int LabelNumbers = 100;
    static constexpr int DifNumbers = 256;
    static constexpr std::uint16_t FirstDataAddress = 0x8A00;

    LadderCompiler();
    virtual ~LadderCompiler() = default;

    // --- state and reporting -------------------------------------------------------------
    void Reset();
    void RecordError(int source, int code, int row);
    // Clamps the index to the ladder's rows, so an analysis that steps past an end reads the
    // first or last row again. The ladder must have at least one row.
    const LadderRow& GetRow(int index) const;
    // The report line of the last recorded error, UTF-8 ("梯图第%04d行  错误代号 " + text).
    std::string ReportLine() const;
    static std::string ReportLine(const ConvertError& error);
    static std::string_view ErrorText(int code);

    // --- pre-conversion checks ------------------------------------------------------------
    bool PreCheck();
    bool RegisterNumber(LadderCell& cell, int number, int row, bool rebuild);
    static bool IsReservedOutput(std::string_view text);

    // --- network analysis and instruction generation (Networks.cpp, ParallelBlock.cpp,
    //     FunctionNetwork.cpp, Convert.cpp) ------------------------------------------------
    // Runs the whole pipeline; 1 on success, 0 or less on failure (the error list says why).
    int Convert();
    // Walks the ladder network by network into the instruction list; the error list tells
    // whether it succeeded.
    void GenerateInstructionList();
    // Both answer for an exact element code: a code with a row or column offset is not in their
    // table, so it takes conditions and drives no coil.
    static bool NeedsCondition(int kind);
    static bool HasOutput(int kind);

    // The segments of one block, kept by each level of the analysis because nested blocks
    // rebuild the shared `segments`.
    struct SegmentCopy {
        std::int32_t count = 0;
        std::array<ColumnSegment, MaxSegments> list{};
    };
    // blockFirst and blockLast, saved around a nested block.
    struct BlockRows {
        std::int32_t first = 0;
        std::int32_t last = 0;
    };

    bool EmitLine(std::string_view text, int row);
    void ClearLines();
    bool EmitRelayLine(std::string_view mnemonic, const LadderCell& cell, int row);
    // A cell read through GetRow; a column outside the row reads as an empty cell.
    const LadderCell& CellAt(int row, int column) const;
    bool HasLink(int row, int column) const;

    bool RowBlank(int row, int from, int to) const;
    int LastLinkColumn(int row, int from, int to) const;
    // The kind (high byte) of the first box cell among cells 0 to 6, 0 when there is none.
    int FindFunctionInRow(int row, int& column) const;
    // The box column, -1 without a box, -2 after an error; end receives the network's last row.
    int NetworkExtent(int start, int& end);
    bool SeriesRow(int row, int from, int to, int kind);
    bool AndSeries(int row, int from, int to);
    bool BranchSeries(bool isOr, int row, int from, int to);
    bool EmitCoils(int first, int last, bool fromBox);

    bool ParallelBlock(int first, int last, int from, int to);
    BlockRows SaveBlockRows() const;
    void RestoreBlockRows(const BlockRows& saved);
    bool SplitColumns(int first, int last, int from, int to);
    int MergePoint(int first, int last, int col);
    int BranchEnd(int& r, int last, ColumnSegment& segment, bool continuing, int s);
    int NeedAndStk(const SegmentCopy& copy, int s);
    int RowProfile(int row, int from, int to, bool strict);
    int CountContacts(int row, int from, int to) const;
    bool CheckNotAllLines(int row, int from, int to);
    bool CheckOnlyFirstRow(int first, int last, int from, int to);

    bool FunctionNetwork(int first, int last, int col);
    bool TableNetwork(int first, int last);
    void AppendParameter(std::string_view text);
    bool CoilNetwork(int first, int last);

    // --- assembler, encodings and output files (Assembler.cpp, Encoders.cpp, CodeFile.cpp) --
    static constexpr int MaxSftInstructions = 128;
    static constexpr int FirstLevelSteps = 500; // the first level must end below this step
    static constexpr int SubprogramNumbers = 100;

    // One instruction-list line as the assembler reads it: blanks collapsed, upper case, split
    // into words. Word 0 is the mnemonic; the row suffix is the last word; a word the line does
    // not have reads as empty. The words point into the object, so it is not copied.
    class AssemblyLine {
    public:
        AssemblyLine() = default;
        AssemblyLine(const AssemblyLine&) = delete;
        AssemblyLine& operator=(const AssemblyLine&) = delete;

        // False for an empty line, which the assembler skips.
        bool Read(std::string_view line);
        std::string_view Word(std::size_t index) const {
            return index < words.size() ? words[index] : std::string_view();
        }
        // The 0-based ladder row of the line: its row suffix minus one, -1 without a blank.
        int Row() const { return row; }

    private:
        std::string text;
        std::vector<std::string_view> words;
        int row = -1;
    };

    // 1 when every line was read (the link pass may still have recorded an error), 0 when an
    // error stopped the reading, -1 when a COM range or the executable range was violated.
    int Assemble();
    bool EmitCode(const CodeRecord& record);
    static void ToUpperInPlace(std::string& text);
    // Index in the mnemonic table; 0 for a word that is not in it.
    static int MnemonicOpcode(std::string_view word);
    static std::uint8_t LetterCode(std::string_view text);
    static std::uint16_t AddressWord(std::string_view text);
    static std::uint8_t BitMask(std::string_view text);
    // Numbers the record with the next step and stores it.
    void MakeRecord(CodeRecord record);
    void MakeNetworkEnd();
    // Makes the records of one line (Encoders.cpp).
    void Encode(int opcode, const AssemblyLine& line);
    void LinkPass();
    bool CheckNesting(int sp);
    // The instruction-list text file: every line without its row number, ended by CR LF.
    bool WriteInstructionText(std::string& file) const;
    // The binary code file: the records, then the COD data words the terminator counts.
    bool WriteBinaryCode(std::string& file) const;

    int sftCount = 0; // SFT instructions assembled in this run

    // --- fields ---------------------------------------------------------------------------
    LadderProgram* program = nullptr;

    std::vector<std::string> lines; // the instruction list, at most MaxLines
    std::string lineBuffer;

    std::int32_t boundaryCount = 0;
    std::array<std::int32_t, MaxBoundaries> boundaryStack{};
    std::int32_t segmentCount = 0;
    std::array<ColumnSegment, MaxSegments> segments{};
    std::int32_t blockLast = 0;
    std::int32_t blockFirst = 0;

    std::array<std::uint8_t, CounterNumbers> ctrUsed{};
    std::array<std::uint8_t, CounterNumbers> tmrUsed{};
    std::array<std::uint8_t, CounterNumbers> tmrbUsed{};
    std::array<std::uint8_t, LabelNumbers> lblUsed{};
    std::array<std::uint8_t, LabelNumbers> spUsed{};

    std::uint8_t comOpen = 0;
    std::uint32_t codtRemaining = 0;
    std::uint8_t codtElementSize = 0;
    std::array<std::int16_t, MaxDataWords> dataTable{};
    std::uint16_t nextDataAddress = FirstDataAddress;
    std::int32_t dataWordCount = 0;
    std::uint8_t dataHighHalf = 0;
    std::uint16_t stepCount = 0;

    std::uint16_t errorCount = 0;
    std::array<ConvertError, MaxErrors> errors{};
    std::int32_t sourceRow = 0;

    std::uint16_t callCount = 0;
    std::array<CallRecord, MaxCalls> calls{};
    std::uint16_t subprogramCount = 0;
    std::uint16_t currentSubprogram = 0;
    std::array<SubprogramRecord, MaxSubprograms> subprograms{};
    std::array<std::array<std::uint16_t, MaxCallees>, MaxSubprograms> calleeLists{};
    std::uint16_t speCount = 0;
    std::array<NumberedStep, MaxSubprograms> speRecords{};
    std::uint16_t jumpCount = 0;
    std::array<NumberedStep, MaxCalls> jumps{};
    std::uint16_t labelCount = 0;
    std::array<NumberedStep, MaxCalls> labels{};
    std::array<std::uint8_t, DifNumbers> difUsed{};
    std::uint16_t end2Step = 0;
    std::uint16_t networkStartStep = 0;

    std::uint16_t recordCount = 0; // records held in codeBuffer
    std::array<CodeRecord, MaxRecords> codeBuffer{};

    std::array<std::uint16_t, MaxCallChain> callChain{};
    std::uint16_t callChainDepth = 0;
};

} // namespace velmora
