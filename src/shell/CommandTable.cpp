#include "shell/CommandTable.h"

#include <algorithm>
#include <iterator>

namespace velmora {

namespace {

using O = CommandOwner;

constexpr CommandInfo Commands[] = {
    {Cmd::FileNew, "新建(&N)\tCtrl+N", "Ctrl+N", 128, "建立新文档\n新建", O::App},
    {Cmd::FileOpen, "打开(&O)...\tCtrl+O", "Ctrl+O", 128, "打开一个现有文档\n打开", O::App},
    {Cmd::FileClose, "关闭(&C)", "", 0, "关闭活动文档\n关闭", O::Frame},
    {Cmd::FileSave, "保存(&S)\tCtrl+S", "Ctrl+S", 128, "保存活动文档\n保存", O::Document},
    {Cmd::FileSaveAs, "另存为(&A)...", "", 0, "将活动文档以一个新文件名保存\n另存为", O::Document},
    {Cmd::ExportComments, "导出自定义注释(&E)...", "", 0, "导出自定义注释\n导出自定义注释",
     O::Document},
    {Cmd::ImportComments, "导入自定义注释(&I)...", "", 0, "导入自定义注释\n导入自定义注释",
     O::Document},
    {Cmd::SaveLadderFile, "生成梯形图文件(&L)...", "", 0, "保存为指令表文\n保存为指令表文件",
     O::Document},
    {Cmd::SaveBinaryFile, "生成二进制文件(&B)...", "", 0, "", O::Document},
    {Cmd::EditLadderInfo, "编辑梯形图信息(&M)", "", 0, "", O::Document},
    {Cmd::OldLadderFile, "生成旧梯形图文件(&D)", "", 0, "", O::Document},
    {Cmd::SaveInstructionList, "生成指令表(&T)\tCtrl+M", "Ctrl+M", 0, "", O::Document},
    {Cmd::FilePrint, "打印(&P)...\tCtrl+P", "Ctrl+P", 128, "打印活动文档\n打印", O::View},
    {Cmd::FilePrintPreview, "打印预览(&V)", "", 0, "显示整页\n打印预览", O::View},
    {Cmd::FilePrintSetup, "打印设置(&R)...", "", 0, "改变打印机及打印选项\n打印设置", O::App},
    {Cmd::AppExit, "退出(&X)", "", 0, "退出应用程序；提示保存文档\n退出", O::App},
    {Cmd::EditUndo, "撤消(&U)\tCtrl+Z", "Ctrl+Z|Alt+Backspace", 128,
     "撤消最后一步操作(Ctrl+Z)\n撤消(Ctrl+Z)", O::View},
    {Cmd::SelectRows, "多行选择(&S)\tCtrl+B", "Ctrl+B", 0, "", O::View},
    {Cmd::EditCut, "剪切(&T)\tCtrl+X", "Ctrl+X|Shift+Del", 128,
     "剪切被选对象并将其置于剪贴板上\n剪切", O::View},
    {Cmd::EditCopy, "复制(&C)\tCtrl+C", "Ctrl+C|Ctrl+Ins", 128,
     "复制被选对象并将其置于剪贴板上\n复制", O::View},
    {Cmd::EditPaste, "粘贴(&P)\tCtrl+V", "Ctrl+V|Shift+Ins", 128, "插入剪贴板内容\n粘贴", O::View},
    {Cmd::EditComment, "修改注释(&M)\tCtrl+T", "Ctrl+T", 0, "修改注释\n修改注释", O::View},
    {Cmd::InsertRow, "插入行(&I)\tInsert", "Ins", 0, "插入行\n插入行", O::View},
    {Cmd::DeleteRow, "删除行(&D)\tCtrl+Del", "Ctrl+Del", 0, "删除行\n删除行", O::View},
    {Cmd::GotoLine, "转到行(&G)\tCtrl+I", "Ctrl+I", 0, "", O::View},
    {Cmd::Find, "查找(&F)\tCtrl+F", "Ctrl+F", 128, "查找(Ctrl+F)\n查找(Ctrl+F)", O::View},
    {Cmd::Replace, "替换(&R)\tCtrl+H", "Ctrl+H", 0, "替换", O::View},
    {Cmd::Convert, "转换(&V)\tF7", "F7", 128, "转换梯图(F7)\n转换梯图(F7)", O::Frame},
    {Cmd::ViewToolbar, "工具栏(&T)", "", 0, "显示或隐藏工具栏\n显隐工具栏", O::Frame},
    {Cmd::ViewStatusBar, "状态栏(&S)", "", 0, "显示或隐藏状态栏\n显隐状态栏", O::Frame},
    {Cmd::ViewOutput, "输出窗口(&O)", "", 0, "", O::Frame},
    {Cmd::ViewInstructionList, "指令表窗口(&I)", "", 0, "", O::Frame},
    {Cmd::WindowNew, "新建窗口(&N)", "", 0, "为活动文档打开另一个窗口\n新建窗口", O::Frame},
    {Cmd::WindowCascade, "层叠(&C)", "", 0, "排列窗口成相互重叠\n层叠窗口", O::Frame},
    {Cmd::WindowTile, "平铺(&T)", "", 0, "排列窗口成互不重叠\n平铺窗口", O::Frame},
    {Cmd::WindowArrange, "排列图标(&A)", "", 0, "将图标排列在窗口底部\n排列图标", O::Frame},
    {Cmd::AppAbout, "关于Korvane(&A)...", "", 128, "显示程序信息，版本号和版权\n关于", O::App},
    {Cmd::OpenContact, "", "Ctrl+Q", 134, "常开触点(Ctrl+Q)\n常开触点(Ctrl+Q)", O::View},
    {Cmd::ClosedContact, "", "Ctrl+W", 134, "常闭触点(Ctrl+W)\n常闭触点(Ctrl+W)", O::View},
    {Cmd::HorizontalLine, "", "Ctrl+G", 134, "水平导通线(Ctrl+G)\n水平导通线(Ctrl+G)", O::View},
    {Cmd::VerticalLine, "", "Ctrl+D", 134, "竖直导通线(Ctrl+D)\n竖直导通线(Ctrl+D)", O::View},
    {Cmd::DeleteElement, "", "Ctrl+Shift+G", 134, "删除节点(Del)\n删除节点(Del)", O::View},
    {Cmd::DeleteVerticalLine, "", "Ctrl+Shift+D", 134,
     "删除竖直导通线(Ctrl+Shift+D)\n删除竖直导通线(Ctrl+Shift+D)", O::View},
    {Cmd::Coil, "", "Ctrl+E", 134, "输出线圈(Ctrl+E)\n输出线圈(Ctrl+E)", O::View},
    {Cmd::InvertedCoil, "", "Ctrl+R", 134, "输出线圈取反(Ctrl+R)\n输出线圈取反(Ctrl+R)", O::View},
    {Cmd::FunctionPicker, "", "Ctrl+A", 134, "功能指令(Ctrl+A)\n功能指令(Ctrl+A)", O::View},
    {Cmd::NextPane, "", "F6", 0, "切换到下一个窗格\n下一窗格", O::None},
    {Cmd::PrevPane, "", "Shift+F6", 0, "切换回前一个窗格\n前一窗格", O::None},
    {Cmd::FilePrintDirect, "", "", 0, "", O::View},
    {Cmd::RecentFile1, "", "", 0, "打开该文档", O::App},
    {Cmd::RecentFile1 + 1, "", "", 0, "打开该文档", O::App},
    {Cmd::RecentFile1 + 2, "", "", 0, "打开该文档", O::App},
    {Cmd::RecentFile1 + 3, "", "", 0, "打开该文档", O::App},
};

constexpr int File128Full[] = {Cmd::FileNew,        Cmd::FileOpen, MenuSeparator,
                               Cmd::FilePrintSetup, MenuSeparator, RecentFilesPlaceholder,
                               MenuSeparator,       Cmd::AppExit};
constexpr int View128[] = {Cmd::ViewToolbar, Cmd::ViewStatusBar};
constexpr int Help[] = {Cmd::AppAbout};

constexpr int File129[] = {Cmd::FileNew,          Cmd::FileOpen,
                           Cmd::FileClose,        Cmd::FileSave,
                           Cmd::FileSaveAs,       MenuSeparator,
                           Cmd::ExportComments,   Cmd::ImportComments,
                           MenuSeparator,         Cmd::SaveLadderFile,
                           Cmd::SaveBinaryFile,   Cmd::EditLadderInfo,
                           Cmd::OldLadderFile,    Cmd::SaveInstructionList,
                           MenuSeparator,         Cmd::FilePrint,
                           Cmd::FilePrintPreview, Cmd::FilePrintSetup,
                           MenuSeparator,         RecentFilesPlaceholder,
                           MenuSeparator,         Cmd::AppExit};
constexpr int Edit129[] = {Cmd::EditUndo,  MenuSeparator,  Cmd::SelectRows,  Cmd::EditCut,
                           Cmd::EditCopy,  Cmd::EditPaste, Cmd::EditComment, MenuSeparator,
                           Cmd::InsertRow, Cmd::DeleteRow, MenuSeparator,    Cmd::GotoLine,
                           Cmd::Find,      Cmd::Replace,   MenuSeparator,    Cmd::Convert};
constexpr int View129[] = {Cmd::ViewToolbar, Cmd::ViewStatusBar, MenuSeparator, Cmd::ViewOutput,
                           Cmd::ViewInstructionList};
constexpr int Window129[] = {Cmd::WindowNew, Cmd::WindowCascade, Cmd::WindowTile,
                             Cmd::WindowArrange};

constexpr MenuPopup Menu128[] = {
    {"文件(&F)", File128Full},
    {"查看(&V)", View128},
    {"帮助(&H)", Help},
};

constexpr MenuPopup Menu129[] = {
    {"文件(&F)", File129},   {"编辑(&E)", Edit129}, {"查看(&V)", View129},
    {"窗口(&W)", Window129}, {"帮助(&H)", Help},
};

constexpr int Toolbar128[] = {Cmd::FileNew,  Cmd::FileOpen,  Cmd::FileSave,  MenuSeparator,
                              Cmd::EditCut,  Cmd::EditCopy,  Cmd::EditPaste, MenuSeparator,
                              Cmd::EditUndo, MenuSeparator,  Cmd::Convert,   Cmd::Find,
                              MenuSeparator, Cmd::FilePrint, MenuSeparator,  Cmd::AppAbout};

constexpr int Toolbar134[] = {Cmd::OpenContact,    Cmd::ClosedContact,      MenuSeparator,
                              Cmd::HorizontalLine, Cmd::VerticalLine,       MenuSeparator,
                              Cmd::DeleteElement,  Cmd::DeleteVerticalLine, MenuSeparator,
                              Cmd::Coil,           Cmd::InvertedCoil,       MenuSeparator,
                              Cmd::FunctionPicker};

constexpr FunctionMenuItem Menu137[] = {
    {32783, "CTR"},   {32785, "ROT"},  {32786, "COMP"}, {32788, "MOVN"},  {32793, "CALL"},
    {32794, "SP"},    {32795, "SPE"},  {32790, "DSCH"}, {32792, "COIN"},  {32784, "TMR"},
    {32798, "ADD"},   {32799, "SUB"},  {32800, "XMOV"}, {32801, "DEC"},   {32802, "COD"},
    {32803, "DIFU"},  {32804, "DIFD"}, {32805, "EOR"},  {32806, "ANDF"},  {32807, "ORF"},
    {32808, "NOT"},   {32809, "JMPB"}, {32810, "LBL"},  {32811, "RST"},   {32812, "SET"},
    {32813, "SFT"},   {32814, "COM"},  {32815, "COME"}, {32816, "TMRB"},  {32817, "TMRC"},
    {32818, "CALLU"}, {32819, "MOVB"}, {32820, "MOVW"}, {32829, "AXCTL"}, {32796, "END1"},
    {32797, "END2"},
};

constexpr int Menu138[] = {Cmd::EditCut,  Cmd::EditCopy,  Cmd::EditPaste,
                           MenuSeparator, Cmd::InsertRow, Cmd::DeleteRow};

constexpr FunctionMenuItem Menu141[] = {
    {Cmd::OpenContact, "常开触点"},
    {Cmd::ClosedContact, "常闭触点"},
    {Cmd::HorizontalLine, "水平导通线"},
    {Cmd::VerticalLine, "竖直导通线"},
    {Cmd::DeleteElement, "删除节点"},
    {Cmd::DeleteVerticalLine, "删除竖直导通线"},
    {Cmd::Coil, "输出线圈"},
    {Cmd::InvertedCoil, "输出线圈取反"},
};

} // namespace

std::span<const CommandInfo> CommandTable() { return Commands; }

const CommandInfo* FindCommand(int id) {
    const auto it = std::find_if(std::begin(Commands), std::end(Commands),
                                 [id](const CommandInfo& c) { return c.id == id; });
    return it == std::end(Commands) ? nullptr : &*it;
}

std::string_view PromptOf(const CommandInfo& command) {
    return command.text.substr(0, command.text.find('\n'));
}

std::string_view TooltipOf(const CommandInfo& command) {
    const std::size_t newline = command.text.find('\n');
    return newline == std::string_view::npos ? std::string_view{}
                                             : command.text.substr(newline + 1);
}

std::span<const MenuPopup> NoDocumentMenu() { return Menu128; }
std::span<const MenuPopup> DocumentMenu() { return Menu129; }
std::span<const int> StandardToolbar() { return Toolbar128; }
std::span<const int> ElementToolbar() { return Toolbar134; }
std::span<const FunctionMenuItem> FunctionMenu() { return Menu137; }
std::span<const int> ContextMenu() { return Menu138; }
std::span<const FunctionMenuItem> ElementMenu() { return Menu141; }

} // namespace velmora
