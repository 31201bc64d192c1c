// The media module's one object (MediaModule.h).
#include "MediaParts.h"
#include "audio/QtSoundInput.h"
#include "audio/QtSoundOutput.h"
#include "audio/SoundServerProbe.h"

namespace quorbel {

namespace {

class Module : public MediaModule {
  public:
    std::unique_ptr<PlayerOutput> MakeSoundOutput() override {
        return std::make_unique<QtSoundOutput>();
    }
    std::unique_ptr<SoundInput> MakeSoundInput() override {
        return std::make_unique<QtSoundInput>();
    }
    std::unique_ptr<PrinterChoice> MakePrinter() override { return SystemPrinter(); }
    bool WriteSvg(const PictureRequest& request, QIODevice& output) override {
        return WriteSvgPicture(request, output);
    }
    QPixmap ProgramPicture(QSize size, qreal devicePixelRatio) override {
        return quorbel::ProgramPicture(size, devicePixelRatio);
    }
    void AskSoundServer(QObject* context, std::function<void()> answered,
                        std::chrono::milliseconds deadline) override {
        AskSoundServerLater(context, std::move(answered), deadline);
    }
};

}  // namespace

}  // namespace quorbel

extern "C" __attribute__((visibility("default"))) quorbel::MediaModule* quorbel_media_module() {
    static quorbel::Module module;
    return &module;
}
