#pragma once
// The desktop clipboard as plain text in the program's code page. The desktop holds
// Unicode, so the Windows-1251 bytes are converted on the way in and on the way out;
// the characters themselves and their CR LF line ends pass unchanged.

#include <string>
#include <string_view>

// The message of the error raised when the clipboard cannot be used.
inline constexpr char kClipboardUnavailableMessage[] = "Cannot open clipboard";

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // The clipboard's text ("" when it holds none); a character that Windows-1251 cannot
    // hold becomes "?". Throws EOSError when the clipboard cannot be opened.
    virtual std::string Text() = 0;
    // Replaces the clipboard's whole content by the text. Throws EOSError when the
    // clipboard cannot be opened or does not take the text.
    virtual void SetText(std::string_view bytes) = 0;
};

// The application's clipboard (QGuiApplication::clipboard()).
class QtClipboard : public Clipboard {
  public:
    std::string Text() override;
    void SetText(std::string_view bytes) override;
};
