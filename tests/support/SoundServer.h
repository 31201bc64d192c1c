#pragma once
// The tests' own sound server (tests/support/pulse-server.sh, started by the test run):
// what is played on its default output can be recorded again from the output's monitor
// with `parec`, and a sound played into the output with `paplay` is heard on its
// default input. Plain C++ and POSIX, so that tests with and without Qt can use it.
#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <numbers>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace quorbel::testing {

// The names the server script gives its null sink (the default output) and the
// source remapped from the sink's monitor (the default input).
inline constexpr const char* kTestSink = "quorbel_out";
inline constexpr const char* kTestSinkMonitor = "quorbel_out.monitor";
inline constexpr const char* kTestSource = "quorbel_in";

// The address of the server the test run started (PULSE_SERVER), or nothing when the
// test was started without it (run it through ctest, or start the script by hand).
inline std::optional<std::string> SoundServerAddress() {
    const char* server = std::getenv("PULSE_SERVER");
    if (!server || !*server) return std::nullopt;
    return std::string(server);
}

// The test server stopped (SIGSTOP) while this lives, then let go on again: it keeps
// its clients' connections and answers none of them, as a server that hangs does.
class FrozenServer {
  public:
    FrozenServer() {
        const std::optional<std::string> address = SoundServerAddress();
        const std::string prefix = "unix:";
        if (!address || address->rfind(prefix, 0) != 0) return;
        const std::filesystem::path socket = address->substr(prefix.size());
        std::ifstream in(socket.parent_path() / "pid");
        if (in >> pid_ && pid_ > 0 && ::kill(pid_, SIGSTOP) != 0) pid_ = -1;
    }
    FrozenServer(const FrozenServer&) = delete;
    FrozenServer& operator=(const FrozenServer&) = delete;
    ~FrozenServer() {
        if (pid_ > 0) ::kill(pid_, SIGCONT);
    }
    bool Frozen() const { return pid_ > 0; }

  private:
    pid_t pid_ = -1;
};

// A Unix socket that takes connections and never answers on them: a sound server that
// hangs from the start, for PULSE_SERVER=unix:Path().
class DeafSocket {
  public:
    explicit DeafSocket(const std::filesystem::path& path) : path_(path) {
        fd_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path.string().copy(address.sun_path, sizeof address.sun_path - 1);
        if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(fd_, 16) != 0) {
            if (fd_ >= 0) ::close(fd_);
            fd_ = -1;
        }
    }
    DeafSocket(const DeafSocket&) = delete;
    DeafSocket& operator=(const DeafSocket&) = delete;
    ~DeafSocket() {
        if (fd_ >= 0) ::close(fd_);
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    bool Listening() const { return fd_ >= 0; }
    std::string Address() const { return "unix:" + path_.string(); }

  private:
    std::filesystem::path path_;
    int fd_ = -1;
};

// A folder of its own in the temporary folder for a test's sound files, removed with
// everything in it when the test ends.
class SoundFolder {
  public:
    SoundFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quorbel-sound-XXXXXX").string();
        if (::mkdtemp(pattern.data())) path = pattern;
    }
    SoundFolder(const SoundFolder&) = delete;
    SoundFolder& operator=(const SoundFolder&) = delete;
    ~SoundFolder() {
        std::error_code ignored;
        if (!path.empty()) std::filesystem::remove_all(path, ignored);
    }
    std::filesystem::path path;
};

// A child process running `arguments` (searched on PATH), its standard output read into
// `output` by a thread of its own when `captureOutput` is set.
class ChildProcess {
  public:
    explicit ChildProcess(const std::vector<std::string>& arguments, bool captureOutput = false) {
        int pipeEnds[2] = {-1, -1};
        if (captureOutput && ::pipe(pipeEnds) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            if (captureOutput) {
                ::dup2(pipeEnds[1], STDOUT_FILENO);
                ::close(pipeEnds[0]);
                ::close(pipeEnds[1]);
            } else {
                const int devNull = ::open("/dev/null", O_WRONLY);
                if (devNull >= 0) ::dup2(devNull, STDOUT_FILENO);
            }
            std::vector<char*> argv;
            for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            ::execvp(argv[0], argv.data());
            ::_exit(127);
        }
        if (!captureOutput) return;
        ::close(pipeEnds[1]);
        if (pid_ < 0) {
            ::close(pipeEnds[0]);
            return;
        }
        reader_ = std::thread([this, fd = pipeEnds[0]] {
            char buffer[8192];
            for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) != 0;) {
                if (n < 0) break;
                const std::lock_guard lock(mutex_);
                output_.append(buffer, static_cast<size_t>(n));
            }
            ::close(fd);
        });
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess() {
        Stop();
        Wait();
    }

    bool Started() const { return pid_ > 0; }
    // Ends the child (SIGTERM); its output read so far stays.
    void Stop() {
        if (pid_ > 0 && !exited_) ::kill(pid_, SIGTERM);
    }
    // Waits for the child's end and the last of its output; its exit status, or -1.
    int Wait() {
        if (pid_ > 0 && !exited_) {
            int status = 0;
            ::waitpid(pid_, &status, 0);
            exited_ = true;
            status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        if (reader_.joinable()) reader_.join();
        return status_;
    }
    std::string Output() {
        const std::lock_guard lock(mutex_);
        return output_;
    }

  private:
    pid_t pid_ = -1;
    bool exited_ = false;
    int status_ = -1;
    std::thread reader_;
    std::mutex mutex_;
    std::string output_;
};

