#include "platform/CDocument.h"
#include "platform/DocumentTemplate.h"
#include "support/FakeUi.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace velmora {
namespace {

using testing::FakeUi;
using testing::FileBytes;
using testing::PutFile;
using testing::TempFolder;

// A document whose content is its text; "bad" is a file it does not understand.
class TextDocument : public CDocument {
public:
    using CDocument::CDocument;

    std::string text;
    int loads = 0;
    std::vector<std::string> pathsWhileStoring;

protected:
    void Serialize(Archive& archive) override {
        if (archive.IsLoading()) {
            ++loads;
            if (archive.Bytes() == "bad") {
                archive.SetFormatError();
                return;
            }
            text = archive.Bytes();
        } else {
            pathsWhileStoring.push_back(PathName());
            archive.Write(text);
        }
    }
};

class CDocumentTest : public ::testing::Test {
protected:
    TempFolder folder;
    FakeUi ui;
    TextDocument doc{ui};
};

TEST(DocumentTemplate, NewDocumentsAreNumberedFromOne) {
    DocumentTemplate documents;
    EXPECT_EQ(documents.NextUntitledTitle(), "PLCLad1");
    EXPECT_EQ(documents.NextUntitledTitle(), "PLCLad2");
    EXPECT_EQ(DocumentTemplate::SaveFilter(), "PLCLad 文件 (*.grp)|*.plf|所有文件 (*.*)|*.*||");
}

TEST_F(CDocumentTest, OpeningTakesThePathAndTitlesWithTheFileName) {
    PutFile(folder.File("main.plf"), "ladder");
    doc.SetModifiedFlag();
    int titleChanges = 0;
    doc.onTitleChanged = [&] { ++titleChanges; };
    ASSERT_TRUE(doc.OnOpenDocument(folder.File("main.plf")));
    EXPECT_EQ(doc.text, "ladder");
    EXPECT_EQ(doc.PathName(), folder.File("main.plf"));
    EXPECT_EQ(doc.Title(), "main.plf");
    EXPECT_EQ(titleChanges, 1);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(ui.calls.empty());
}

TEST_F(CDocumentTest, AnEmptyFileOpensWithoutBeingLoaded) {
    PutFile(folder.File("empty.plf"), "");
    ASSERT_TRUE(doc.OnOpenDocument(folder.File("empty.plf")));
    EXPECT_EQ(doc.loads, 0);
    EXPECT_EQ(doc.PathName(), folder.File("empty.plf"));
}

TEST_F(CDocumentTest, AFileThatCannotBeReadIsNotOpened) {
    for (const std::string& path : {folder.File("missing.plf"), folder.Path()}) {
        ui.calls.clear();
        EXPECT_FALSE(doc.OnOpenDocument(path)) << path;
        EXPECT_EQ(ui.calls, (std::vector<std::string>{"MessageBox: 打开文件失败!"}));
        EXPECT_EQ(doc.loads, 0);
    }
}

TEST_F(CDocumentTest, AFileNotUnderstoodOpensWithoutItsPath) {
    PutFile(folder.File("broken.plf"), "bad");
    ASSERT_TRUE(doc.OnOpenDocument(folder.File("broken.plf")));
    EXPECT_EQ(doc.PathName(), "");
    EXPECT_EQ(doc.Title(), "broken.plf");

    // Saving asks for a name instead of writing over the file.
    doc.SetModifiedFlag();
    EXPECT_FALSE(doc.DoFileSave());
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].initialFileName, "broken.plf");
    EXPECT_EQ(FileBytes(folder.File("broken.plf")), "bad");
}

