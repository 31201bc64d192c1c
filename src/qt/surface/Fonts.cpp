#include "Fonts.h"

#include <QFontDatabase>
#include <QStringDecoder>
#include <QStringList>
#include <map>
#include <mutex>

namespace quorbel {

namespace {

constexpr const char* kTimes = "Times New Roman";

}  // namespace

void RegisterFontSubstitutions() {
    static std::once_flag once;
    std::call_once(once, [] {
        const QStringList sans = {"Liberation Sans", "DejaVu Sans", "FreeSans", "sans-serif"};
        const QStringList serif = {"Liberation Serif", "DejaVu Serif", "FreeSerif", "serif"};
        QFont::insertSubstitutions("MS Sans Serif", sans);
        QFont::insertSubstitutions("Arial", sans);
        QFont::insertSubstitutions(kTimes, serif);
        // Symbol text is normally drawn in the surrounding font; should a Symbol font
        // be asked for directly, the Greek letters still come from a sans face.
        QFont::insertSubstitutions("Symbol", sans);
    });
}

// The family installed for a name the program's fonts are known by: the name itself
// when installed, else its first installed substitute. Asked once a name, so that fonts
// of one face under several names share what the toolkit loads for them.
QString InstalledFamily(const std::string& name) {
    static std::mutex guard;
    static std::map<std::string, QString> installed;
    const std::lock_guard<std::mutex> lock(guard);
    if (const auto found = installed.find(name); found != installed.end()) return found->second;
    QString family = QString::fromStdString(name);
    if (!QFontDatabase::hasFamily(family))
        for (const QString& substitute : QFont::substitutes(family))
            if (QFontDatabase::hasFamily(substitute)) {
                family = substitute;
                break;
            }
    return installed.emplace(name, family).first->second;
}

QFont MakeFont(const FontState& state) {
    RegisterFontSubstitutions();
    QFont font(InstalledFamily(state.name));
    font.setStyleHint(SameFontName(state.name, kTimes) ? QFont::Serif : QFont::SansSerif);
    if (state.size > 0) font.setPointSizeF(state.size);
    font.setBold(state.bold);
    font.setItalic(state.italic);
    return font;
}

QString ToQString(const std::string& text) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString decoded = utf8(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (!utf8.hasError()) return decoded;
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QFont TextFontResolver::FontFor(const FontState& state) {
    if (!IsSymbolFont(state.name)) {
        lastTextFont_ = state.name;
        return MakeFont(state);
    }
    FontState surrounding = state;
    surrounding.name = lastTextFont_;
    return MakeFont(surrounding);
}

TextFontResolver::Resolved TextFontResolver::Resolve(const FontState& state,
                                                     const std::string& text) {
    QFont font = FontFor(state);
    const bool symbol = IsSymbolFont(state.name);
    return {font, ToQString(symbol ? SymbolToUnicode(text) : text)};
}

}  // namespace quorbel
