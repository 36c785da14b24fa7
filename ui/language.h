#pragma once
// The interface language. The windows are written in Russian; English comes from the
// program's own translation, and under the Russian interface Qt's dialogs and boxes speak
// Russian through Qt's translation, where it is installed.

class QCoreApplication;

// Follows the first of the user's interface languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
// that the program speaks: Russian or English. The C locale and every other language get
// the Russian interface.
void InstallTranslations(QCoreApplication& app);
