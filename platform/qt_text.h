#pragma once
// The one crossing between the program's Windows-1251 bytes and Qt's Unicode strings.

#include <QString>
#include <string>
#include <string_view>

QString FromCp1251(std::string_view bytes);
// Characters that Windows-1251 cannot hold become "?".
std::string ToCp1251(const QString& text);
