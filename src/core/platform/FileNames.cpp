#include "platform/FileNames.h"

namespace quorbel {

std::string WithDefaultExtension(const std::string& path, const std::string& extension) {
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    // An empty name (a folder) is left for the writer to refuse.
    if (nameStart == path.size() || path.find('.', nameStart) != std::string::npos) return path;
    return path + "." + extension;
}

std::string OneLineName(std::string name) {
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
    return name;
}

}  // namespace quorbel
