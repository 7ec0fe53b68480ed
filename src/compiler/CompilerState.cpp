#include "compiler/LadderCompiler.h"

#include <algorithm>
#include <cstdio>

namespace velmora {

namespace {

// Indexed by code - 1001. The texts that are the code and blanks only are kept as they are.
constexpr std::array<std::string_view, 41> ErrorMessageTable = {
    "1001 继电器或者线圈的地址未设定",
    "1002 输入代码的功能指令不存在",
    "1003 功能指令COM/COME未正确使用",
    "1004 用户梯形图超出最大允许行数或者步数",
    "1005 功能指令END1或END2未正确使用",
    "1006 网络中存在非法的输出",
    "1007 硬件故障或者系统中断错误导致PLC无法通信",
    "1008 功能指令未正确连接",
    "1009 网络水平线未连上",
    "1010 在编辑梯形图时断电导致在编辑的网络丢失",
    "1011 地址数据未正确输入",
    "1012 输入符号未定义或者输入地址超出范围",
    "1013 指定了非法字符",
    "1014 CTR地址重复",
    "1015 功能指令JMP/LBL未正确处理或者超出容量",
    "1016 网络结构不完整",
    "1017 出现当前不支持的网络结构",
    "1018 网络出现悬空节点",
    "1019 TMR地址重复",
    "1020 功能指令中缺少参数",
    "1021 PLC执行超时,系统自动停止PLC",
    "1022 请输入功能指令名",
    "1023 存在有不必要的继电器或线圈",
    "1024 ",
    "1025 功能指令未正确输出",
    "1026 网络连接行数超出支持范围",
    "1027 同一输出地址被重复使用",
    "1028      ",
    "1029      ",
    "1030 网络中有不正确的垂直线",
    "1031 用户数据区已满,请减少COD指令数据表容量",
    "1032 梯形图的第一级太大,不能及时执行完毕",
    "1033 SFT指令超出最大允许使用数",
    "1034 功能指令DIFU/DIFD未正确使用",
    "1035      ",
    "1036      ",
    "1037      ",
    "1038      ",
    "1039 指令或网络不在可执行范围内",
    "1040 功能指令CALL/SP/SPE未正确使用",
    "1041 水平导通线与节点网络并联.",
};

} // namespace

std::array<std::uint8_t, 8> CodeRecord::Bytes() const {
    return {opcode,
            format,
            static_cast<std::uint8_t>(step & 0xFF),
            static_cast<std::uint8_t>(step >> 8),
            static_cast<std::uint8_t>(operand & 0xFF),
            static_cast<std::uint8_t>(operand >> 8),
            letter,
            bitMask};
}

LadderCompiler::LadderCompiler() {
    lines.reserve(MaxLines);
    Reset();
}

void LadderCompiler::Reset() {
    end2Step = 0;
    comOpen = 0;
    stepCount = 0;
    codeBuffer.fill(CodeRecord{});
    recordCount = 0;
    calls.fill(CallRecord{});
    subprograms.fill(SubprogramRecord{});
    speRecords.fill(NumberedStep{});
    jumps.fill(NumberedStep{});
    labels.fill(NumberedStep{});
    dataTable.fill(0);
    difUsed.fill(0);
    callCount = 0;
    subprogramCount = 0;
    currentSubprogram = 0;
    speCount = 0;
    jumpCount = 0;
    labelCount = 0;
    dataWordCount = 0;
    codtRemaining = 0;
    nextDataAddress = FirstDataAddress;
    codtElementSize = 0;
    dataHighHalf = 0;
}

void LadderCompiler::RecordError(int source, int code, int row) {
    if (errorCount >= MaxErrors) {
        return;
    }
    errors[errorCount] =
        ConvertError{static_cast<std::uint8_t>(source), static_cast<std::uint16_t>(code), row};
    ++errorCount;
}

const LadderRow& LadderCompiler::GetRow(int index) const {
    const int last = std::max(program->rowCount - 1, 0);
    return program->Row(std::clamp(index, 0, last));
}

std::string_view LadderCompiler::ErrorText(int code) {
    if (code < 1001 || code > 1041) {
        return {};
    }
    return ErrorMessageTable[static_cast<std::size_t>(code - 1001)];
}

std::string LadderCompiler::ReportLine(const ConvertError& error) {
    char prefix[64];
    std::snprintf(prefix, sizeof prefix, "梯图第%04d行  错误代号 ", error.row + 1);
    return std::string(prefix) + std::string(ErrorText(error.code));
}

std::string LadderCompiler::ReportLine() const {
    return errorCount == 0 ? std::string() : ReportLine(errors[errorCount - 1u]);
}

} // namespace velmora
