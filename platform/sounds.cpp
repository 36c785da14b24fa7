#include "platform/sounds.h"

#include <QApplication>
#include <canberra.h>
#include <dlfcn.h>

namespace {

// ALSA reports every failure on standard error, a dozen lines per sound on a machine
// without a sound card; the failure itself reaches us as the play's result. Its handler
// is set through the library libcanberra loads, without linking ALSA for it.
void QuietAlsaError(const char*, int, const char*, int, const char*, ...) {}

void QuietAlsa() {
    void* alsa = ::dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL);
    if (alsa == nullptr)
        return;
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    if (auto set = reinterpret_cast<SetHandler>(::dlsym(alsa, "snd_lib_error_set_handler")))
        set(&QuietAlsaError);
    // The library stays loaded, and with it the handler, for the program's lifetime.
}

class Canberra : public EventSounds {
  public:
    ~Canberra() override {
        if (context_ != nullptr)
            ca_context_destroy(context_);
    }

    bool PlayEvent(const char* eventId) override {
        if (context_ == nullptr && !Open())
            return false;
        return ca_context_play(context_, 0, CA_PROP_EVENT_ID, eventId, nullptr) == CA_SUCCESS;
    }

  private:
    bool Open() {
        QuietAlsa();
        if (ca_context_create(&context_) != CA_SUCCESS) {
            context_ = nullptr;
            return false;
        }
        ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "KLV", nullptr);
        return true;
    }

    ca_context* context_ = nullptr;
};

} // namespace

const char* SoundEventId(SystemSound sound) {
    switch (sound) {
    case SystemSound::Information:
        return "dialog-information";
    case SystemSound::CriticalStop:
        return "dialog-error";
    case SystemSound::Default:
        break;
    }
    return "bell";
}

std::unique_ptr<EventSounds> CanberraEventSounds() {
    return std::make_unique<Canberra>();
}

DesktopSounds::DesktopSounds() : DesktopSounds(CanberraEventSounds(), &QApplication::beep) {}

DesktopSounds::DesktopSounds(std::unique_ptr<EventSounds> events, std::function<void()> bell)
    : events_(std::move(events)), bell_(std::move(bell)) {}

DesktopSounds::~DesktopSounds() = default;

void DesktopSounds::Play(SystemSound sound) {
    if (!events_->PlayEvent(SoundEventId(sound)))
        bell_();
}
