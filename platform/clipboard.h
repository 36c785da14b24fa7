#pragma once
// The desktop clipboard as plain text in the program's code page. The desktop holds
// Unicode, so the program's Windows-1251 bytes are converted on the way in; the
// characters themselves and their CR LF line ends pass unchanged. Text that the
// clipboard already holds is never taken through the code page.

#include <string_view>

// The message of the error raised when the clipboard cannot be used.
inline constexpr char kClipboardUnavailableMessage[] = "Cannot open clipboard";

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // Replaces the clipboard's whole content by the text. Throws EOSError when the
    // clipboard cannot be opened or does not take the text.
    virtual void SetText(std::string_view bytes) = 0;
    // Puts the text after the clipboard's current text ("" when it holds none), which
    // stays exactly as it was, characters that Windows-1251 lacks included. Throws as
    // SetText does.
    virtual void AddText(std::string_view bytes) = 0;
};

// The application's clipboard (QGuiApplication::clipboard()).
class QtClipboard : public Clipboard {
  public:
    void SetText(std::string_view bytes) override;
    void AddText(std::string_view bytes) override;
};
