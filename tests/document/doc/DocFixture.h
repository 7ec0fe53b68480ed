#pragma once

#include "document/CVelmoraDoc.h"
#include "platform/OutputPanes.h"
#include "support/FakeUi.h"
#include "support/LadderPicture.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace velmora::testing {

// A ladder that converts: one network and the END1 and END2 rows.
inline std::unique_ptr<LadderProgram> ConvertibleLadder() {
    return Ladder({
        "X000.0 /X000.1 ... (Y000.0) ; first",
        ". . . . [END1] ...",
        ". . . . [END2] ...",
    });
}

// A document over a scripted Ui and its own panes, with a folder for the files it writes.
class DocTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TZ", "UTC", 1);
        tzset();
        panes.onChange = [this] { outputHistory.push_back(panes.Output().text); };
    }

    void Use(std::unique_ptr<LadderProgram> ladder) { doc->program = *ladder; }

    // What the convert command does to the document.
    void ConvertCommand() {
        doc->compiler.errorCount = 0;
        doc->compiler.Convert();
        doc->converted = doc->compiler.errorCount == 0 ? 1 : 0;
    }

    const std::string& Output() const { return panes.Output().text; }

    // The file dialog of the next command returns path.
    void Choose(const std::string& path) { ui.fileAnswers.push_back(path); }

    TempFolder folder;
    OutputPanes panes;
    FakeUi ui;
    std::unique_ptr<CVelmoraDoc> doc = std::make_unique<CVelmoraDoc>(panes, ui);
    std::vector<std::string> outputHistory; // the output pane's text after every change
};

} // namespace velmora::testing
