#include "tests/ui/search_fixture.h"

#include <QTest>

#include "opcodes/cp1251.h"

void SearchWindowsTest::SetUp() {
    formMain = Open();
    formFind = std::make_unique<TFormFind>(*formMain, fake.Services());
}

void SearchWindowsTest::FillMainList(const std::vector<MainRow>& rows) {
    OpcodeListView* list = formMain->OpList();
    bytes_.clear();
    std::vector<OpcodeRowModel::Row> viewed;
    for (const auto& [caption, translation] : rows) {
        bytes_.push_back(Utf8ToCp1251(caption));
        bytes_.push_back(Utf8ToCp1251(translation));
        viewed.push_back({bytes_[bytes_.size() - 2], bytes_.back()});
    }
    list->Rows()->SetRows(std::move(viewed));
    ASSERT_FALSE(list->currentIndex().isValid());
}

void SearchWindowsTest::ShowActive(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

const std::vector<MainRow>& SampleRows() {
    static const std::vector<MainRow> rows = {
        {"0001: wait %1d% ms", "ждать"},
        {"0002: jump %1p%", "прыжок"},
        {"00A1: put_actor %1d% at %2d% %3d%", "поставить актёра"},
        {"00A5: actor_WAITING %1d%", ""},
        {"0A8C: Ждать актёра %1d%", "ждать актёра"},
        {"0AF0: ждать машину", "ждать машину"},
    };
    return rows;
}


