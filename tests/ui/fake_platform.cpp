#include "tests/ui/fake_platform.h"

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
