#pragma once
// Both windows on the crafted database, the main list filled by the test itself the way
// the listing fills it (rows of a caption and a translation, UTF-8 here, Windows-1251
// bytes in the rows), and the main window's controls reached by their names.

#include <QAction>
#include <QTest>
#include <deque>
#include <stdexcept>

#include "opcodes/cp1251.h"
#include "tests/ui/form_fixture.h"
#include "ui/find/form_find.h"

// The window's child of that type and name; a missing one fails the test.
template <class T = QAction> T* Child(const QObject* window, const char* name) {
    if (T* child = window->findChild<T*>(QString::fromLatin1(name)))
        return child;
    throw std::logic_error(std::string("no child named ") + name);
}

// The rows the main list starts with: caption and translation; row 3 has no translation.
inline const std::vector<std::pair<std::string, std::string>> kSampleRows = {
    {"0001: wait %1d% ms", "ждать"}, {"0002: jump %1p%", "прыжок"},
    {"00A1: put_actor %1d% at %2d% %3d%", "поставить актёра"}, {"00A5: actor_WAITING %1d%", ""},
    {"0A8C: Ждать актёра %1d%", "ждать актёра"}, {"0AF0: ждать машину", "ждать машину"}};

class SearchWindowsTest : public FormMainTest {
  protected:
    void SetUp() override {
        formMain = Open();
        formFind = std::make_unique<TFormFind>(*formMain, fake.Services());
        FillMainList(kSampleRows);
    }
    // Replaces the main list's rows; no row is focused afterwards.
    void FillMainList(const decltype(kSampleRows)& rows) {
        std::vector<OpcodeRowModel::Row> viewed;
        for (const auto& [caption, translation] : rows)
            viewed.push_back({bytes_.emplace_back(Utf8ToCp1251(caption)),
                              bytes_.emplace_back(Utf8ToCp1251(translation))});
        MainList()->Rows()->SetRows(std::move(viewed));
    }
    OpcodeListView* MainList() const { return Child<OpcodeListView>(formMain.get(), "OpListView"); }
    void Trigger(const char* item) const { Child(formMain.get(), item)->trigger(); }

    std::deque<std::string> bytes_; // the bytes the main list's rows point at
    std::unique_ptr<TFormMain> formMain;
    std::unique_ptr<TFormFind> formFind; // destroyed first: it refers to the main window
};
