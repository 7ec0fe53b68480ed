#include "platform/ProgramDirectory.h"

#include <unistd.h>
#include <vector>

namespace velmora {

std::string ProgramDirectory() {
    // readlink does not say whether it truncated, so grow the buffer until the link fits.
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) {
            return {};
        }
        if (static_cast<std::size_t>(n) < buffer.size()) {
            const std::string path(buffer.data(), static_cast<std::size_t>(n));
            const std::size_t slash = path.rfind('/');
            if (slash == std::string::npos) {
                return {};
            }
            return slash == 0 ? std::string("/") : path.substr(0, slash);
        }
        if (buffer.size() >= 65536) {
            return {};
        }
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace velmora
