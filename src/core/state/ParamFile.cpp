#include "state/ParamFile.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

#include "state/NumberText.h"
#include "state/QuotedText.h"

#if !defined(_WIN32)
#include <unistd.h>
#endif

namespace quorbel {
namespace fs = std::filesystem;

namespace {

void SetError(std::string* error, std::string text) {
    if (error) *error = std::move(text);
}

std::string Trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return {};
    size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

}  // namespace

bool PointsInBounds(std::string_view text) {
    const int N = WholeNumber(text);
    return N >= kMinPoints && N <= kMaxPoints;
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

std::optional<std::array<std::string, kParamValueCount>> ParamFile::ReadValues(
    int wanted, std::string* error) const {
    std::ifstream in(path_, std::ios::binary);
    if (!in) {
        SetError(error, "cannot open " + path_.string());
        return std::nullopt;
    }
    std::array<std::string, kParamValueCount> values;
    int count = 0;
    std::string line;
    // Commas and line ends both separate values; a blank line holds none.
    while (count < wanted && std::getline(in, line)) {
        if (Trim(line).empty()) continue;
        std::stringstream fields(line);
        std::string field;
        while (count < wanted && std::getline(fields, field, ',')) {
            std::optional<double> number = ParseNumber(field);
            if (!number) {
                SetError(error, "value " + std::to_string(count + 1) + " (" +
                                    QuotedText(Trim(field)) + ") is not a number");
                return std::nullopt;
            }
            if (count == 0 && !PointsInBounds(field)) {
                SetError(error, "value 1 (" + QuotedText(Trim(field)) +
                                    "), the number of points, must lie between " +
                                    std::to_string(kMinPoints) + " and " +
                                    std::to_string(kMaxPoints));
                return std::nullopt;
            }
            values[static_cast<size_t>(count++)] = NumberText(*number);
        }
    }
    if (count < wanted) {
        SetError(error, "the file holds " + std::to_string(count) + " values, " +
                            std::to_string(wanted) + " are needed");
        return std::nullopt;
    }
    return values;
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

bool ParamFile::WriteAtomically(const std::string& content, std::string* error) const {
    std::error_code ec;
    if (path_.has_parent_path()) fs::create_directories(path_.parent_path(), ec);
    // The temporary file sits beside the target so that the rename stays on one file
    // system and is atomic.
    fs::path temp = path_;
    temp += ".tmp";
    std::FILE* f = std::fopen(temp.string().c_str(), "wb");
    if (!f) {
        SetError(error, "cannot create " + temp.string());
        return false;
    }
    bool ok = std::fwrite(content.data(), 1, content.size(), f) == content.size();
    ok = (std::fflush(f) == 0) && ok;
#if !defined(_WIN32)
    ok = ok && ::fsync(fileno(f)) == 0;
#endif
    ok = (std::fclose(f) == 0) && ok;
    if (!ok) {
        fs::remove(temp, ec);
        SetError(error, "cannot write " + temp.string());
        return false;
    }
    fs::rename(temp, path_, ec);
    if (ec) {
        fs::remove(temp, ec);
        SetError(error, "cannot replace " + path_.string());
        return false;
    }
    return true;
}

}  // namespace quorbel
