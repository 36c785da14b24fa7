#pragma once
// A full-size synthetic database: all 2801 opcodes in both INI files, 256 types, about
// 300 categories (some with lines of 2800 numbers). Deterministic, Windows-1251, CR LF.

#include <filesystem>

struct SyntheticDbOptions {
    int categories = 300;
    int types = 256;
    // Extra sections of filler keys in SASCM.ini and SASCM_RUS.ini, each as large as the
    // opcodes section: 1 doubles the files' size.
    int fillerSections = 0;
    // What a data author's slip can make grow, each on top of the database above: top-level
    // lines of 14 bytes whose keys name no section ("key_00000001"); a chain of nodes below
    // the first one, each a level deeper than the one before; NodeInfo.ini sections and
    // lines of both line files that nothing names; characters added to every opcode's text
    // in both INI files; Sites.ini sections that are no site (the file is written only
    // then, with the three sites first).
    int extraRoots = 0;
    int chainDepth = 0;
    int extraNodeSections = 0;
    int extraLines = 0;
    int textLength = 0;
    int extraSiteSections = 0;
};

// Writes INI/ with the seven data files into `dir` (created when missing).
void WriteSyntheticDatabase(const std::filesystem::path& dir,
                            const SyntheticDbOptions& options = {});

// A synthetic database in a fresh folder, made the current directory while it lives.
class SyntheticFolder {
  public:
    explicit SyntheticFolder(const SyntheticDbOptions& options = {});
    ~SyntheticFolder();
    SyntheticFolder(const SyntheticFolder&) = delete;
    SyntheticFolder& operator=(const SyntheticFolder&) = delete;

  private:
    std::filesystem::path dir_, previous_;
};
