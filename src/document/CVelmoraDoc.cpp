#include "document/CVelmoraDoc.h"

#include "document/LadderFile.h"
#include "document/OldLayout.h"
#include "platform/AtomicFile.h"
#include "platform/FileDialogs.h"
#include "platform/Gbk.h"
#include "platform/OutputPanes.h"
#include "platform/Ui.h"

namespace velmora {

namespace {

constexpr std::string_view NotConverted = "梯形图未转换!";
constexpr std::string_view SaveFailed = "保存文件失败!";
constexpr std::string_view SaveSucceeded = "保存文件成功!";
constexpr std::string_view OpenFailed = "打开文件失败!";

constexpr std::string_view BinaryFilter = "梯图二进制文件 (*.dat)|*.dat||";
constexpr std::string_view LadderFilter = "梯形图文件 (*.grp)|*.grp||";
constexpr std::string_view InstructionFilter = "指令表文件 (*.txt)|*.txt||";
constexpr std::string_view ExportFilter = "文本文件 (*.txt)|*.txt||";
constexpr std::string_view ImportFilter = "文本文件 (*.txt)|*.txt|所有文件 (*.*)|*.*||";
constexpr std::string_view BinaryFileName = "Ladbin.dat";
constexpr std::string_view ExportFileName = "LadChi01.txt";

// Whether the path, upper-cased, ends in GRP: such files carry no trailing comment records.
bool EndsInGrp(std::string_view path) {
    if (path.size() < 3) {
        return false;
    }
    const std::string_view tail = path.substr(path.size() - 3);
    auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    return upper(tail[0]) == 'G' && upper(tail[1]) == 'R' && upper(tail[2]) == 'P';
}

// The lines of a pane's text, shown again in another pane.
void AppendLines(OutputPanes& panes, std::string_view text) {
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        panes.AppendOutputLine(std::string(text.substr(0, end)));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 2);
    }
}

} // namespace

CVelmoraDoc::CVelmoraDoc(OutputPanes& panes, Ui& ui)
    : CDocument(ui), symbolComments(std::make_unique<SymbolCommentTable>()),
      programStorage(std::make_unique<LadderProgram>()),
      oldProgramStorage(std::make_unique<LadderProgram>()), program(*programStorage),
      oldProgram(*oldProgramStorage), compilerStorage(std::make_unique<LadderCompiler>()),
      compiler(*compilerStorage), panes(panes), ui(ui) {
    // The compiler refers to this document's ladder from the start, so a document whose load
    // failed still converts (and reports) instead of reading through a missing program.
    compiler.program = &program;
}

bool CVelmoraDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) {
        return false;
    }
    program.InsertRows(0, 1, ui);
    compiler.program = &program;
    // Rebuilds the registers of numbers in use; a new ladder has nothing to report.
    compiler.PreCheck();
    return true;
}

void CVelmoraDoc::Serialize(Archive& archive) {
    if (archive.IsLoading()) {
        if (!ReadLadder(archive.Bytes(), archive.PathName(), program, oldProgram, info,
                        *symbolComments, compiler, panes, ui)) {
            archive.SetFormatError();
            return;
        }
        ExpandBoxes(program, ui);
        return;
    }

    EditLadderInfo();
    compiler.errorCount = 0;
    compiler.Convert();
    if (compiler.errorCount > 0) {
        // The code buffer now holds a half-built conversion; the file commands must not write it
        // as if the last convert command's result were still there.
        converted = 0;
        panes.AppendOutputLine(compiler.ReportLine());
        panes.AppendOutputLine("梯形图转换失败!");
        panes.AppendOutputLine(std::string(SaveFailed));
    }
    archive.Write(WriteLadder(program, info, panes));
    // The path before a Save As: the file the ladder came from decides.
    if (!EndsInGrp(PathName())) {
        archive.Write(WriteRowCommentRecords(program, panes));
    }
}

bool CVelmoraDoc::OnSaveDocument(const std::string& path) {
    if (!CDocument::OnSaveDocument(path)) {
        panes.AppendOutputLine(std::string(SaveFailed));
        return false;
    }
    return true;
}

void CVelmoraDoc::OnCloseDocument() {
    panes.CloseInstructionPane();
    panes.ClearOutput();
    CDocument::OnCloseDocument();
}

void CVelmoraDoc::EditLadderInfo() {
    LadInfoData data;
    data.version = FieldText(info.version.data(), info.version.size());
    data.machine = FieldText(info.machine.data(), info.machine.size());
    data.modifier = FieldText(info.modifier.data(), info.modifier.size());
    if (!ui.LadInfoDialog(data)) {
        return;
    }
    SetField(info.version.data(), info.version.size(), data.version);
    SetField(info.machine.data(), info.machine.size(), data.machine);
    SetField(info.modifier.data(), info.modifier.size(), data.modifier);
}

void CVelmoraDoc::OnEditLadderInfo() { EditLadderInfo(); }

std::string CVelmoraDoc::DerivedFileName(std::string_view extension) const {
    // Characters, not bytes, so a name never ends in half a character.
    std::string_view base = PathName();
    for (int i = 0; i < 4 && !base.empty(); ++i) {
        std::size_t end = base.size() - 1;
        while (end > 0 && (static_cast<unsigned char>(base[end]) & 0xC0) == 0x80) {
            --end;
        }
        base = base.substr(0, end);
    }
    return std::string(base) + std::string(extension);
}

