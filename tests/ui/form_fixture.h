#pragma once
// A main window opened on a crafted database in a fresh current directory, with the
// recording platform.

#include <gtest/gtest.h>

#include <QStringList>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"
#include "tests/ui/crafted_db.h"
#include "tests/ui/fake_platform.h"
#include "ui/main/form_main.h"

#include <ostream>

class QListWidget;
class QTreeWidget;

class FormMainTest : public ::testing::Test {
  protected:
    // Writes the database (when given), enters the folder and creates the window.
    std::unique_ptr<TFormMain> Open(const std::optional<CraftedDb>& db = CraftedDb{});
    std::string Log() const { return dir.Read("errors.log"); }

    TempDir dir;
    FakePlatform fake;
    std::optional<CurrentDirScope> cd;
};

// Readable failures for Qt strings.
void PrintTo(const QString& text, std::ostream* out);

// The tree as lines: a tab per level, the text, and " +" for an expanded node.
QStringList Outline(const QTreeWidget* tree);
// An opcode list's cell, selected rows (ascending) and captions; selecting exactly rows.
QString CellText(const OpcodeListView* list, int row, int column = 0);
std::vector<int> SelectedRows(const OpcodeListView* list);
QStringList RowTexts(const OpcodeListView* list);
void SelectRows(OpcodeListView* list, const std::vector<int>& rows);
// The type list as lines: "[x] " or "[ ] " and the text.
QStringList CheckItems(const QListWidget* list);
// The error box's text for an error of that message and class.
QString BoxText(const QString& message, const QString& className);
// The log record's pattern for that class and message (the end mark as in the log).
std::string RecordPattern(const std::string& className, const std::string& loggedMessage);
