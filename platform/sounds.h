#pragma once
// The system sounds that go with the program's messages.

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

// The desktop offers one bell for all three.
class QtSounds : public Sounds {
  public:
    void Play(SystemSound sound) override;
};
