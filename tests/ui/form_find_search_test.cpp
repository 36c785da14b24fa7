// The two search modes and show-in-list, wired to the main list and the status panels.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "tests/ui/search_fixture.h"

namespace {

QStringList Captions(std::initializer_list<int> rows) {
    QStringList texts;
    for (int row : rows)
        texts.append(QString::fromStdString(SampleRows()[static_cast<std::size_t>(row)].first));
    return texts;
}

class FindTest : public SearchWindowsTest {
  protected:
    void SetUp() override {
        SearchWindowsTest::SetUp();
        FillMainList(SampleRows());
    }
    // Runs one search with the fields as given.
    void Search(QPushButton* button, const QString& yes, const QString& no = {},
                const QString& orWords = {}) {
        formFind->EditYes->setText(yes);
        formFind->EditNo->setText(no);
        formFind->EditOr->setText(orWords);
        button->click();
    }
    QStringList ListAll(const QString& yes, const QString& no = {}, const QString& orWords = {}) {
        Search(formFind->BtnAll, yes, no, orWords);
        return RowTexts(formFind->ListViewFind);
    }
    std::vector<int> FindNext(const QString& yes) {
        Search(formFind->ButtonFind, yes);
        return SelectedRows(formMain->OpList());
    }
    QString Panel(int index) const { return formFind->StatusPanel(index)->text(); }
    OpcodeListView* mainList() const { return formMain->OpList(); }
};

} // namespace

