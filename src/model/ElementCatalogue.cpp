#include "model/ElementCatalogue.h"

namespace velmora {

const std::array<FunctionInfo, FunctionCount> FunctionTable = {{
    {"CTR", 0x10, 2, 4, 4, 32783, 0, false, {"计数器号", "", "", "", ""}},
    {"ROT",
     0x11,
     5,
     5,
     5,
     32785,
     0,
     false,
     {"转台定位地址", "当前位置地址", "目标位置地址", "结果输出地址", ""}},
    {"COMP", 0x12, 4, 2, 1, 32786, 1, true, {"指定格式", "输入数据地址", "比较数据地址", "", ""}},
    {"MOVN", 0x13, 4, 2, 1, 32788, 1, true, {"传送字节数", "传送源地址", "传送目的地址", "", ""}},
    {"CALL", 0x14, 2, 1, 1, 32793, 0, false, {"子程序号", "", "", "", ""}},
    {"SP", 0x15, 2, 1, 1, 32794, 0, false, {"子程序号", "", "", "", ""}},
    {"SPE", 0x16, 1, 1, 1, 32795, 0, false, {"", "", "", "", ""}},
    {"DSCH",
     0x17,
     6,
     3,
     3,
     32790,
     0,
     false,
     {"格式指定", "数据表容量存储地址", "数据表头地址", "检索地址", "结果输出地址"}},
    {"COIN", 0x18, 4, 2, 1, 32792, 1, true, {"格式指定", "输入值", "比较值地址", "", ""}},
    {"TMR", 0x19, 2, 2, 1, 32784, 1, true, {"定时器号", "", "", "", ""}},
    {"ADD",
     0x20,
     5,
     2,
     2,
     32798,
     0,
     false,
     {"格式指定", "被加数地址", "加数地址或常数", "结果输出地址", ""}},
    {"SUB",
     0x21,
     5,
     2,
     2,
     32799,
     0,
     false,
     {"格式指定", "被减数地址", "减数地址或常数", "结果输出地址", ""}},
    {"XMOV",
     0x22,
     6,
     3,
     3,
     32800,
     0,
     false,
     {"格式指定", "数据表容量存储地址", "数据表头地址", "输入输出数据地址", "表内号存储地址"}},
    {"END1", 0x71, 1, 1, 1, 32796, 0, false, {"", "", "", "", ""}},
    {"END2", 0x72, 1, 1, 1, 32797, 0, false, {"", "", "", "", ""}},
    {"DEC",
     0x25,
     5,
     2,
     1,
     32801,
     1,
     true,
     {"格式指定", "代码数据地址", "译码数据地址", "译码结果地址", ""}},
    {"COD",
     0x26,
     5,
     2,
     2,
     32802,
     0,
     false,
     {"格式指定", "转换表数据容量", "转换输入数据地址", "转换输出数据地址", ""}},
    {"DIFU", 0x27, 2, 1, 1, 32803, 0, false, {"上升沿号", "", "", "", ""}},
    {"DIFD", 0x28, 2, 1, 1, 32804, 0, false, {"下降沿号", "", "", "", ""}},
    {"EOR", 0x29, 5, 2, 1, 32805, 1, true, {"格式指定", "地址A", "常数或地址B", "地址C", ""}},
    {"ANDF", 0x30, 5, 2, 1, 32806, 1, true, {"格式指定", "地址A", "常数或地址B", "地址C", ""}},
    {"ORF", 0x31, 5, 2, 1, 32807, 1, true, {"格式指定", "地址A", "常数或地址B", "地址C", ""}},
    {"NOT", 0x32, 4, 2, 1, 32808, 1, true, {"格式指定", "地址A", "地址B", "", ""}},
    {"JMPB", 0x33, 2, 1, 1, 32809, 0, false, {"目的标号", "", "", "", ""}},
    {"LBL", 0x34, 2, 1, 1, 32810, 0, false, {"标号", "", "", "", ""}},
    {"RST", 0x35, 2, 1, 1, 32811, 0, false, {"复位地址", "", "", "", ""}},
    {"SET", 0x36, 2, 1, 1, 32812, 0, false, {"置位地址", "", "", "", ""}},
    {"SFT", 0x37, 3, 4, 4, 32813, 0, false, {"移位数据地址", "格式指定", "", "", ""}},
    {"COM", 0x38, 1, 1, 1, 32814, 1, true, {"", "", "", "", ""}},
    {"COME", 0x39, 1, 1, 1, 32815, 1, true, {"", "", "", "", ""}},
    {"CODT",
     0x40,
     10,
     0,
     0,
     0,
     0,
     false,
     {"转换表数据", "转换表数据", "转换表数据", "转换表数据", "转换表数据"}},
    {"TMRB", 0x41, 4, 2, 1, 32816, 2, true, {"定时器精度", "定时器号", "", "", ""}},
    {"TMRC", 0x42, 3, 2, 1, 32817, 2, true, {"定时器精度", "定时器号", "设定值", "", ""}},
    {"CALLU", 0x43, 2, 1, 1, 32818, 2, false, {"子程序号", "", "", "", ""}},
    {"MOVB", 0x44, 3, 2, 1, 32819, 2, true, {"传送源地址", "传送目的地址", "", "", ""}},
    {"MOVW", 0x45, 3, 2, 1, 32820, 2, true, {"传送源地址", "传送目的地址", "", "", ""}},
    {"AXCTL", 0x46, 3, 2, 2, 32829, 0, false, {"信号的组号", "轴控制数据地区", "", "", ""}},
}};

int KindFromIndex(int index) {
    const int kind = (index / 10) * 16 + (index % 10) + 0x10;
    if (kind == 0x23) {
        return Kind::END1;
    }
    if (kind == 0x24) {
        return Kind::END2;
    }
    return kind;
}

int IndexFromKind(int kind) {
    if (kind == Kind::END1) {
        return 13;
    }
    if (kind == Kind::END2) {
        return 14;
    }
    const int t = kind - 0x10;
    return (t / 16) * 10 + (t % 16);
}

const FunctionInfo* FindFunction(int kind) {
    if (kind == 0x23 || kind == 0x24) {
        return nullptr;
    }
    const int index = IndexFromKind(kind);
    if (index < 0 || index >= FunctionCount || kind < 0x10 || (kind & 0x0F) > 9) {
        return nullptr;
    }
    const FunctionInfo& info = FunctionTable[static_cast<std::size_t>(index)];
    return info.kind == kind ? &info : nullptr;
}

bool GetBoxSize(ElementCode code, int& width, int& height) {
    if (const FunctionInfo* info = FindFunction(KindOf(code))) {
        width = info->width;
        height = info->height;
    }
    return true;
}

bool GetBoxInputs(ElementCode code, int& inputs) {
    if (const FunctionInfo* info = FindFunction(KindOf(code))) {
        inputs = info->inputRows;
    }
    return true;
}

int OldLayoutClass(ElementCode code) {
    const FunctionInfo* info = FindFunction(KindOf(code));
    return info ? info->oldLayoutClass : 0;
}

bool ExpandsOnLoad(ElementCode code) {
    const FunctionInfo* info = FindFunction(KindOf(code));
    return info && info->expandsOnLoad;
}

std::string_view ParameterLabel(ElementCode code) {
    const FunctionInfo* info = FindFunction(KindOf(code));
    if (!info) {
        return {};
    }
    if (info->kind == Kind::CODT) {
        return "转换表数据";
    }
    const int offset = ColumnOffsetOf(code);
    if (offset < 1) {
        return {};
    }
    return info->labels[static_cast<std::size_t>(offset >= 5 ? 4 : offset - 1)];
}

} // namespace velmora
