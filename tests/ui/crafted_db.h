#pragma once
// A small database laid out in a test folder, one text per data file (UTF-8 here, written
// as Windows-1251 with CR LF line ends). A file set to nothing is left out.

#include <optional>
#include <string>

class TempDir;

struct CraftedDb {
    std::optional<std::string> opcodes = "[OPCODES]\n0001=1,wait %1d% ms\n0002=1,jump %1p%\n"
                                         "00A1=4,put_actor %1d% at %2d% %3d% %4d%\n";
    std::optional<std::string> translation = "[OPCODES]\n0001=1,ждать %1d% мс\n";
    std::optional<std::string> typeInfo = "[T1]\nCaption=Действия\nShortCaption=Д\nOpcodes=1\n"
                                          "[T2]\nCaption=Проверки\nShortCaption=П\nOpcodes=2\n";
    std::optional<std::string> typeLines = "0001 0002\n00A1\n";
    std::optional<std::string> tree = "Все\n\tИгрок\n\tАктёры\n\t\tПроверки\nCleo\n";
    std::optional<std::string> nodeInfo = "[Все]\nCaption=Все опкоды\nOpcodes=1\nNote=Всё сразу\n"
                                          "[Игрок]\nCaption=Игрок\nOpcodes=2\nExpanded=true\n"
                                          "[Актёры]\nCaption=Актёры\nOpcodes=3\nExpanded=1\n"
                                          "[Проверки]\nCaption=Проверки актёров\n"
                                          "[Cleo]\nCaption=Cleo-опкоды\n";
    std::optional<std::string> nodeLines = "0001 0002 00A1 0AF0\n0001\n00A1 0002\n";

    void WriteTo(const TempDir& dir) const;
};