bool CVelmoraDoc::Refused() {
    if (converted) {
        return false;
    }
    ui.MessageBox(std::string(NotConverted));
    return true;
}

std::optional<std::string> CVelmoraDoc::AskSaveFile(std::string_view extension,
                                                    std::string initialName,
                                                    std::string_view filter) {
    auto path = ui.FileDialog(SaveFileRequest(extension, std::move(initialName), filter));
    if (path && path->empty()) {
        path.reset();
    }
    return path;
}

bool CVelmoraDoc::WriteChosenFile(const std::string& path, std::string_view bytes) {
    if (WriteFileAtomically(path, bytes)) {
        return true;
    }
    ui.MessageBox(std::string(SaveFailed));
    panes.AppendOutputLine(std::string(SaveFailed));
    return false;
}

bool CVelmoraDoc::WriteLadderFile(const std::string& path, const LadderProgram& ladder) {
    // The writer's progress is shown only once the file is there, and a failed write leaves
    // the ladder information as it was.
    const auto date = info.date;
    OutputPanes progress;
    const std::string bytes = WriteLadder(ladder, info, progress);
    if (!WriteChosenFile(path, bytes)) {
        info.date = date;
        return false;
    }
    panes.ClearOutput();
    AppendLines(panes, progress.Output().text);
    panes.AppendOutputLine(std::string(SaveSucceeded));
    return true;
}

bool CVelmoraDoc::OnSaveBinaryFile() {
    if (Refused()) {
        return false;
    }
    const auto path = AskSaveFile("dat", std::string(BinaryFileName), BinaryFilter);
    if (!path) {
        return false;
    }
    panes.SetOutputText("正在保存文件...");
    std::string bytes;
    compiler.WriteBinaryCode(bytes);
    if (!WriteChosenFile(*path, bytes)) {
        return false;
    }
    panes.AppendOutputLine(std::string(SaveSucceeded));
    return true;
}

bool CVelmoraDoc::OnSaveLadderFile() {
    if (Refused()) {
        return false;
    }
    EditLadderInfo();
    const auto path = AskSaveFile("grp", DerivedFileName(".grp"), LadderFilter);
    return path && WriteLadderFile(*path, program);
}

bool CVelmoraDoc::OnSaveInstructionList() {
    if (Refused()) {
        return false;
    }
    const auto path = AskSaveFile("txt", DerivedFileName(".txt"), InstructionFilter);
    if (!path) {
        return false;
    }
    std::string bytes;
    compiler.WriteInstructionText(bytes);
    if (!WriteChosenFile(*path, bytes)) {
        return false;
    }
    panes.ClearOutput();
    panes.AppendOutputLine("正在保存文件......");
    panes.AppendOutputLine(std::string(SaveSucceeded));
    return true;
}

bool CVelmoraDoc::OnSaveOldLadderFile() {
    if (Refused()) {
        return false;
    }
    EditLadderInfo();
    const auto path = AskSaveFile("grp", DerivedFileName(".grp"), LadderFilter);
    if (!path) {
        return false;
    }
    // Converted before the file is touched, so a refused ladder never costs an existing file.
    if (!ConvertToOldLayout(program, oldProgram, panes, ui)) {
        panes.AppendOutputLine("梯形图文件输出失败!");
        return false;
    }
    return WriteLadderFile(*path, oldProgram);
}

bool CVelmoraDoc::OnExportComments() {
    const auto path = AskSaveFile("txt", std::string(ExportFileName), ExportFilter);
    if (!path) {
        return false;
    }
    lookupByText = 1;
    const std::string bytes = ExportSymbolComments(*symbolComments);
    lookupByText = 0;
    if (!WriteFileAtomically(*path, bytes)) {
        ui.MessageBox(std::string(OpenFailed));
        return false;
    }
    panes.SetOutputText("正在保存注释...");
    panes.AppendOutputLine("保存完成!");
    return true;
}

bool CVelmoraDoc::OnImportComments() {
    const auto path = ui.FileDialog(OpenFileRequest(ImportFilter));
    if (!path || path->empty()) {
        return false;
    }
    panes.SetOutputText("正在载入注释...");
    if (!ImportSymbolComments(*path)) {
        ui.MessageBox(std::string(OpenFailed));
        return false;
    }
    panes.AppendOutputLine("载入成功!");
    return true;
}

std::string& CVelmoraDoc::SymbolComment(std::string_view addressText) {
    if (lookupByText) {
        return velmora::SymbolComment(*symbolComments, addressText);
    }
    return velmora::SymbolComment(*symbolComments, program, selection);
}

bool CVelmoraDoc::SetSymbolComment(std::string_view text) {
    if (!velmora::SetSymbolComment(*symbolComments, program, selection, text, panes, ui)) {
        return false;
    }
    SetModifiedFlag();
    return true;
}

bool CVelmoraDoc::ImportSymbolComments(const std::string& path) {
    return velmora::ImportSymbolComments(*symbolComments, path);
}

} // namespace velmora