TEST_F(CDocumentTest, SaveAsAsksWithThePlatformDialogAndTakesTheNewName) {
    ASSERT_TRUE(doc.OnNewDocument());
    doc.SetTitle("PLCLad1");
    doc.text = "one";
    EXPECT_FALSE(doc.DoFileSave()) << "cancelled";
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    const FileDialogRequest& request = ui.fileRequests[0];
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.title, "另存为");
    EXPECT_EQ(request.defaultExtension, "plf");
    EXPECT_EQ(request.initialFileName, "PLCLad1.plf");
    EXPECT_EQ(request.filter, "PLCLad 文件 (*.grp)|*.plf|所有文件 (*.*)|*.*||");
    EXPECT_TRUE(request.hideReadOnly);
    EXPECT_TRUE(request.overwritePrompt);

    ui.fileAnswers.push_back(folder.File("a.grp"));
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.DoFileSave());
    EXPECT_EQ(FileBytes(folder.File("a.grp")), "one");
    EXPECT_EQ(doc.PathName(), folder.File("a.grp"));
    EXPECT_EQ(doc.Title(), "a.grp");
    EXPECT_FALSE(doc.IsModified());

    // Save writes under the name without asking; Save As offers the name and stores while the
    // document still carries the old one.
    doc.text = "two";
    ASSERT_TRUE(doc.DoFileSave());
    EXPECT_EQ(ui.fileRequests.size(), 2u);
    EXPECT_EQ(FileBytes(folder.File("a.grp")), "two");
    ui.fileAnswers.push_back(folder.File("b.plf"));
    ASSERT_TRUE(doc.DoSave({}));
    EXPECT_EQ(ui.fileRequests.back().initialFileName, folder.File("a.grp"));
    EXPECT_EQ(doc.pathsWhileStoring,
              (std::vector<std::string>{"", folder.File("a.grp"), folder.File("a.grp")}));
    EXPECT_EQ(doc.PathName(), folder.File("b.plf"));
}

TEST_F(CDocumentTest, AFailedWriteIsReportedAndKeepsTheDocumentModified) {
    PutFile(folder.File("keep.plf"), "old");
    ASSERT_TRUE(doc.OnOpenDocument(folder.File("keep.plf")));
    doc.text = "new";
    doc.SetModifiedFlag();
    // A file cannot replace a folder, and a folder that does not exist takes no file.
    for (const std::string& target : {folder.Path(), folder.File("no/such.plf")}) {
        ui.calls.clear();
        EXPECT_FALSE(doc.DoSave(target));
        EXPECT_EQ(ui.calls, (std::vector<std::string>{"MessageBox: 保存文件失败!"}));
        EXPECT_EQ(doc.PathName(), folder.File("keep.plf"));
        EXPECT_TRUE(doc.IsModified());
    }
    EXPECT_EQ(FileBytes(folder.File("keep.plf")), "old");
}

TEST_F(CDocumentTest, AReadOnlyFileIsSavedUnderANewName) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "every file is writable for root";
    }
    PutFile(folder.File("ro.plf"), "old");
    ASSERT_TRUE(doc.OnOpenDocument(folder.File("ro.plf")));
    ASSERT_EQ(::chmod(folder.File("ro.plf").c_str(), 0444), 0);
    EXPECT_FALSE(doc.DoFileSave());
    EXPECT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(FileBytes(folder.File("ro.plf")), "old");
}

TEST_F(CDocumentTest, SaveModifiedAsksOnlyForAModifiedDocument) {
    ASSERT_TRUE(doc.OnNewDocument());
    doc.SetTitle("PLCLad3");
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_TRUE(ui.calls.empty());

    struct Case {
        Ui::Answer answer;
        std::optional<std::string> fileAnswer;
        bool result;
        bool saved;
    };
    const Case cases[] = {
        {Ui::Answer::No, std::nullopt, true, false},
        {Ui::Answer::Cancel, std::nullopt, false, false},
        {Ui::Answer::Yes, std::nullopt, false, false}, // the save dialog was cancelled
        {Ui::Answer::Yes, folder.File("x.plf"), true, true},
    };
    for (const Case& c : cases) {
        doc.SetModifiedFlag();
        ui.calls.clear();
        ui.Script(c.answer);
        ui.fileAnswers.push_back(c.fileAnswer);
        EXPECT_EQ(doc.SaveModified(), c.result);
        EXPECT_EQ(ui.calls.front(), "Ask: 将改动保存到 PLCLad3？");
        EXPECT_EQ(FileBytes(folder.File("x.plf")).has_value(), c.saved);
        ui.fileAnswers.clear();
    }

    // A document with a file is named by its path.
    doc.SetModifiedFlag();
    ui.calls.clear();
    ui.Script(Ui::Answer::No);
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(ui.calls,
              (std::vector<std::string>{"Ask: 将改动保存到 " + folder.File("x.plf") + "？"}));
}

} // namespace
} // namespace velmora
