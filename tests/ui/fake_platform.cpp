#include "tests/ui/fake_platform.h"

#include "opcodes/errors.h"

void FakeMessageBoxes::Error(const QString& text) {
    errors.append(text);
    if (whileOpen)
        whileOpen();
}

void FakeMessageBoxes::Warning(const QString& text) {
    warnings.append(text);
    if (whileOpen)
        whileOpen();
}

StartResult FakeProcessStarter::Start(const QString& program, bool minimised) {
    calls.push_back({program, minimised});
    return result;
}

void FakeClipboard::SetText(std::string_view bytes) {
    if (!available)
        throw EOSError(kClipboardUnavailableMessage);
    text = bytes;
    ++writes;
}

void FakeClipboard::AddText(std::string_view bytes) {
    if (!available)
        throw EOSError(kClipboardUnavailableMessage);
    text += bytes;
    ++writes;
}
