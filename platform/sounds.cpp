#include "platform/sounds.h"

#include <QApplication>

void QtSounds::Play(SystemSound) {
    QApplication::beep();
}
