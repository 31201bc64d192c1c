#include "CliOptions.h"

#include <array>
#include <charconv>
#include <cmath>
#include <utility>

#include "platform/Translation.h"
#include "sound/Sound.h"
#include "spectrogram/Stft.h"
#include "state/NumberText.h"
#include "state/QuotedText.h"

namespace quorbel::cli {

namespace {

template <class E>
struct Choice {
    const char* word;
    E value;
};

constexpr std::array<Choice<Method>, 2> kMethods{{
    {"realft", Method::realft},
    {"complex", Method::complex},
}};
constexpr std::array<Choice<Shown>, 5> kShown{{
    {"rho", Shown::rho},
    {"imag", Shown::imag},
    {"real", Shown::real},
    {"realg", Shown::realg},
    {"both", Shown::both},
}};
constexpr std::array<Choice<Wave>, 4> kWaves{{
    {"multiple", Wave::multiple},
    {"sine", Wave::sine},
    {"square", Wave::square},
    {"triangular", Wave::triangular},
}};
constexpr std::array<Choice<CsvData>, 3> kCsvData{{
    {"samples", CsvData::samples},
    {"spectrum", CsvData::spectrum},
    {"spectrogram", CsvData::spectrogram},
}};
constexpr std::array<Choice<Command>, 13> kCommands{{
    {"samples", Command::samples},
    {"spectrum", Command::spectrum},
    {"graph", Command::graph},
    {"displayed", Command::displayed},
    {"report", Command::report},
    {"render", Command::render},
    {"inverse", Command::inverse},
    {"print", Command::print},
    {"bitmap", Command::bitmap},
    {"csv", Command::csv},
    {"spectrogram", Command::spectrogram},
    {"wav", Command::wav},
    {"play", Command::play},
}};

// A usage error in the user's language: `english` (marked for the extraction at the
// call) with the words and values it quotes put in; those stay as they were typed.
UsageError Usage(const char* english, const std::vector<std::string>& args = {}) {
    return UsageError{FillIn(Translate("CommandLine", english), args)};
}

template <class E, size_t Count>
std::optional<E> Lookup(const std::array<Choice<E>, Count>& choices, const std::string& word) {
    for (const Choice<E>& choice : choices)
        if (word == choice.word) return choice.value;
    return std::nullopt;
}

template <class E, size_t Count>
std::string Words(const std::array<Choice<E>, Count>& choices) {
    std::string words;
    for (const Choice<E>& choice : choices) {
        if (!words.empty()) words += "|";
        words += choice.word;
    }
    return words;
}

std::optional<int> WholeWord(const std::string& text) {
    int count = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, count);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return count;
}

std::optional<double> Twips(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// "X1,X2": two positions in twips.
std::optional<std::pair<double, double>> Limits(const std::string& text) {
    const size_t comma = text.find(',');
    if (comma == std::string::npos) return std::nullopt;
    const std::optional<double> x1 = Twips(text.substr(0, comma));
    const std::optional<double> x2 = Twips(text.substr(comma + 1));
    if (!x1 || !x2) return std::nullopt;
    return std::make_pair(*x1, *x2);
}

// Walks the words; options that take a value take the next word whatever it looks
// like, so "--cycles -3" passes -3 to the field.
class Parser {
  public:
    explicit Parser(const std::vector<std::string>& arguments) : arguments_(arguments) {}

    ParseResult Run() {
        std::optional<Command> command;
        // After "--" every word is a command or a file name, even one starting with '-'.
        bool optionsEnded = false;
        for (next_ = 0; next_ < arguments_.size();) {
            const std::string word = arguments_[next_++];
            if (!optionsEnded && word == "--") {
                optionsEnded = true;
                continue;
            }
            if (!optionsEnded && (word == "--help" || word == "-h")) return HelpRequest{};
            if (!optionsEnded && word.rfind("-", 0) == 0 && word != "-") {
                if (std::optional<UsageError> error = Option(word)) return *error;
                continue;
            }
            if (command == Command::render && !options_.renderDir) {
                options_.renderDir = word;
                continue;
            }
            // The spectrogram's sound file, then (for the picture) the PNG file, wherever
            // the options stand.
            const bool spectrogram =
                command == Command::spectrogram ||
                (command == Command::csv && options_.csvData == CsvData::spectrogram);
            if (spectrogram && options_.spectrogramFile.empty()) {
                options_.spectrogramFile = word;
                continue;
            }
            if (command == Command::spectrogram && options_.outputFile.empty()) {
                options_.outputFile = word;
                continue;
            }
            if (command)
                return Usage(QT_TRANSLATE_NOOP("CommandLine", "more than one command: %1"),
                             {Quoted(word)});
            command = Lookup(kCommands, word);
            if (!command)
                return Usage(QT_TRANSLATE_NOOP("CommandLine", "unknown command %1 (one of %2)"),
                             {Quoted(word), Words(kCommands)});
            if (*command == Command::print || *command == Command::bitmap ||
                *command == Command::wav) {
                if (next_ >= arguments_.size() || arguments_[next_].empty())
                    return Usage(
                        QT_TRANSLATE_NOOP("CommandLine", "%1 needs the name of the file to write"),
                        {word});
                options_.outputFile = arguments_[next_++];
            }
            if (*command == Command::csv) {
                const std::string data = next_ < arguments_.size() ? arguments_[next_++] : "";
                const std::optional<CsvData> chosen = Lookup(kCsvData, data);
                if (!chosen)
                    return Usage(QT_TRANSLATE_NOOP("CommandLine", "csv needs %1"),
                                 {Words(kCsvData)});
                options_.csvData = *chosen;
            }
        }
        if (!command)
            return Usage(QT_TRANSLATE_NOOP("CommandLine", "no command given (one of %1)"),
                         {Words(kCommands)});
        options_.command = *command;
        if (std::optional<UsageError> error = Combination()) return *error;
        return options_;
    }

  private:
    // Choices that no user could make together in the window: the controls they name
    // are hidden or disabled in the state the other choices leave.
    std::optional<UsageError> Combination() {
        if (options_.Spectrogram()) return SpectrogramCombination();
        if (options_.frame || options_.hop)
            return Usage(QT_TRANSLATE_NOOP("CommandLine",
                                           "--frame and --hop apply to the spectrogram only"));
        if (options_.negative && options_.method != Method::complex)
            return Usage(QT_TRANSLATE_NOOP("CommandLine", "--negative needs --method complex"));
        const bool simpleWave = options_.wave && *options_.wave != Wave::multiple;
        if (options_.cosine && simpleWave)
            return Usage(
                QT_TRANSLATE_NOOP("CommandLine", "--cos applies to the multiple waves only"));
        if (options_.phase && !simpleWave)
            return Usage(QT_TRANSLATE_NOOP("CommandLine",
                                           "--phase needs --wave sine, square or triangular"));
        if (options_.scroll && !options_.expand)
            return Usage(QT_TRANSLATE_NOOP("CommandLine", "--scroll needs --expand"));
        if (options_.tuning && !options_.log)
            return Usage(QT_TRANSLATE_NOOP("CommandLine", "--tuning needs --log"));
        if (options_.command == Command::render &&
            (!options_.renderDir || options_.renderDir->empty()))
            return Usage(QT_TRANSLATE_NOOP("CommandLine", "render needs a folder: render DIR"));
        if (options_.svg && options_.command != Command::render)
            return Usage(QT_TRANSLATE_NOOP("CommandLine", "--svg applies to render only"));
        if (options_.pdf && options_.command != Command::render)
            return Usage(QT_TRANSLATE_NOOP("CommandLine", "--pdf applies to render only"));
        if ((options_.zoom || options_.axes) && options_.command != Command::render)
            return Usage(
                QT_TRANSLATE_NOOP("CommandLine", "--zoom and --axes apply to render only"));
        if (options_.worksheet && options_.command != Command::render)
            return Usage(QT_TRANSLATE_NOOP("CommandLine",
                                           "--worksheet applies to render and spectrogram only"));
        if (options_.worksheet && options_.shown == Shown::both)
            return Usage(QT_TRANSLATE_NOOP("CommandLine",
                                           "--worksheet frames single graphs (not --show both)"));
        if (options_.percent && !options_.worksheet)
            return Usage(QT_TRANSLATE_NOOP("CommandLine", "--percent needs --worksheet"));
        if (options_.log && options_.negative)
            return Usage(QT_TRANSLATE_NOOP(
                "CommandLine", "--log shows positive frequencies only (no --negative)"));
        if (options_.decibels && (options_.log || options_.shown == Shown::both))
            return Usage(QT_TRANSLATE_NOOP(
                "CommandLine", "--db draws the linear FFT graph (not --log or --show both)"));
        if (options_.log && options_.shown == Shown::both)
            return Usage(
                QT_TRANSLATE_NOOP("CommandLine", "--log needs a single graph (not --show both)"));
        if (options_.listenSeconds) {
            if (options_.rawFile || options_.rawFrequency || options_.rawChannels)
                return Usage(QT_TRANSLATE_NOOP(
                    "CommandLine",
                    "--listen records its sound at the input's rate (no --raw, --fs or "
                    "--channels)"));
            if (options_.wave)
                return Usage(QT_TRANSLATE_NOOP(
                    "CommandLine", "--wave and --listen choose two different functions"));
        }
        const bool raw = options_.rawFile || options_.rawFrequency ||
                         (options_.rawSelection && !options_.listenSeconds) || options_.rawChannels;
        if (raw && !(options_.rawFile && options_.rawSelection))
            return Usage(QT_TRANSLATE_NOOP(
                "CommandLine",
                "--raw needs --select (and --fs, --channels or --select needs --raw)"));
        if (raw && options_.wave)
            return Usage(QT_TRANSLATE_NOOP("CommandLine",
                                           "--wave and --raw choose two different functions"));
        if (options_.seconds && options_.command != Command::wav &&
            options_.command != Command::play)
            return Usage(
                QT_TRANSLATE_NOOP("CommandLine", "--seconds applies to wav and play only"));
        return std::nullopt;
    }

    // The spectrogram reads its file itself: --fs (a ".raw" file's rate) and
    // --channels apply to it, the main window's choices do not.
    std::optional<UsageError> SpectrogramCombination() {
        if (options_.command == Command::csv && options_.spectrogramFile.empty())
            return Usage(QT_TRANSLATE_NOOP("CommandLine", "csv spectrogram needs the sound file"));
        if (options_.command == Command::spectrogram &&
            (options_.spectrogramFile.empty() || options_.outputFile.empty()))
            return Usage(QT_TRANSLATE_NOOP(
                "CommandLine", "spectrogram needs the sound file and the PNG file to write"));
        if (options_.rawFile || options_.rawSelection)
            return Usage(QT_TRANSLATE_NOOP(
                "CommandLine",
                "the spectrogram takes its file after the command (no --raw, --select)"));
        if (options_.wave || options_.cosine || options_.cycles || options_.phase ||
            options_.method || options_.negative || options_.shown || options_.halvings ||
            options_.expand || options_.scroll || options_.log || options_.decibels ||
            options_.tuning || options_.svg || options_.pdf || options_.percent ||
            (options_.worksheet && options_.command == Command::csv))
            return Usage(QT_TRANSLATE_NOOP(
                "CommandLine",
                "the spectrogram takes only --frame, --hop, --fs and --channels (and --worksheet "
                "for its picture)"));
        StftSettings settings;
        settings.frame = options_.frame.value_or(kDefaultStftFrame);
        settings.hop = options_.hop.value_or(settings.frame / 4);
        if (const std::optional<std::string> why = StftSettingsError(settings))
            return UsageError{*why};
        options_.frame = settings.frame;
        options_.hop = settings.hop;
        return std::nullopt;
    }

    static std::string Quoted(const std::string& word) { return QuotedText(word); }

    std::optional<UsageError> Option(const std::string& word) {
        std::string name = word;
        std::optional<std::string> inlineValue;
        if (const size_t equals = word.find('='); equals != std::string::npos) {
            name = word.substr(0, equals);
            inlineValue = word.substr(equals + 1);
        }
        auto flag = [&](bool& target) -> std::optional<UsageError> {
            if (inlineValue)
                return Usage(QT_TRANSLATE_NOOP("CommandLine", "%1 takes no value"), {name});
            target = true;
            return std::nullopt;
        };
        if (name == "--cos") return flag(options_.cosine);
        if (name == "--negative") return flag(options_.negative);
        if (name == "--log") return flag(options_.log);
        if (name == "--db") return flag(options_.decibels);
        if (name == "--svg") return flag(options_.svg);
        if (name == "--pdf") return flag(options_.pdf);
        if (name == "--worksheet") return flag(options_.worksheet);
        if (name == "--percent") return flag(options_.percent);
        if (name == "--axes") return flag(options_.axes);

        if (!IsValueOption(name))
            return Usage(QT_TRANSLATE_NOOP("CommandLine", "unknown option %1 (see --help)"),
                         {Quoted(name)});
        std::string value;
        if (inlineValue) {
            value = *inlineValue;
        } else if (next_ < arguments_.size()) {
            value = arguments_[next_++];
        } else {
            return Usage(QT_TRANSLATE_NOOP("CommandLine", "%1 needs a value"), {name});
        }
        if (name == "--params") {
            if (value.empty())
                return Usage(QT_TRANSLATE_NOOP("CommandLine", "--params needs a file name"));
            options_.paramsFile = value;
        } else if (name == "--cycles") {
            options_.cycles = value;
        } else if (name == "--phase") {
            options_.phase = value;
        } else if (name == "--method") {
            return Assign(kMethods, name, value, options_.method);
        } else if (name == "--window") {
            options_.window = WindowOfWord(value);
            if (!options_.window) {
                std::string words;
                for (WindowFunction window : kWindowFunctions)
                    words += (words.empty() ? "" : "|") + WindowWord(window);
                return Usage(QT_TRANSLATE_NOOP("CommandLine", "%1 takes %2, not %3"),
                             {name, words, Quoted(value)});
            }
        } else if (name == "--show") {
            return Assign(kShown, name, value, options_.shown);
        } else if (name == "--wave") {
            return Assign(kWaves, name, value, options_.wave);
        } else if (name == "--halve") {
            std::optional<int> count = WholeWord(value);
            if (!count || *count < 0 || *count > kMaxHalvings)
                return Usage(QT_TRANSLATE_NOOP("CommandLine",
                                               "--halve needs a whole number from 0 to %1, not %2"),
                             {std::to_string(kMaxHalvings), Quoted(value)});
            options_.halvings = *count;
        } else if (name == "--expand") {
            options_.expand = Limits(value);
            if (!options_.expand)
                return Usage(
                    QT_TRANSLATE_NOOP("CommandLine",
                                      "--expand needs two positions in twips, X1,X2, not %1"),
                    {Quoted(value)});
        } else if (name == "--raw") {
            if (value.empty())
                return Usage(QT_TRANSLATE_NOOP("CommandLine", "--raw needs a file name"));
            options_.rawFile = value;
        } else if (name == "--fs") {
            options_.rawFrequency = value;
        } else if (name == "--channels") {
            if (value != "first" && value != "mean")
                return Usage(
                    QT_TRANSLATE_NOOP("CommandLine", "--channels needs first or mean, not %1"),
                    {Quoted(value)});
            options_.rawChannels = value == "first" ? "Option1" : "Option2";
        } else if (name == "--listen") {
            const std::optional<double> seconds = ParseNumber(value);
            if (!seconds || !(*seconds >= kMinListenSeconds) || !(*seconds <= kMaxListenSeconds))
                return Usage(
                    QT_TRANSLATE_NOOP("CommandLine",
                                      "--listen needs a number of seconds from 0.1 to 10, not %1"),
                    {Quoted(value)});
            options_.listenSeconds = seconds;
        } else if (name == "--select") {
            const size_t comma = value.find(',');
            const std::optional<int> first = WholeWord(value.substr(0, comma));
            const std::optional<int> last =
                comma == std::string::npos ? std::nullopt : WholeWord(value.substr(comma + 1));
            if (!first || !last || *first < 0 || *last <= *first)
                return Usage(
                    QT_TRANSLATE_NOOP(
                        "CommandLine",
                        "--select needs two sample numbers FIRST,LAST with FIRST < LAST, not %1"),
                    {Quoted(value)});
            options_.rawSelection = std::make_pair(*first, *last);
        } else if (name == "--scroll") {
            options_.scroll = WholeWord(value);
            if (!options_.scroll)
                return Usage(
                    QT_TRANSLATE_NOOP("CommandLine", "--scroll needs a whole number, not %1"),
                    {Quoted(value)});
        } else if (name == "--frame" || name == "--hop") {
            const std::optional<int> points = WholeWord(value);
            if (!points)
                return Usage(
                    QT_TRANSLATE_NOOP("CommandLine", "%1 needs a whole number of points, not %2"),
                    {name, Quoted(value)});
            (name == "--frame" ? options_.frame : options_.hop) = points;
        } else if (name == "--seconds") {
            options_.seconds = Twips(value);
            if (!options_.seconds || !(*options_.seconds >= kMinSoundSeconds) ||
                !(*options_.seconds <= kMaxSoundSeconds))
                return Usage(
                    QT_TRANSLATE_NOOP("CommandLine",
                                      "--seconds needs a number of seconds from 0.1 to 60, not %1"),
                    {Quoted(value)});
        } else if (name == "--zoom") {
            for (int percent : {100, 125, 150, 200})  // the steps of the menu "View"
                if (value == std::to_string(percent)) options_.zoom = percent;
            if (!options_.zoom)
                return Usage(
                    QT_TRANSLATE_NOOP("CommandLine", "--zoom takes 100, 125, 150 or 200, not %1"),
                    {Quoted(value)});
        } else if (name == "--tuning") {
            options_.tuning = WholeWord(value);
            if (!options_.tuning || *options_.tuning < -kMaxTuning || *options_.tuning > kMaxTuning)
                return Usage(
                    QT_TRANSLATE_NOOP("CommandLine",
                                      "--tuning needs a whole number from -10 to 10, not %1"),
                    {Quoted(value)});
        }
        return std::nullopt;
    }

    static bool IsValueOption(const std::string& name) {
        for (const char* option :
             {"--params", "--method", "--show",    "--wave",   "--cycles", "--phase",  "--halve",
              "--expand", "--scroll", "--tuning",  "--raw",    "--fs",     "--select", "--channels",
              "--frame",  "--hop",    "--seconds", "--listen", "--window", "--zoom"})
            if (name == option) return true;
        return false;
    }

    template <class E, size_t Count>
    static std::optional<UsageError> Assign(const std::array<Choice<E>, Count>& choices,
                                            const std::string& name, const std::string& value,
                                            std::optional<E>& target) {
        target = Lookup(choices, value);
        if (target) return std::nullopt;
        return Usage(QT_TRANSLATE_NOOP("CommandLine", "%1 takes %2, not %3"),
                     {name, Words(choices), Quoted(value)});
    }

    const std::vector<std::string>& arguments_;
    size_t next_ = 0;
    CliOptions options_;
};

}  // namespace

ParseResult ParseCliOptions(const std::vector<std::string>& arguments) {
    return Parser(arguments).Run();
}

}  // namespace quorbel::cli
