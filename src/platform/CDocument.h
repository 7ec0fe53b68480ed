#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace velmora {

class Ui;

// Texts the platform shows for every document.
namespace DocumentText {
inline constexpr std::string_view SaveChangesPrompt = "将改动保存到 %1？";
inline constexpr std::string_view SaveFailed = "保存文件失败!";
inline constexpr std::string_view OpenFailed = "打开文件失败!";
} // namespace DocumentText

// The file a document is loaded from or stored into. A load hands the document the whole file;
// a store collects the bytes, which the platform then writes in one piece.
class Archive {
public:
    enum class Mode { Load, Store };

    Archive(Mode mode, std::string pathName, std::string bytes = {})
        : mode(mode), pathName(std::move(pathName)), bytes(std::move(bytes)) {}

    bool IsLoading() const { return mode == Mode::Load; }
    bool IsStoring() const { return mode == Mode::Store; }
    // The file read or written.
    const std::string& PathName() const { return pathName; }
    // Loading: the file's content. Storing: what has been written so far.
    std::string_view Bytes() const { return bytes; }
    void Write(std::string_view more) { bytes += more; }

    // Set by a load that did not understand the file. The document opens all the same, but
    // without a path name, so it is never saved over the file it could not read.
    void SetFormatError() { formatError = true; }
    bool FormatError() const { return formatError; }

private:
    Mode mode;
    std::string pathName;
    std::string bytes;
    bool formatError = false;
};

// What the platform does for every document: its path name and title, the modified flag, new,
// open, save, save as and the question before a modified document closes. A document type
// supplies Serialize; the windows only show what this state says. Paths are the file system's
// bytes.
class CDocument {
public:
    explicit CDocument(Ui& ui) : platformUi(ui) {}
    virtual ~CDocument() = default;

    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    // The file the document was opened from or last saved to; empty for a new document.
    const std::string& PathName() const { return pathName; }
    // Also titles the document with the file's name.
    void SetPathName(const std::string& path);
    const std::string& Title() const { return title; }
    void SetTitle(const std::string& text);

    bool IsModified() const { return modified; }
    void SetModifiedFlag(bool value = true) { modified = value; }

    // A new, empty document without a path.
    virtual bool OnNewDocument();
    // Loads the file. A file that cannot be read is reported and not opened (false); a file of
    // length 0 opens without being loaded.
    virtual bool OnOpenDocument(const std::string& path);
    // Stores the document into the file in one piece; a failed write is reported and leaves
    // the file as it was (false).
    virtual bool OnSaveDocument(const std::string& path);
    // The document is about to be destroyed.
    virtual void OnCloseDocument() {}

    // Offers a modified document for saving: "将改动保存到 %1？" with Yes, No and Cancel. False
    // when the user cancelled or the save failed, so the document must stay open.
    bool SaveModified();
    // Saves under the document's name; asks for one when it has none or its file is read-only.
    bool DoFileSave();
    // Saves into path, or into a file chosen in the save dialog when path is empty. With replace
    // the document takes the new name once the file has been written.
    bool DoSave(const std::string& path, bool replace = true);

    // Called whenever the title changes, so windows can follow.
    std::function<void()> onTitleChanged;

protected:
    // Loads the document from the archive or stores it into it.
    virtual void Serialize(Archive& archive) = 0;
    // Empties the document before it is reused for a new ladder or a load.
    virtual void DeleteContents() {}

private:
    Ui& platformUi;
    std::string pathName;
    std::string title;
    bool modified = false;
};

// The last component of a path.
std::string FileNameOf(std::string_view path);

} // namespace velmora
