// The sound module: cues played through QSoundEffect, which loads a PCM wave in under a millisecond,
// never blocks and is silent without an audio device.

#include <QSoundEffect>
#include <QUrl>
#include <memory>

#include "ui/cues/cue_output.h"

namespace {

class SoundEffectOutput : public liorna::CueOutput {
public:
    void play(const QString& path) override
    {
        // Closing the previous effect cuts off the cue still sounding.
        effect_.reset();
        effect_ = std::make_unique<QSoundEffect>();
        effect_->setSource(QUrl::fromLocalFile(path));
        effect_->play();
    }

    void stop() override { effect_.reset(); }

private:
    std::unique_ptr<QSoundEffect> effect_;
};

} // namespace

extern "C" __attribute__((visibility("default"))) liorna::CueOutput* liorna_cue_output()
{
    return new SoundEffectOutput;
}