TEST_F(FindTest, ListAllWithEmptyFieldsListsEveryRowAndLeavesTheSelection) {
    SelectRows(mainList(), {2});
    EXPECT_EQ(ListAll({}), Captions({0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(Panel(0), QStringLiteral(u"Готово."));
    EXPECT_EQ(Panel(1), QStringLiteral(u"Найдено: 6"));
    EXPECT_EQ(SelectedRows(mainList()), std::vector<int>{2});

    EXPECT_EQ(ListAll(QStringLiteral("jump")), Captions({1})); // the old results are gone
    EXPECT_EQ(Panel(1), QStringLiteral(u"Найдено: 1"));
}

TEST_F(FindTest, FieldsSplitAtSpacesAndMatchAnywhereInTheCaption) {
    // Latin letters in any case; Cyrillic only in the same case.
    EXPECT_EQ(ListAll(QStringLiteral("wait")), Captions({0, 3}));
    EXPECT_EQ(ListAll(QStringLiteral(u"ждать")), Captions({5}));
    // Two spaces end the list after the first word; a leading space leaves no words.
    EXPECT_EQ(ListAll(QStringLiteral("wait  jump")), Captions({0, 3}));
    EXPECT_EQ(ListAll(QStringLiteral(" jump")), Captions({0, 1, 2, 3, 4, 5}));
    // Inside the opcode number, inside longer words; the translation is not searched.
    EXPECT_EQ(ListAll(QStringLiteral("0a")), Captions({2, 3, 4, 5}));
    EXPECT_EQ(ListAll(QStringLiteral(u"прыжок")), QStringList());
    EXPECT_EQ(Panel(1), QStringLiteral(u"Найдено: 0"));
    // All three fields at once.
    EXPECT_EQ(
        ListAll(QStringLiteral("%1d%"), QStringLiteral("ms WAIT"), QStringLiteral(u"put Ждать")),
        Captions({2, 4}));

    // A word with a character the code page lacks occurs nowhere, not even in the "???"
    // of an undefined opcode: it finds nothing, excludes nothing, adds no alternative.
    FillMainList({SampleRows()[0], {"0AEF: ???", ""}});
    const QStringList both = {Captions({0})[0], QStringLiteral("0AEF: ???")};
    EXPECT_EQ(ListAll(QStringLiteral(u"ł")), QStringList());
    EXPECT_EQ(ListAll({}, QStringLiteral(u"ł")), both);
    EXPECT_EQ(ListAll({}, {}, QStringLiteral(u"wait ☺")), Captions({0}));
}

TEST_F(FindTest, FindNextStepsThroughTheMatchesAndWrapsAfterTheLast) {
    EXPECT_EQ(ListAll(QStringLiteral("actor")), Captions({2, 3}));
    EXPECT_EQ(Panel(1), QStringLiteral(u"Найдено: 2"));

    EXPECT_EQ(FindNext(QStringLiteral("actor")), std::vector<int>{2});
    EXPECT_EQ(mainList()->currentIndex().row(), 2);
    // A hit on the first pass leaves the panels as the search began them, and no results.
    EXPECT_EQ(Panel(0), QStringLiteral(u"Поиск..."));
    EXPECT_EQ(Panel(1), QStringLiteral(u"Найдено: 2"));
    EXPECT_EQ(formFind->ListViewFind->Rows()->Count(), 0);

    EXPECT_EQ(FindNext(QStringLiteral("actor")), std::vector<int>{3});
    // From the last match the first pass ends empty, the second starts at the top.
    EXPECT_EQ(FindNext(QStringLiteral("actor")), std::vector<int>{2});
    EXPECT_EQ(Panel(0), QStringLiteral(u"Готово."));
    EXPECT_EQ(Panel(1), QStringLiteral(u"Найдено: 0"));
}

TEST_F(FindTest, FindNextWithSeveralSelectedRowsMovesOnlyTheFirst) {
    SelectRows(mainList(), {0, 4});
    EXPECT_EQ(FindNext(QStringLiteral("actor")), (std::vector<int>{2, 4}));

    // No match: the first selected row loses its selection, the others keep theirs.
    SelectRows(mainList(), {0, 4, 5});
    EXPECT_EQ(FindNext(QStringLiteral("nowhere")), (std::vector<int>{4, 5}));
    EXPECT_EQ(Panel(0), QStringLiteral(u"Готово."));
    EXPECT_EQ(Panel(1), QStringLiteral(u"Найдено: 0"));
}

TEST_F(FindTest, EmptyMainListEndsBothModesWithNothingFound) {
    FillMainList({});
    EXPECT_EQ(ListAll({}), QStringList());
    EXPECT_EQ(Panel(0), QStringLiteral(u"Готово."));
    EXPECT_EQ(Panel(1), QStringLiteral(u"Найдено: 0"));
    formFind->StatusPanel(0)->clear();
    EXPECT_EQ(FindNext({}), std::vector<int>{});
    EXPECT_EQ(Panel(0), QStringLiteral(u"Готово."));
}

TEST_F(FindTest, SearchGrowsTheWindowOnlyFromItsMinimumHeight) {
    formFind->show();
    formFind->resize(400, formFind->minimumHeight());
    EXPECT_EQ(formFind->ListViewFind->height(), 0);
    ListAll({});
    EXPECT_EQ(formFind->size(), QSize(400, 268));
    EXPECT_EQ(formFind->ListViewFind->height(), 131);

    formFind->resize(400, 200);
    FindNext({});
    EXPECT_EQ(formFind->size(), QSize(400, 200));
}

TEST_F(FindTest, ShowInListReplacesASingleSelectionAndJoinsSeveral) {
    ListAll(QStringLiteral("actor"));
    OpcodeListView* results = formFind->ListViewFind;
    results->setCurrentIndex(results->Rows()->index(1, 0)); // "00A5: actor_WAITING %1d%"

    SelectRows(mainList(), {0});
    formFind->NShow->trigger();
    EXPECT_EQ(SelectedRows(mainList()), std::vector<int>{3});
    EXPECT_EQ(mainList()->currentIndex().row(), 3);

    SelectRows(mainList(), {0, 1});
    Q_EMIT results->doubleClicked(results->Rows()->index(1, 0));
    EXPECT_EQ(SelectedRows(mainList()), (std::vector<int>{0, 1, 3}));
    EXPECT_TRUE(fake.boxes.warnings.isEmpty());
}

TEST_F(FindTest, ShowInListWarnsWhenTheMainListNoLongerHoldsTheResult) {
    ListAll(QStringLiteral("jump"));
    formFind->ListViewFind->setCurrentIndex(formFind->ListViewFind->Rows()->index(0, 0));
    FillMainList({SampleRows()[0], {"0002: JUMP %1p%", ""}}); // another category
    SelectRows(mainList(), {0});

    formFind->NShow->trigger();
    EXPECT_EQ(fake.sounds.played, std::vector<SystemSound>{SystemSound::Information});
    EXPECT_EQ(fake.boxes.warnings,
              QStringList{QStringLiteral(u"Нет в списке!\n\rВозможно, Вы выбрали иную "
                                         u"категорию,\r\nчем та, что была использована при "
                                         u"поиске.")});
    EXPECT_EQ(SelectedRows(mainList()), std::vector<int>{0});
    EXPECT_TRUE(fake.boxes.errors.isEmpty());

    // Without a focused result there is nothing to show, and nothing is said.
    ListAll(QStringLiteral("nowhere"));
    formFind->NShow->trigger();
    EXPECT_EQ(fake.boxes.warnings.size(), 1);
}
