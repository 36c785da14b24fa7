#include "opcodes/database_files.h"

DatabaseFiles DatabaseFiles::ForCurrentDir(const std::string& cd) {
    return DatabaseFiles{
        cd + "\\INI\\SASCM.ini", cd + "\\INI\\SASCM_RUS.ini", cd + "\\INI\\TypeInfo.ini",
        "Ini\\Types.Opcodes",    "INI\\Opcodes.tree",         cd + "\\INI\\NodeInfo.ini",
        "Ini\\Nodes.Opcodes",    cd + "\\INI\\Sites.ini",
    };
}
