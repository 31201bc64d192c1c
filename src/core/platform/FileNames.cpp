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

std::optional<PictureFormat> PictureFormatOf(const std::string& name) {
    auto ends = [&](const std::string& ext) {
        return name.size() > ext.size() &&
               name.compare(name.size() - ext.size(), ext.size(), ext) == 0;
    };
    if (ends(".png")) return PictureFormat::Png;
    if (ends(".svg")) return PictureFormat::Svg;
    if (ends(".pdf")) return PictureFormat::Pdf;
    return std::nullopt;
}

}  // namespace quorbel
