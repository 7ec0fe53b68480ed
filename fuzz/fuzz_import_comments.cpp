// Imports arbitrary text as a symbol-comment file, once from memory and once through a file,
// which must agree, then exports the result.
#include "document/SymbolComments.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <unistd.h>

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const int fd = memfd_create("comments", 0);
    static const std::string path = "/proc/self/fd/" + std::to_string(fd);
    static const SymbolCommentTable empty;
    static SymbolCommentTable fromText;
    static SymbolCommentTable fromFile;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    fromText = empty;
    ParseSymbolComments(fromText, text);
    ExportSymbolComments(fromText);

    if (fd >= 0 && ftruncate(fd, 0) == 0 &&
        pwrite(fd, data, size, 0) == static_cast<ssize_t>(size)) {
        fromFile = empty;
        if (!ImportSymbolComments(fromFile, path) || !(fromFile == fromText)) {
            std::abort();
        }
    }
    return 0;
}
