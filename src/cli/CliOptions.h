#pragma once
// The command line of fftquorbel-cli: which controls of the main window to operate,
// in which order, and which data list to print. Parsing only reads the words; what
// the choices do is left to the window model.
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "fourier/WindowFunction.h"

namespace quorbel::cli {

enum class Method { realft, complex };
enum class Shown { rho, imag, real, realg, both };
enum class Wave { multiple, sine, square, triangular };
enum class Command {
    samples,
    spectrum,
    graph,
    displayed,
    report,
    render,
    inverse,
    print,
    bitmap,
    csv,
    spectrogram,
    wav,
    play
};
// What the csv command exports (menu "Export"), or the spectrogram's frames.
enum class CsvData { samples, spectrum, spectrogram };

// The tuning slider's range, tenths of a semitone.
inline constexpr int kMaxTuning = 10;

// Halving more often than this only repeats itself (the window returns to all the
// points every ten halvings) and would just take time.
inline constexpr int kMaxHalvings = 1000;

// The length of a recording made by --listen, seconds.
inline constexpr double kMinListenSeconds = 0.1, kMaxListenSeconds = 10;

struct CliOptions {
    std::optional<std::string> paramsFile;
    bool cosine = false;
    std::optional<Method> method;
    std::optional<WindowFunction> window;  // menu "Window"; rectangular when not given
    bool negative = false;
    std::optional<Shown> shown;
    std::optional<Wave> wave;
    // Field texts exactly as typed: the window refuses what is not a number.
    std::optional<std::string> cycles;
    std::optional<std::string> phase;
    int halvings = 0;
    // The two right-button limits (twips on the FFT graph) after "Horizontal".
    std::optional<std::pair<double, double>> expand;
    std::optional<int> scroll;             // the scroll bar's value
    bool log = false;                      // the musical scale ("Log")
    bool decibels = false;                 // the FFT graph in decibels ("dB")
    std::optional<int> tuning;             // the tuning slider, tenths of a semitone
    std::optional<std::string> renderDir;  // where render writes its pictures
    Command command = Command::samples;
    // A sound from a ".raw" file, loaded before every other option: the file, the
    // sampling frequency as typed, and the first and last sample of the drag.
    std::optional<std::string> rawFile;
    std::optional<std::string> rawFrequency;
    std::optional<std::pair<int, int>> rawSelection;
    // A sound recorded from the default input instead of a file: seconds, 0.1 to 10.
    std::optional<double> listenSeconds;
    // The raw file window's channel option for sound files of several channels:
    // "Option1" (first channel) or "Option2" (mean of the channels).
    std::optional<std::string> rawChannels;
    // The file the print and bitmap commands write.
    std::string outputFile;
    CsvData csvData = CsvData::samples;  // csv samples|spectrum
    bool svg = false;                    // render also writes SVG drawings
    bool pdf = false;                    // render also writes PDF pictures
    bool worksheet = false;              // render the pictures "for a worksheet"
    bool percent = false;                // worksheet spectra in % of the largest
    std::optional<int> zoom;             // render: the graphs at this percent ("View")
    bool axes = false;                   // render: f(t) and the FFT with axes ("Axes")
    // The sound of "spectrogram FILE OUT.png" and "csv spectrogram FILE", and its
    // frame and hop in points (--frame, --hop; a quarter of the frame by default).
    std::string spectrogramFile;
    std::optional<int> frame;
    std::optional<int> hop;

    bool Spectrogram() const {
        return command == Command::spectrogram ||
               (command == Command::csv && csvData == CsvData::spectrogram);
    }
    // The length of the sound of wav and play, seconds (the menu "Sound length").
    std::optional<double> seconds;
};

struct HelpRequest {};

// A usage error, one line without the program name.
struct UsageError {
    std::string text;
};

using ParseResult = std::variant<CliOptions, HelpRequest, UsageError>;

// `arguments` are the words after the program name. "--name value" and
// "--name=value" are both accepted; a later option of the same name wins.
ParseResult ParseCliOptions(const std::vector<std::string>& arguments);

// The text printed for --help, ending with a line end.
const std::string& HelpText();

}  // namespace quorbel::cli
