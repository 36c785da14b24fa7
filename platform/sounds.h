#pragma once
// The system sounds that go with the program's messages.

#include <functional>
#include <memory>

enum class SystemSound {
    Default,      // the plain beep
    Information,  // the asterisk, before a warning box
    CriticalStop, // the hand, before an error box
};

class Sounds {
  public:
    virtual ~Sounds() = default;
    virtual void Play(SystemSound sound) = 0;
};

// The sound theme's event of each sound: "bell", "dialog-information", "dialog-error".
const char* SoundEventId(SystemSound sound);

// Plays events of the desktop's sound theme.
class EventSounds {
  public:
    virtual ~EventSounds() = default;
    // False when the event could not be played: no sound card or sound server, no such
    // event in the theme, event sounds switched off.
    virtual bool PlayEvent(const char* eventId) = 0;
};

// The theme's events through libcanberra. Nothing is opened before the first sound, so
// a program that never sounds pays nothing at start-up.
std::unique_ptr<EventSounds> CanberraEventSounds();

// The desktop's event sounds, and the X bell (QApplication::beep) for a sound that
// cannot be played that way.
class DesktopSounds : public Sounds {
  public:
    DesktopSounds();
    DesktopSounds(std::unique_ptr<EventSounds> events, std::function<void()> bell);
    ~DesktopSounds() override;
    void Play(SystemSound sound) override;

  private:
    std::unique_ptr<EventSounds> events_;
    std::function<void()> bell_;
};
