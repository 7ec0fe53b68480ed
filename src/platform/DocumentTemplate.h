#pragma once

#include <string>
#include <string_view>

namespace velmora {

// The one document type of the program: how new documents are named and which files the
// platform's save dialog offers.
class DocumentTemplate {
public:
    static constexpr std::string_view NewDocBaseName = "PLCLad";
    static constexpr std::string_view Extension = ".plf";
    static constexpr std::string_view FilterName = "PLCLad 文件 (*.grp)";
    static constexpr std::string_view AllFilesFilterName = "所有文件 (*.*)";

    // The title of the next new document: PLCLad1, PLCLad2, …
    std::string NextUntitledTitle();

    // The save dialog's filter: the document type's files, then all files.
    static std::string SaveFilter();

private:
    int untitledCount = 0;
};

} // namespace velmora
