#pragma once
// Both windows on the crafted database, and a main list filled by the test itself, the
// way the listing fills it: rows of a caption and a translation (UTF-8 here, kept as
// Windows-1251 bytes in the rows).

#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/ui/form_fixture.h"
#include "ui/find/form_find.h"

using MainRow = std::pair<std::string, std::string>;

class SearchWindowsTest : public FormMainTest {
  protected:
    void SetUp() override;
    // Empties the main list and fills it with the rows; no row is focused afterwards.
    void FillMainList(const std::vector<MainRow>& rows);
    // Shows the window and waits until it has the focus.
    static void ShowActive(QWidget* window);

    std::unique_ptr<TFormMain> formMain;
    std::unique_ptr<TFormFind> formFind; // destroyed first: it refers to the main window

  private:
    std::deque<std::string> bytes_; // the bytes the main list's rows point at
};

// The rows every search test works on, in this order.
const std::vector<MainRow>& SampleRows();
