#include "nmr/NmrFile.h"

#include <fstream>
#include <iterator>

#include "platform/Translation.h"
#include "state/FileReplace.h"

namespace quorbel::nmr {

std::string NmrFileMessage(const std::filesystem::path& path, const std::string& why) {
    return FillIn(Translate("Messages", "%1 cannot be used: %2"), {path.filename().string(), why});
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::string* error) {
    if (const std::optional<std::string> why = WhyNotReadable(path)) {
        *error = NmrFileMessage(path, *why);
        return std::nullopt;
    }
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxNmrFileBytes) {
        *error = NmrFileMessage(path, Translate("Messages", "it is too large"));
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        *error = NmrFileMessage(path, Translate("Messages", "it cannot be read"));
        return std::nullopt;
    }
    return bytes;
}

}  // namespace quorbel::nmr
