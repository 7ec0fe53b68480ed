#pragma once

#include "platform/CDocument.h"
#include "shell/ShellDocument.h"

#include <QLabel>

#include <memory>
#include <string>
#include <vector>

namespace velmora::testing {

// A platform document whose saves are only recorded; each succeeds unless told otherwise.
class FakeCore : public CDocument {
public:
    using CDocument::CDocument;

    bool OnSaveDocument(const std::string& path) override {
        savedTo.push_back(path);
        if (saveSucceeds) {
            SetModifiedFlag(false);
        }
        return saveSucceeds;
    }

    bool saveSucceeds = true;
    std::vector<std::string> savedTo;

protected:
    void Serialize(Archive&) override {}
};

// A document for the frames, with a label for its view.
class FakeDocument : public ShellDocument {
public:
    explicit FakeDocument(Ui& ui) : ShellDocument(std::make_unique<FakeCore>(ui)) {}

    FakeCore& Core() { return static_cast<FakeCore&>(Document()); }
    QWidget* CreateView() override { return new QLabel; }
};

} // namespace velmora::testing
