#include "CliNmr.h"

#include <QGuiApplication>
#include <bit>
#include <cmath>
#include <optional>
#include <ostream>

#include "CliRun.h"
#include "nmr/AutoPhase.h"
#include "nmr/NmrGraph.h"
#include "nmr/NmrOpen.h"
#include "nmr/NmrPeaks.h"
#include "platform/FileNames.h"
#include "platform/Translation.h"
#include "state/NumberText.h"
#include "surface/PictureFile.h"

namespace quorbel::cli {

namespace {

struct NmrOptions {
    std::string path;
    std::string target;  // csv, peaks, or a picture file
    std::optional<double> lb, gb, si, phc0, phc1;
    bool autoPhase = false;
    bool worksheet = false;
};

int Fail(std::ostream& err, const std::string& text, int status) {
    std::string line = text;
    for (char& c : line)
        if (c == '\n' || c == '\r') c = ' ';
    err << "fftquorbel-cli: " << line << '\n';
    return status;
}

// The options; a usage message when the words do not make a command.
std::optional<std::string> Parse(const std::vector<std::string>& words, NmrOptions& o) {
    const std::pair<const char*, std::optional<double> NmrOptions::*> numbers[] = {
        {"--lb", &NmrOptions::lb},     {"--gb", &NmrOptions::gb},     {"--si", &NmrOptions::si},
        {"--phc0", &NmrOptions::phc0}, {"--phc1", &NmrOptions::phc1},
    };
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w == "--auto-phase") {
            o.autoPhase = true;
            continue;
        }
        if (w == "--worksheet") {
            o.worksheet = true;
            continue;
        }
        bool matched = false;
        for (const auto& [name, field] : numbers) {
            if (w != name) continue;
            matched = true;
            const std::optional<double> value =
                i + 1 < words.size() ? ParseNumber(words[i + 1]) : std::nullopt;
            if (!value || !std::isfinite(*value))
                return FillIn(Translate("CommandLine", "%1 needs a number"), {w});
            o.*field = *value;
            ++i;
        }
        if (matched) continue;
        if (w.rfind("--", 0) == 0)
            return FillIn(Translate("CommandLine", "nmr does not take %1"), {w});
        if (o.path.empty())
            o.path = w;
        else if (o.target.empty())
            o.target = w;
        else
            return Translate("CommandLine", "nmr takes one data path and one output");
    }
    if (o.path.empty() || o.target.empty())
        return Translate("CommandLine",
                         "nmr needs the data (folder or JCAMP-DX file) and csv, peaks or a "
                         "picture file (.png, .svg, .pdf)");
    return std::nullopt;
}

// The stored processing with the options' changes; a message when they do not fit.
std::optional<std::string> Apply(const NmrOptions& o, nmr::Processing& p) {
    if (o.lb) {
        p.lb = *o.lb;
        p.window = o.gb ? nmr::Window::gaussian : nmr::Window::exponential;
    }
    if (o.gb) {
        p.gb = *o.gb;
        p.window = nmr::Window::gaussian;
    }
    if (o.si) {
        if (!(*o.si >= 16 && *o.si <= nmr::kMaxSpectrumSize) ||
            !std::has_single_bit(static_cast<unsigned>(*o.si)) || *o.si != std::floor(*o.si))
            return Translate("CommandLine", "--si needs a power of two from 16 to 4194304");
        p.size = static_cast<int>(*o.si);
    }
    if (o.phc0) p.phc0 = *o.phc0;
    if (o.phc1) p.phc1 = *o.phc1;
    return nmr::ProcessingError(p);
}

void WriteCsv(const nmr::Spectrum& s, std::ostream& out) {
    out << "ppm,real,imaginary\n";
    for (int k = 0; k < s.Size(); ++k) {
        const std::complex<double>& v = s.points[static_cast<std::size_t>(k)];
        out << NumberText(s.Ppm(k)) << ',' << NumberText(v.real()) << ',' << NumberText(v.imag())
            << '\n';
    }
}

void WritePeaks(const nmr::Spectrum& s, std::ostream& out) {
    out << "ppm,Hz,height\n";
    for (const nmr::Peak& peak : nmr::PickPeaks(s))
        out << NumberText(peak.ppm) << ',' << NumberText(peak.hz) << ',' << NumberText(peak.height)
            << '\n';
}

int WritePicture(const NmrOptions& o, const nmr::Spectrum& s, PictureFormat format,
                 std::ostream& err) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return Fail(err, Translate("CommandLine", "no QGuiApplication: the graphs cannot be drawn"),
                    kExitUsage);
    const nmr::SpectrumView view = nmr::WholeView(s);
    PictureRequest request;
    request.path = o.target;
    request.format = format;
    if (o.worksheet) {
        const WorksheetPicture sheet =
            nmr::SpectrumWorksheet(s, view, std::filesystem::path(o.path).filename().string());
        request.widthTwips = WorksheetWidth(sheet);
        request.heightTwips = WorksheetHeight(sheet);
        request.draw = [sheet](Surface& surface) { DrawWorksheet(surface, sheet); };
    } else {
        request.widthTwips = 9000;
        request.heightTwips = 4500 + nmr::kAxisBand;
        request.draw = [&s, view](Surface& surface) { nmr::DrawSpectrum(surface, s, view); };
    }
    std::string error;
    if (!WritePictureFile(request, &error)) return Fail(err, error, kExitMessage);
    return kExitOk;
}

}  // namespace

int RunNmr(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    NmrOptions o;
    if (const std::optional<std::string> usage = Parse(arguments, o))
        return Fail(err, *usage, kExitUsage);
    const std::optional<PictureFormat> format = PictureFormatOf(o.target);
    if (!format && o.target != "csv" && o.target != "peaks")
        return Fail(err,
                    Translate("CommandLine", "nmr writes csv, peaks or a .png, .svg or .pdf file"),
                    kExitUsage);
    const nmr::FidRead read = nmr::ReadNmrData(o.path);
    if (!read.fid) return Fail(err, read.error, kExitMessage);
    nmr::Processing p = read.fid->stored;
    if (const std::optional<std::string> why = Apply(o, p)) return Fail(err, *why, kExitUsage);
    if (o.autoPhase) {
        const nmr::Phases phases = nmr::AutoPhase(*read.fid, p);
        p.phc0 = phases.phc0;
        p.phc1 = phases.phc1;
    }
    const nmr::Spectrum spectrum = nmr::Process(*read.fid, p);
    if (format) return WritePicture(o, spectrum, *format, err);
    if (o.target == "csv")
        WriteCsv(spectrum, out);
    else
        WritePeaks(spectrum, out);
    out.flush();
    return out ? kExitOk : kExitMessage;
}

}  // namespace quorbel::cli
