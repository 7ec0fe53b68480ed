#include "editor/FunctionParameters.h"

#include "compiler/Numbers.h"
#include "editor/OperandAddress.h"
#include "model/ElementCatalogue.h"

#include <optional>
#include <string_view>

namespace velmora {

namespace {

constexpr int Malformed = -2;
constexpr int OutOfRange = -1;
constexpr int ShortText = 4;
constexpr int LongText = 5; // data-table values and the DC and DT forms
constexpr int FormatSides = 1000;
constexpr int TableValuesPerRow = 8;

enum class Form {
    Address,        // a byte address of any area
    DataAddress,    // "D" and a digit, then a byte address
    Destination,    // a byte address that can be written
    BitAddress,     // a writable bit, as for contacts
    Constant,       // digits only
    ConstantOrByte, // a constant when it begins with a digit, else a byte address
    Format,         // 1, 2, 1001 or 1002, deciding the form of a later parameter
    Dependent,      // a constant or a byte address, as parameter 1's format says
    ShiftFormat,    // SFT's 0-8 or 1000-1008
};

struct Rule {
    Form form = Form::Address;
    int lowest = 0;
    int highest = 0;
    int dependentOffset = 0; // Format: how far right the parameter it decides stands
};

constexpr Rule Constant(int lowest, int highest) { return {Form::Constant, lowest, highest, 0}; }

Rule RuleFor(int kind, int parameter) {
    const Rule address{};
    const Rule dataAddress{Form::DataAddress};
    const Rule destination{Form::Destination};
    switch (kind) {
    case Kind::CTR:
    case Kind::TMR:
        return parameter == 1 ? Constant(0, 127) : address;
    case Kind::TMRB:
        switch (parameter) {
        case 1:
            return Constant(0, 5);
        case 2:
            return Constant(0, 127);
        case 3:
            return Constant(0, 65535);
        default:
            return address;
        }
    case Kind::TMRC:
        return parameter == 1 ? Constant(0, 5) : parameter == 2 ? Constant(0, 127) : address;
    case Kind::CALL:
    case Kind::SP:
    case Kind::JMPB:
    case Kind::LBL:
    case Kind::CALLU:
        return parameter == 1 ? Constant(0, 99) : address;
    case Kind::DIFU:
    case Kind::DIFD:
        return parameter == 1 ? Constant(0, 255) : address;
    case Kind::ADD:
    case Kind::SUB:
    case Kind::EOR:
    case Kind::ANDF:
    case Kind::ORF:
        switch (parameter) {
        case 1:
            return {Form::Format, 1, 1002, 2};
        case 3:
            return {Form::Dependent};
        case 4:
            return destination;
        default:
            return address;
        }
    case Kind::COMP:
    case Kind::COIN:
        return parameter == 1   ? Rule{Form::Format, 1, 1002, 1}
               : parameter == 2 ? Rule{Form::Dependent}
                                : address;
    case Kind::ROT:
        return parameter == 4 ? destination : parameter <= 3 ? dataAddress : address;
    case Kind::DSCH:
    case Kind::XMOV:
        return parameter == 1 ? Constant(1, 2) : parameter <= 5 ? dataAddress : address;
    case Kind::AXCTL:
        return parameter == 1 ? Constant(5, 5) : parameter == 2 ? dataAddress : address;
    case Kind::MOVN:
        return parameter == 1   ? Constant(1, 256)
               : parameter == 2 ? Rule{Form::ConstantOrByte, 0, 65535}
               : parameter == 3 ? destination
                                : address;
    case Kind::MOVW:
        return parameter == 1   ? Rule{Form::ConstantOrByte, 0, 65535}
               : parameter == 2 ? destination
                                : address;
    case Kind::MOVB:
        return parameter == 1   ? Rule{Form::ConstantOrByte, 0, 255}
               : parameter == 2 ? destination
                                : address;
    case Kind::DEC:
        return parameter == 1   ? Constant(1, 2)
               : parameter == 3 ? Constant(0, 65528)
               : parameter == 4 ? destination
                                : address;
    case Kind::COD:
        return parameter == 1   ? Constant(1, 2)
               : parameter == 2 ? Constant(1, 80)
               : parameter == 4 ? destination
                                : address;
    case Kind::NOT:
        return parameter == 1 ? Constant(1, 2) : parameter == 3 ? destination : address;
    case Kind::SFT:
        return parameter == 1 ? destination : parameter == 2 ? Rule{Form::ShiftFormat} : address;
    case Kind::RST:
    case Kind::SET:
        return parameter == 1 ? Rule{Form::BitAddress} : address;
    default:
        return address;
    }
}

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

bool IsWritable(char ch) { return std::string_view("RYGKA").find(ch) != std::string_view::npos; }
bool IsData(char ch) { return ch == 'C' || ch == 'D' || ch == 'T'; }
bool IsAddressLetter(char ch) {
    return std::string_view("ACDFGKRTXY").find(ch) != std::string_view::npos;
}

// Digits only, or the refusal the first other character earns.
std::optional<int> DigitsRefusal(std::string_view digits) {
    for (char ch : digits) {
        if (ch == '.') {
            return Malformed;
        }
        if (!IsDigit(ch)) {
            return OutOfRange;
        }
    }
    return std::nullopt;
}

// Zeros after the first `prefix` characters until the text is `longest` long.
void PadWithZeros(std::string& text, std::size_t prefix, std::size_t longest) {
    if (text.size() < longest) {
        text.insert(prefix, longest - text.size(), '0');
    }
}

int ReadConstant(std::string& text, int lowest, int highest, std::size_t longest) {
    if (const std::optional<int> refusal = DigitsRefusal(text)) {
        return *refusal;
    }
    const int value = Atoi(text);
    if (value < lowest || value > highest || text.size() > longest) {
        return OutOfRange;
    }
    PadWithZeros(text, 0, longest);
    return value;
}

int ReadByteAddress(std::string& text, bool destination) {
    int highest = 0;
    switch (text[0]) {
    case 'A':
        highest = 31;
        break;
    case 'C':
    case 'T':
        highest = 127;
        break;
    case 'D':
        highest = 255;
        break;
    case 'F':
    case 'G':
    case 'K':
    case 'X':
        highest = 63;
        break;
    case 'Y':
        highest = 47;
        break;
    case 'R':
        highest = 511;
        break;
    default:
        return OutOfRange;
    }
    std::size_t prefix = 1;
    std::size_t longest = ShortText;
    if (text.size() > 1 && (text[1] == 'C' || text[1] == 'T')) {
        if (text[0] != 'D') {
            return Malformed;
        }
        prefix = 2;
        longest = LongText;
        highest = 127;
    }
    const std::string_view digits = std::string_view(text).substr(prefix);
    if (const std::optional<int> refusal = DigitsRefusal(digits)) {
        return *refusal;
    }
    const int value = Atoi(digits);
    if (value > highest) {
        return OutOfRange;
    }
    if (destination &&
        ((text[0] == 'R' && value >= 510) || (text[0] == 'G' && value >= 63) || prefix == 2)) {
        return OutOfRange;
    }
    if (text.size() > longest) {
        return OutOfRange;
    }
    PadWithZeros(text, prefix, longest);
    return value;
}

int ReadBitParameter(std::string& text) {
    if (!IsWritable(text[0])) {
        return Malformed;
    }
    const int byte = ParseBitAddress(text);
    if (byte < 0) {
        return Malformed;
    }
    if ((text[0] == 'R' && byte >= 510) || (text[0] == 'G' && byte >= 63)) {
        return OutOfRange;
    }
    return byte;
}

bool OnHighSide(int format) { return format >= FormatSides; }

} // namespace

ParameterCheck CheckFunctionParameter(const LadderRow& row, ElementCode code, int column,
                                      std::string& text) {
    ParameterCheck check;
    if (text.empty()) {
        return check;
    }
    const bool leadingDigit = IsDigit(text[0]);
    const int leading = leadingDigit ? Atoi(text) : 0;
    const int kind = KindOf(code);
    if (kind == Kind::CODT) {
        check.value = ReadConstant(text, 0, 65535, LongText);
        return check;
    }
    const int parameter = ColumnOffsetOf(code);
    const Rule rule = RuleFor(kind, parameter);
    switch (rule.form) {
    case Form::Address:
        check.value = ReadByteAddress(text, false);
        break;
    case Form::DataAddress:
        if (text[0] != 'D' || text.size() < 2 || !IsDigit(text[1])) {
            check.value = Malformed;
        } else {
            check.value = ReadByteAddress(text, false);
        }
        break;
    case Form::Destination:
        if (!IsWritable(text[0]) && !IsData(text[0])) {
            check.value = Malformed;
        } else {
            check.value = ReadByteAddress(text, true);
        }
        break;
    case Form::BitAddress:
        check.value = ReadBitParameter(text);
        break;
    case Form::Constant:
        check.value = ReadConstant(text, rule.lowest, rule.highest, ShortText);
        break;
    case Form::ConstantOrByte:
        check.value = leadingDigit ? ReadConstant(text, rule.lowest, rule.highest, ShortText)
                                   : ReadByteAddress(text, false);
        break;
    case Form::Format: {
        if (leadingDigit && leading >= 3 && leading <= FormatSides) {
            check.value = Malformed;
            break;
        }
        const int oldFormat = Atoi(row[column].OperandText());
        check.value = ReadConstant(text, rule.lowest, rule.highest, ShortText);
        const int dependent = column + rule.dependentOffset;
        if (check.value >= 0 && OnHighSide(oldFormat) != OnHighSide(check.value) &&
            dependent < ColumnsPerRow) {
            check.clearColumn = dependent;
        }
        break;
    }
    case Form::Dependent: {
        const int formatColumn = column - (parameter - 1);
        const int format =
            formatColumn >= 0 && formatColumn < ColumnsPerRow ? row[formatColumn].number : -1;
        if (format < 1) {
            check.value = Malformed;
        } else if (format < FormatSides) {
            check.value = ReadConstant(text, 0, 65535, ShortText);
        } else {
            check.value = ReadByteAddress(text, false);
        }
        break;
    }
    case Form::ShiftFormat:
        if (IsAddressLetter(text[0]) || (leadingDigit && leading >= 9 && leading < FormatSides)) {
            check.value = OutOfRange;
        } else {
            check.value = ReadConstant(text, 0, FormatSides + 8, ShortText);
        }
        break;
    }
    if (check.value >= 0 && kind == Kind::COD && parameter == 2) {
        check.tableRows = (check.value + TableValuesPerRow - 1) / TableValuesPerRow;
    }
    return check;
}

bool IsNumberedParameter(ElementCode code) {
    switch (code) {
    case CellCode(Kind::CTR, 0, 1):
    case CellCode(Kind::TMR, 0, 1):
    case CellCode(Kind::TMRB, 0, 2):
    case CellCode(Kind::TMRC, 0, 2):
    case CellCode(Kind::LBL, 0, 1):
    case CellCode(Kind::SP, 0, 1):
    case CellCode(Kind::DIFU, 0, 1):
    case CellCode(Kind::DIFD, 0, 1):
        return true;
    default:
        return false;
    }
}

} // namespace velmora
