#pragma once
// The opening-parameters file: 32 values (N, cycles per second, then a, b and the
// phase of ten wave rows) separated by commas or line ends in any mix. Blanks and
// tabs around a value are skipped and values after the 32nd are ignored. Line ends
// may be LF, CR LF or CR alone, a line may end in a comma, and a UTF-8 byte-order
// mark may open the file: what a hand edit in any editor leaves.
//
// The file moves between systems unchanged; only its folder differs per platform
// (see DefaultPath). Every write goes to a temporary file in the same folder that is
// then renamed over the old one, so a crash or a full disk never leaves a truncated
// file behind (see ReplaceFile). Where the folder refuses new files, the program's own
// file is rewritten in place after its old record was kept in the program's state
// folder; the next start puts that record back if the program was ended in between.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "state/FileReplace.h"

namespace quorbel {

inline constexpr int kParamValueCount = 32;
inline constexpr int kWaveRows = 10;
// Bounds of the number of points N (its whole number), wherever it is read: the f(t)
// working array holds at most 32769 values.
inline constexpr int kMinPoints = 1;
inline constexpr int kMaxPoints = 32768;

// The values as the fields show them: each one the plain text of the number read
// ("1024", "30", "2.5"; ".5" in the file shows as "0.5").
struct ParamRecord {
    std::array<std::string, kParamValueCount> values;

    const std::string& Points() const { return values[0]; }
    const std::string& Cycles() const { return values[1]; }
    // row 0..9
    const std::string& A(int row) const { return values[2 + 3 * row]; }
    const std::string& B(int row) const { return values[3 + 3 * row]; }
    const std::string& Phase(int row) const { return values[4 + 3 * row]; }
};

// Reading stops after the 32nd value. A file with a value longer than
// kMaxValueLength characters, or larger than kMaxParamBytes before its 32nd value
// ends, cannot be used.
inline constexpr size_t kMaxValueLength = 256;
inline constexpr size_t kMaxParamBytes = size_t{1} << 20;

// The first `wanted` values (1..32) of the text of an opening-parameters file, each as
// the plain text of the number read. `whole` is false when the text is only the first
// kMaxParamBytes of a longer file. nullopt with `error` set when the values cannot
// be used.
std::optional<std::array<std::string, kParamValueCount>> ParseParamText(std::string_view text,
                                                                        int wanted, bool whole,
                                                                        std::string* error);

// The one rule for the values of the opening parameters, which the file's reader and
// the opening-parameters dialog apply alike: every value is a number (the whole text,
// blanks around it allowed, within the range of doubles), and the number of points
// (position 0) a whole one from kMinPoints to kMaxPoints ("1024", "1e3", "2048.0").
enum class ParamValueFault { none, notANumber, pointsOutOfBounds };
ParamValueFault CheckParamValue(int position, std::string_view text);

struct ParamRows {
    int points = 1024;
    double cycles = 30;
    std::array<std::array<double, 3>, kWaveRows> rows{};  // a, b, phase per row
};

class ParamFile {
  public:
    // The program's own file (DefaultPath) keeps its old record at DefaultCopyPath
    // while it is rewritten in place; any other file is rewritten in place without a
    // copy unless one is given.
    explicit ParamFile(std::filesystem::path path, const FileCalls& calls = FileCalls::System());
    ParamFile(std::filesystem::path path, const FileCalls& calls, std::filesystem::path inPlaceCopy)
        : path_(std::move(path)), calls_(&calls), inPlaceCopy_(std::move(inPlaceCopy)) {}

    // The per-platform location: C:\Zparamfile.wr on Windows; elsewhere
    // $XDG_CONFIG_HOME/fft-quorbel/Zparamfile.wr (default ~/.config/fft-quorbel/...).
    static std::filesystem::path DefaultPath();

    // Where the old record waits while the program's file is rewritten in place:
    // $XDG_STATE_HOME/fft-quorbel/Zparamfile.wr.previous (default ~/.local/state/...);
    // beside the file on Windows.
    static std::filesystem::path DefaultCopyPath();

    // The single line of the default record, with its CR LF.
    static const std::string& DefaultRecord();

    const std::filesystem::path& Path() const { return path_; }

    // All 32 values. nullopt when the file is missing or unreadable, holds fewer
    // than 32 values, or a value breaks the rule of CheckParamValue; `error` then says
    // which.
    std::optional<ParamRecord> ReadAll(std::string* error = nullptr) const;
    // Positions 1 and 2 only (points, cycles).
    std::optional<std::array<std::string, 2>> ReadLeading(std::string* error = nullptr) const;

    // Keep the file, which cannot be used, beside it as Zparamfile.wr.bad (one copy,
    // the latest). A name that leads to no regular file (a pipe, a device) is given up
    // once kept, and a folder is moved there whole, so that the default record can take
    // its place. True when kept or when there is no file.
    bool KeepUnusable(std::string* error = nullptr) const;

    // What a start does before reading the file: removes the temporary files an ended
    // program left beside it, and puts back the record kept while the file was being
    // rewritten in place when the file is now unusable. False, with `error`, when the
    // kept record could not be put back.
    bool RecoverAtStartup(std::string* error = nullptr) const;

    // Replace the file with the default record. False when it cannot be written
    // (a read-only file is never replaced); the old file is then untouched.
    bool WriteDefault(std::string* error = nullptr) const;
    // Replace the file with the 11-line layout: "N,cycles", then a,b,phase per row.
    bool WriteFromWindow(const ParamRows& rows, std::string* error = nullptr) const;

  private:
    std::optional<std::array<std::string, kParamValueCount>> ReadValues(int wanted,
                                                                        std::string* error) const;
    bool WriteAtomically(const std::string& content, std::string* error) const;

    std::filesystem::path path_;
    const FileCalls* calls_;
    std::filesystem::path inPlaceCopy_;
};

}  // namespace quorbel
