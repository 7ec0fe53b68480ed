#include "cli/Commands.h"
#include "cli/DocumentSession.h"
#include "platform/Gbk.h"

#include <array>
#include <cstdio>

namespace velmora::cli {

namespace {

constexpr const char* Help =
    "Usage: velmora-cli info LADDER\n"
    "\n"
    "Prints the ladder information and the header words of a ladder file, one\n"
    "\"name: value\" line each: version, machine, modifier, date, rows (after boxes kept in\n"
    "a single row by older files are widened), end1Row, lastStep, level1End.\n"
    "\n"
    "Exit status: 0 printed, 1 the file could not be read or is no ladder, 2 wrong\n"
    "arguments.\n";

void PrintField(const char* name, const char* field, std::size_t width) {
    const std::string text = GbkToUtf8(FieldText(field, width));
    std::printf("%s: %s\n", name, text.c_str());
}

} // namespace

int RunInfo(std::span<const std::string> arguments) {
    constexpr std::array<std::string_view, 1> operands{"LADDER"};
    const auto parsed = ParseArguments("info", arguments, {}, operands);
    if (!parsed) {
        return ExitTrouble;
    }
    if (parsed->help) {
        PrintOut(Help);
        return ExitSuccess;
    }
    DocumentSession document;
    if (!document.Open(parsed->operands[0])) {
        return ExitConversionFailed;
    }
    const CVelmoraDoc& doc = *document.doc;
    PrintField("version", doc.info.version.data(), doc.info.version.size());
    PrintField("machine", doc.info.machine.data(), doc.info.machine.size());
    PrintField("modifier", doc.info.modifier.data(), doc.info.modifier.size());
    PrintField("date", doc.info.date.data(), doc.info.date.size());
    std::printf("rows: %d\nend1Row: %u\nlastStep: %u\nlevel1End: %u\n", doc.program.rowCount,
                static_cast<unsigned>(doc.program.end1Row),
                static_cast<unsigned>(doc.program.lastStep),
                static_cast<unsigned>(doc.program.level1End));
    return ExitSuccess;
}

} // namespace velmora::cli
