#pragma once

#include <span>
#include <string_view>

namespace velmora {

// Command ids: the resource ids every menu item, accelerator and toolbar button issues.
namespace Cmd {
constexpr int FileNew = 57600;
constexpr int FileOpen = 57601;
constexpr int FileClose = 57602;
constexpr int FileSave = 57603;
constexpr int FileSaveAs = 57604;
constexpr int FilePrintSetup = 57606;
constexpr int FilePrint = 57607;
constexpr int FilePrintDirect = 57608; // print without asking, for the /p and /pt switches
constexpr int FilePrintPreview = 57609;
constexpr int RecentFile1 = 57616;
constexpr int EditCopy = 57634;
constexpr int EditCut = 57635;
constexpr int EditPaste = 57637;
constexpr int EditUndo = 57643;
constexpr int WindowNew = 57648;
constexpr int WindowArrange = 57649;
constexpr int WindowCascade = 57650;
constexpr int WindowTile = 57651;
constexpr int AppAbout = 57664;
constexpr int AppExit = 57665;
constexpr int NextPane = 57680;
constexpr int PrevPane = 57681;
constexpr int ViewToolbar = 59392;
constexpr int ViewStatusBar = 59393;
constexpr int OldLadderFile = 61452;
constexpr int OpenContact = 32771;
constexpr int Coil = 32772;
constexpr int ClosedContact = 32773;
constexpr int HorizontalLine = 32774;
constexpr int InvertedCoil = 32775;
constexpr int VerticalLine = 32776;
constexpr int DeleteElement = 32777;
constexpr int DeleteVerticalLine = 32778;
constexpr int FunctionPicker = 32779;
constexpr int InsertRow = 32780;
constexpr int DeleteRow = 32781;
constexpr int Find = 32782;
constexpr int ViewOutput = 32787;
constexpr int Convert = 32789;
constexpr int ViewInstructionList = 32791;
constexpr int SaveBinaryFile = 32821;
constexpr int SaveLadderFile = 32822;
constexpr int EditComment = 32823;
constexpr int ExportComments = 32825;
constexpr int ImportComments = 32826;
constexpr int Replace = 32827;
constexpr int EditLadderInfo = 32828;
constexpr int SaveInstructionList = 32830;
constexpr int SelectRows = 32831;
constexpr int GotoLine = 32832;
} // namespace Cmd

// Who handles a command: the platform layer of the shell (application, frames) or the code of a
// document or a view, which connects its handlers when it exists.
enum class CommandOwner { App, Frame, Document, View, None };

struct CommandInfo {
    int id;
    std::string_view menuText; // empty: in no menu
    std::string_view keys;     // key sequences separated by "|"
    int toolbar;               // 128 standard, 134 element, 0 none
    std::string_view text;     // status-bar prompt, then after a newline the tooltip
    CommandOwner owner;
};

std::span<const CommandInfo> CommandTable();
const CommandInfo* FindCommand(int id);

// The status-bar prompt and the tooltip of a command's string-table text.
std::string_view PromptOf(const CommandInfo& command);
std::string_view TooltipOf(const CommandInfo& command);

// Menus and toolbars as lists of ids; 0 is a separator.
constexpr int MenuSeparator = 0;
constexpr int RecentFilesPlaceholder = -1; // the recent-file entries go here

struct MenuPopup {
    std::string_view title;
    std::span<const int> items;
};

// Menu 128, shown while no document is open, and menu 129, shown while one is active.
std::span<const MenuPopup> NoDocumentMenu();
std::span<const MenuPopup> DocumentMenu();
// The About item reads differently in menu 128.
constexpr std::string_view NoDocumentAboutText = "关于 Korvane(&A)...";
constexpr std::string_view RecentFilesPlaceholderText = "最近文件";
constexpr std::string_view RecentFilePrompt = "打开该文档";

std::span<const int> StandardToolbar();
std::span<const int> ElementToolbar();

// Menu 137: the functional instructions, each placing one kind.
struct FunctionMenuItem {
    int id;
    std::string_view name;
};
std::span<const FunctionMenuItem> FunctionMenu();

// Menu 138, the ladder view's context menu (0 is a separator), and menu 141, the element
// commands it offers under "基本指令(&B)".
std::span<const int> ContextMenu();
std::span<const FunctionMenuItem> ElementMenu();
constexpr std::string_view EditCommentMenuText = "修改注释(&M)";
constexpr std::string_view BasicInstructionsMenuText = "基本指令(&B)";
constexpr std::string_view FunctionInstructionsMenuText = "功能指令(&F)";

// Texts of the application and its one document type.
namespace AppText {
constexpr std::string_view AppName = "Velmora";
constexpr std::string_view FrameTitle = "梯图编辑器";
constexpr std::string_view DocTypeName = "Ladder";
constexpr std::string_view NewDocBaseName = "PLCLad";
constexpr std::string_view SaveFilterName = "PLCLad 文件 (*.grp)";
constexpr std::string_view AllFilesFilterName = "所有文件 (*.*)";
constexpr std::string_view DocExtension = ".plf";
constexpr std::string_view FileTypeId = "LadFile.Document";
constexpr std::string_view FileTypeName = "Velmora Document";
constexpr std::string_view OpenFilter =
    "PLC梯图文件 (*.grp)|*.plf;*.grp|备份文件 (*.bak)|*.bak|所有文件(*.*)|*.*||";
constexpr std::string_view Idle = "就绪";
constexpr std::string_view SaveChangesPrompt = "将改动保存到 %1？";
} // namespace AppText

} // namespace velmora
