#pragma once
// The names under which the program opens its data files, Windows-style, as it always
// has: some built on the current directory, some relative to it.

#include <string>

struct DatabaseFiles {
    std::string Opcodes;     // cd + "\INI\SASCM.ini"
    std::string Translation; // cd + "\INI\SASCM_RUS.ini"
    std::string TypeInfo;    // cd + "\INI\TypeInfo.ini"
    std::string TypeLines;   // "Ini\Types.Opcodes"
    std::string Tree;        // "INI\Opcodes.tree"
    std::string NodeInfo;    // cd + "\INI\NodeInfo.ini"
    std::string NodeLines;   // "Ini\Nodes.Opcodes"
    std::string Sites;       // cd + "\INI\Sites.ini", optional: the web look-up's sites

    // The names for a given current directory (as CurrentDir() reports it).
    static DatabaseFiles ForCurrentDir(const std::string& cd);
};