// Records a source of the test server (by default the default output's monitor:
// everything any program plays meanwhile) as 16-bit mono at `rate` hertz, from its
// construction until Stop().
class MonitorRecording {
  public:
    explicit MonitorRecording(int rate = 44100, const std::string& source = kTestSinkMonitor)
        : rate_(rate),
          parec_({"parec", "--device=" + source, "--raw", "--format=s16le", "--channels=1",
                  "--rate=" + std::to_string(rate), "--latency-msec=20"},
                 true) {}
    bool Started() const { return parec_.Started(); }
    int Rate() const { return rate_; }
    // The samples recorded so far, scaled to -1..1.
    std::vector<double> Samples() { return Decode(parec_.Output()); }
    // Waits (up to `seconds`) until the server has sent the first samples, so that what
    // is played from now on is recorded whole; false when nothing came.
    bool WaitUntilRecording(double seconds = 5) {
        for (int i = 0; i < static_cast<int>(seconds * 100); ++i) {
            if (!parec_.Output().empty()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
    // Ends the recording and returns all of it, scaled to -1..1.
    std::vector<double> Stop() {
        parec_.Stop();
        parec_.Wait();
        return Decode(parec_.Output());
    }

  private:
    static std::vector<double> Decode(const std::string& bytes) {
        std::vector<double> samples(bytes.size() / 2);
        for (size_t i = 0; i < samples.size(); ++i) {
            const auto low = static_cast<uint8_t>(bytes[2 * i]);
            const auto high = static_cast<uint8_t>(bytes[2 * i + 1]);
            samples[i] = static_cast<int16_t>(static_cast<uint16_t>(low | (high << 8))) / 32768.0;
        }
        return samples;
    }
    int rate_;
    ChildProcess parec_;
};

// Plays a sound file into the default output (so the default input hears it); Wait()
// returns paplay's exit status once the file has been played. A file of bare 16-bit
// mono samples is played at `rawRate` hertz when that is given.
class SinkPlayback {
  public:
    explicit SinkPlayback(const std::string& soundFile, int rawRate = 0)
        : paplay_(Arguments(soundFile, rawRate)) {}
    bool Started() const { return paplay_.Started(); }
    int Wait() { return paplay_.Wait(); }

  private:
    static std::vector<std::string> Arguments(const std::string& soundFile, int rawRate) {
        std::vector<std::string> arguments = {"paplay", std::string("--device=") + kTestSink};
        if (rawRate > 0) {
            arguments.insert(arguments.end(), {"--raw", "--format=s16le", "--channels=1",
                                               "--rate=" + std::to_string(rawRate)});
        }
        arguments.push_back(soundFile);
        return arguments;
    }
    ChildProcess paplay_;
};

// The amplitude of the tone of `frequency` hertz in `samples` (Goertzel's single-bin
// transform over the whole stretch, windowed with a Hann window so that a tone between
// bins and its neighbours leak little): a sine of amplitude A gives about A.
inline double ToneAmplitude(const std::vector<double>& samples, int rate, double frequency) {
    const size_t n = samples.size();
    if (n < 2) return 0;
    const double w = 2 * std::numbers::pi * frequency / rate;
    double re = 0, im = 0, windowSum = 0;
    for (size_t i = 0; i < n; ++i) {
        const double hann =
            0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(i) / (n - 1));
        re += hann * samples[i] * std::cos(w * static_cast<double>(i));
        im -= hann * samples[i] * std::sin(w * static_cast<double>(i));
        windowSum += hann;
    }
    return 2 * std::hypot(re, im) / windowSum;
}

// The stretch of `samples` between the first and the last sample louder than
// `threshold`: the played sound without the silence the recording began and ended with.
inline std::vector<double> AudiblePart(const std::vector<double>& samples,
                                       double threshold = 0.01) {
    size_t first = 0, last = samples.size();
    while (first < last && std::abs(samples[first]) < threshold) ++first;
    while (last > first && std::abs(samples[last - 1]) < threshold) --last;
    return {samples.begin() + static_cast<std::ptrdiff_t>(first),
            samples.begin() + static_cast<std::ptrdiff_t>(last)};
}

}  // namespace quorbel::testing
