#pragma once

#include "cli/CliSupport.h"
#include "document/CVelmoraDoc.h"
#include "platform/OutputPanes.h"
#include "platform/Ui.h"

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::cli {

// The Ui of a command line: message boxes go to standard error, file dialogs take the paths
// given on the command line in order, every other dialog is cancelled (so the ladder
// information stays as the file has it).
class CliUi : public Ui {
public:
    void MessageBox(const std::string& text) override;
    Answer AskYesNoCancel(const std::string&) override { return Answer::No; }
    std::optional<std::string> FileDialog(const FileDialogRequest&) override;

    // Named in front of the messages: the file the command is working on.
    std::string context;
    std::deque<std::string> chosenPaths;

private:
    std::string lastChosen;
};

// One document driven by a command line.
class DocumentSession {
public:
    DocumentSession();

    // Opens a ladder file; false, reported, when it could not be read or understood.
    bool Open(const std::string& path);
    // What the convert command does; false, with the report line, when it failed.
    bool Convert();
    // Reports a problem with the file being worked on.
    void Error(std::string_view text);

    CliUi ui;
    OutputPanes panes;
    std::unique_ptr<CVelmoraDoc> doc;
};

} // namespace velmora::cli
