#include "platform/DocumentTemplate.h"

namespace velmora {

std::string DocumentTemplate::NextUntitledTitle() {
    return std::string(NewDocBaseName) + std::to_string(++untitledCount);
}

std::string DocumentTemplate::SaveFilter() {
    return std::string(FilterName) + "|*" + std::string(Extension) + "|" +
           std::string(AllFilesFilterName) + "|*.*||";
}

} // namespace velmora
