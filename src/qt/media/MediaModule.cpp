#include "media/MediaModule.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <optional>

#include "platform/Translation.h"

// The module's entry point, its one object, made on the first call. Defined here when
// the module's code is part of the program itself.
extern "C" quorbel::MediaModule* quorbel_media_module() __attribute__((weak));

namespace quorbel {

namespace {

// Where the module may be, first where it is installed beside the program.
QStringList ModulePlaces() {
    const QString bin = QCoreApplication::applicationDirPath();
    QStringList places{QDir(bin).filePath(QStringLiteral(QUORBEL_MEDIA_FROM_BINDIR))};
#if defined(QUORBEL_BUILD_DIR) && defined(QUORBEL_MEDIA_BUILD_PATH)
    // A program of the build tree uses the module built beside it.
    if (QDir::cleanPath(bin).startsWith(QDir::cleanPath(QStringLiteral(QUORBEL_BUILD_DIR)) + '/'))
        places << QStringLiteral(QUORBEL_MEDIA_BUILD_PATH);
#endif
    return places;
}

struct Loaded {
    MediaModule* module = nullptr;
    std::string failure;  // the loader's own words
};

Loaded Load() {
    if (quorbel_media_module) return {quorbel_media_module(), {}};
    Loaded loaded;
    for (const QString& place : ModulePlaces()) {
        if (!QFileInfo::exists(place)) continue;
        // Its calls are bound at once, so a module that does not fit the program is
        // refused here rather than ending the program at its first call. It is never
        // unloaded.
        void* library = ::dlopen(QFile::encodeName(place).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!library) {
            const char* why = ::dlerror();
            loaded.failure = why ? why : place.toStdString();
            return loaded;
        }
        using Entry = MediaModule* (*)();
        auto entry = reinterpret_cast<Entry>(::dlsym(library, "quorbel_media_module"));
        if (!entry) {
            loaded.failure = place.toStdString() + ": quorbel_media_module";
            return loaded;
        }
        loaded.module = entry();
        return loaded;
    }
    loaded.failure = ModulePlaces().join(QStringLiteral(", ")).toStdString();
    return loaded;
}

// Nobody has asked the sound server yet, but somebody will (AskSoundServerAfter).
bool serverAskPending = false;

std::string MissingModule() {
    std::string why;
    Media(&why);
    return why + ".";
}

class LaterInput : public SoundInput {
  public:
    std::optional<std::string> Unavailable() override {
        if (!real_ && serverAskPending) return std::nullopt;
        SoundInput* real = Real();
        return real ? real->Unavailable() : std::optional<std::string>(MissingModule());
    }
    int Rate() override {
        SoundInput* real = Real();
        return real ? real->Rate() : 0;
    }
    std::optional<std::vector<double>> Record(int frames, std::string* error) override {
        if (SoundInput* real = Real()) return real->Record(frames, error);
        if (error) *error = MissingModule();
        return std::nullopt;
    }
    bool Start(Take take, std::string* error) override {
        if (SoundInput* real = Real()) return real->Start(std::move(take), error);
        if (error) *error = MissingModule();
        return false;
    }
    void Stop() override {
        if (real_) real_->Stop();
    }

  private:
    SoundInput* Real() {
        if (!real_)
            if (MediaModule* media = Media()) {
                real_ = media->MakeSoundInput();
                real_->onStopped = [this](const std::string& why) {
                    if (onStopped) onStopped(why);
                };
            }
        return real_.get();
    }
    std::unique_ptr<SoundInput> real_;
};

class LaterOutput : public SoundOutput {
  public:
    std::optional<std::string> Unavailable() override {
        if (!real_ && serverAskPending) return std::nullopt;
        SoundOutput* real = Real();
        return real ? real->Unavailable() : std::optional<std::string>(MissingModule());
    }
    int DeviceRate() override {
        SoundOutput* real = Real();
        return real ? real->DeviceRate() : kSoundRate;
    }
    bool Play(const Sound& sound, std::string* error) override {
        if (SoundOutput* real = Real()) return real->Play(sound, error);
        if (error) *error = MissingModule();
        return false;
    }

  private:
    SoundOutput* Real() {
        if (!real_)
            if (MediaModule* media = Media()) {
                real_ = media->MakeSoundOutput();
                real_->onCut = [this](const std::string& why) {
                    if (onCut) onCut(why);
                };
            }
        return real_.get();
    }
    std::unique_ptr<SoundOutput> real_;
};

}  // namespace

MediaModule* Media(std::string* why) {
    static const Loaded loaded = Load();
    if (!loaded.module && why)
        *why = FillIn(Translate("Messages",
                                "The program's sound, printing and SVG module cannot "
                                "be loaded (%1)"),
                      {loaded.failure});
    return loaded.module;
}

void AskSoundServerAfter(QObject* context, std::function<void()> answered,
                         std::chrono::milliseconds deadline, std::chrono::milliseconds after) {
    serverAskPending = true;
    QTimer::singleShot(after, context, [context, answered = std::move(answered), deadline] {
        serverAskPending = false;
        if (MediaModule* media = Media())
            media->AskSoundServer(context, answered, deadline);
        else
            answered();  // the input and output now say why there is no sound
    });
}

std::unique_ptr<SoundInput> LaterSoundInput() {
    return std::make_unique<LaterInput>();
}

std::unique_ptr<SoundOutput> LaterSoundOutput() {
    return std::make_unique<LaterOutput>();
}

}  // namespace quorbel
