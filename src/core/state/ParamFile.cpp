#include "state/ParamFile.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "platform/Translation.h"
#include "state/NumberText.h"
#include "state/QuotedText.h"

namespace quorbel {
namespace fs = std::filesystem;

namespace {

void SetError(std::string* error, std::string text) {
    if (error) *error = std::move(text);
}

std::string_view Trim(std::string_view s) {
    const size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string_view::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
}

}  // namespace

ParamValueFault CheckParamValue(int position, std::string_view text) {
    const std::optional<double> number = ParseNumber(text);
    if (!number) return ParamValueFault::notANumber;
    if (position == 0 &&
        !(*number == std::trunc(*number) && *number >= kMinPoints && *number <= kMaxPoints))
        return ParamValueFault::pointsOutOfBounds;
    return ParamValueFault::none;
}

ParamFile::ParamFile(fs::path path, const FileCalls& calls)
    : path_(std::move(path)),
      calls_(&calls),
      inPlaceCopy_(path_ == DefaultPath() ? DefaultCopyPath() : fs::path()) {}

fs::path ParamFile::DefaultCopyPath() {
#if defined(_WIN32)
    return fs::path("C:\\Zparamfile.wr.previous");
#else
    fs::path base;
    if (const char* xdg = std::getenv("XDG_STATE_HOME"); xdg && *xdg) {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = fs::path(home) / ".local" / "state";
    } else {
        base = fs::current_path();
    }
    return base / "fft-quorbel" / "Zparamfile.wr.previous";
#endif
}

fs::path ParamFile::DefaultPath() {
#if defined(_WIN32)
    return fs::path("C:\\Zparamfile.wr");
#else
    fs::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = fs::path(home) / ".config";
    } else {
        base = fs::current_path();
    }
    return base / "fft-quorbel" / "Zparamfile.wr";
#endif
}

const std::string& ParamFile::DefaultRecord() {
    static const std::string record =
        "1024,30,1,1,0,2,2,0,3,3,0,0,4,0,1,5,0,0,6,0,2,7,0,2.5,8,0,0,9,0,3.5,10,0\r\n";
    return record;
}

std::optional<std::array<std::string, kParamValueCount>> ParseParamText(std::string_view text,
                                                                        int wanted, bool whole,
                                                                        std::string* error) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // byte-order mark
    std::array<std::string, kParamValueCount> values;
    int count = 0;
    while (count < wanted) {
        // Commas and line ends (LF, CR, or both) separate values.
        const size_t end = text.find_first_of(",\r\n");
        const bool last = end == std::string_view::npos;
        const std::string_view field = text.substr(0, end);
        if (field.size() > kMaxValueLength) {
            SetError(error, "value " + std::to_string(count + 1) + " is longer than " +
                                std::to_string(kMaxValueLength) + " characters");
            return std::nullopt;
        }
        if (last && !whole) break;  // the value may go on past what was read
        // A blank line holds no value, and neither does a comma that ends a line.
        if (!(Trim(field).empty() && (last || text[end] != ','))) {
            switch (CheckParamValue(count, field)) {
                case ParamValueFault::none:
                    break;
                case ParamValueFault::notANumber:
                    SetError(error, "value " + std::to_string(count + 1) + " (" +
                                        QuotedText(Trim(field)) + ") is not a number");
                    return std::nullopt;
                case ParamValueFault::pointsOutOfBounds:
                    SetError(error, "value 1 (" + QuotedText(Trim(field)) +
                                        "), the number of points, must be a whole number "
                                        "between " +
                                        std::to_string(kMinPoints) + " and " +
                                        std::to_string(kMaxPoints));
                    return std::nullopt;
            }
            values[static_cast<size_t>(count++)] = NumberText(*ParseNumber(field));
        }
        if (last) break;
        text.remove_prefix(end + 1);
    }
    if (count < wanted) {
        SetError(error, whole ? "the file holds " + std::to_string(count) + " values, " +
                                    std::to_string(wanted) + " are needed"
                              : "the file is larger than " + std::to_string(kMaxParamBytes) +
                                    " bytes before its value " + std::to_string(wanted));
        return std::nullopt;
    }
    return values;
}

std::optional<std::array<std::string, kParamValueCount>> ParamFile::ReadValues(
    int wanted, std::string* error) const {
    // A pipe or a device would keep the reader waiting or reading for ever.
    if (const std::optional<std::string> why = WhyNotReadable(path_)) {
        SetError(error, *why);
        return std::nullopt;
    }
    std::ifstream in(path_, std::ios::binary);
    if (!in) {
        const int openErrno = errno;
        SetError(error, openErrno == EACCES
                            ? Translate("Messages", "its permissions do not allow reading it")
                            : FillIn(Translate("Messages", "it cannot be opened (%1)"),
                                     {std::strerror(openErrno)}));
        return std::nullopt;
    }
    // One byte more than is ever used tells whether the file goes on.
    std::string text(kMaxParamBytes + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) {
        SetError(error, "cannot read " + path_.string());
        return std::nullopt;
    }
    text.resize(static_cast<size_t>(in.gcount()));
    const bool whole = text.size() <= kMaxParamBytes;
    if (!whole) text.resize(kMaxParamBytes);
    return ParseParamText(text, wanted, whole, error);
}

std::optional<ParamRecord> ParamFile::ReadAll(std::string* error) const {
    auto values = ReadValues(kParamValueCount, error);
    if (!values) return std::nullopt;
    return ParamRecord{*values};
}

std::optional<std::array<std::string, 2>> ParamFile::ReadLeading(std::string* error) const {
    auto values = ReadValues(2, error);
    if (!values) return std::nullopt;
    return std::array<std::string, 2>{(*values)[0], (*values)[1]};
}

bool ParamFile::WriteDefault(std::string* error) const {
    return WriteAtomically(DefaultRecord(), error);
}

bool ParamFile::WriteFromWindow(const ParamRows& rows, std::string* error) const {
    std::string content = NumberText(rows.points) + "," + NumberText(rows.cycles) + "\r\n";
    for (const auto& row : rows.rows) {
        content +=
            NumberText(row[0]) + "," + NumberText(row[1]) + "," + NumberText(row[2]) + "\r\n";
    }
    return WriteAtomically(content, error);
}

bool ParamFile::KeepUnusable(std::string* error) const {
    fs::path kept = path_;
    kept += ".bad";
    if (!KeepFile(path_, kept, *calls_, error)) return false;
    std::error_code ec;
    if (fs::exists(fs::symlink_status(path_, ec)) && WhyNotReadable(path_)) fs::remove(path_, ec);
    return true;
}

bool ParamFile::RecoverAtStartup(std::string* error) const {
    // A temporary file a minute old belongs to no write still running.
    RemoveStaleTemporaries(path_, std::chrono::seconds(60));
    return RestoreInterruptedWrite(
        path_, inPlaceCopy_,
        [](const fs::path& p) {
            return ParamFile(p, FileCalls::System(), {}).ReadAll().has_value();
        },
        error);
}

bool ParamFile::WriteAtomically(const std::string& content, std::string* error) const {
    // The program's folder is made when the file is first written.
    std::error_code ec;
    if (path_.has_parent_path()) fs::create_directories(path_.parent_path(), ec);
    return ReplaceFile(path_, content, *calls_, error, inPlaceCopy_);
}

}  // namespace quorbel
