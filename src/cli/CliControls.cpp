#include "CliControls.h"

#include <algorithm>
#include <ostream>

#include "CliRun.h"
#include "platform/Translation.h"
#include "state/QuotedText.h"

namespace quorbel::cli {

namespace {

std::string Escaped(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '\n')
            escaped += "\\n";
        else if (c == '\t')
            escaped += "\\t";
        else if (c != '\r')
            escaped += c;
    }
    return escaped;
}

}  // namespace

std::string ControlLine(const ControlIndexEntry& entry) {
    std::string line = entry.window + '\t' + entry.control + '\t' + entry.kind + '\t' +
                       Escaped(entry.caption) + '\t';
    for (size_t i = 0; i < entry.handlers.size(); ++i)
        line += (i ? " " : "") + entry.handlers[i].first + "=" + entry.handlers[i].second;
    return line;
}

int PrintControls(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.size() > 1) {
        err << "fftquorbel-cli: "
            << Translate("CommandLine", "controls takes at most one window name") << '\n';
        return kExitUsage;
    }
    const std::vector<ControlIndexEntry> index = ControlIndex();
    const bool known = arguments.empty() ||
                       std::any_of(index.begin(), index.end(),
                                   [&](const auto& entry) { return entry.window == arguments[0]; });
    if (!known) {
        std::string windows;
        for (const ControlIndexEntry& entry : index)
            if (entry.kind == "Window") windows += (windows.empty() ? "" : ", ") + entry.window;
        err << "fftquorbel-cli: "
            << FillIn(Translate("CommandLine", "no window named %1 (one of %2)"),
                      {QuotedText(arguments[0]), windows})
            << '\n';
        return kExitUsage;
    }
    for (const ControlIndexEntry& entry : index)
        if (arguments.empty() || entry.window == arguments[0]) out << ControlLine(entry) << '\n';
    out.flush();
    return kExitOk;
}

}  // namespace quorbel::cli
