// The quick-search box: the keys that confirm a search, the text it searches for, and
// the selection it leaves in the list.
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "tests/ui/browse_fixture.h"

namespace {

// Rows of "Все": 0005 beta значение, 0003 actor, 0001 wait, 0006 alpha WAIT, 0002 Jump,
// 0004 call ... ?
class QuickSearchTest : public BrowseTest {
  protected:
    void Type(const QString& text) {
        QTest::mouseClick(form->OpMemoFind->viewport(), Qt::LeftButton);
        for (const QChar ch : text) {
            if (ch.unicode() < 0x80)
                QTest::keyClick(form->OpMemoFind, static_cast<char>(ch.unicode()));
            else // a key of a Cyrillic layout: no Latin key code, just its text
                QTest::sendKeyEvent(QTest::Click, form->OpMemoFind, Qt::Key_unknown, QString(ch),
                                    Qt::NoModifier);
        }
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(form->OpMemoFind, key, modifiers);
    }
    QString Focused() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    QStringList Just(const char* number) const { return {QString::fromLatin1(number)}; }
};

TEST_F(QuickSearchTest, EnterCtrlKAndTabSearchAndNeverReachTheBox) {
    OpenShown();
    ClickNode(QStringLiteral(u"Все"));
    Type(QStringLiteral("wAiT"));
    EXPECT_EQ(SelectedNumbers(), QStringList());

    Press(Qt::Key_Return);
    EXPECT_EQ(SelectedNumbers(), Just("0001"));
    EXPECT_EQ(CellText(form->OpListView, form->OpListView->currentIndex().row()).left(4), QStringLiteral("0001"));
    EXPECT_EQ(Panel(4), QStringLiteral(u"Выделено: 1"));
    Press(Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(SelectedNumbers(), Just("0006"));
    Press(Qt::Key_Tab); // after the last match: round to the first
    EXPECT_EQ(SelectedNumbers(), Just("0001"));
    Press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(SelectedNumbers(), Just("0006"));

    EXPECT_EQ(form->OpMemoFind->toPlainText(), QStringLiteral("wAiT"));
    EXPECT_EQ(Focused(), QStringLiteral("OpMemoFind"));
}

TEST_F(QuickSearchTest, OtherKeysOnlyType) {
    OpenShown();
    ClickNode(QStringLiteral(u"Все"));
    Type(QStringLiteral(u"wait значение"));
    Press(Qt::Key_Backspace);
    EXPECT_EQ(form->OpMemoFind->toPlainText(), QStringLiteral(u"wait значени"));
    EXPECT_EQ(SelectedNumbers(), QStringList());
    // Shift+Tab stays the keyboard's way out of the box.
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Focused(), QStringLiteral("OpListView"));
}

TEST_F(QuickSearchTest, OnlyTheFirstLineAsShownIsSearched) {
    OpenShown();
    ClickNode(QStringLiteral(u"Все"));
    // The long word wraps to a second line; the first keeps its trailing blank.
    Type(QStringLiteral("wait ") + QString(300, u'q'));
    const QTextBlock block = form->OpMemoFind->document()->firstBlock();
    form->OpMemoFind->document()->documentLayout()->blockBoundingRect(block);
    ASSERT_GT(block.layout()->lineCount(), 1);

    Press(Qt::Key_Return); // "WAIT " is in 0001's caption only
    EXPECT_EQ(SelectedNumbers(), Just("0001"));
    Press(Qt::Key_Return); // the only match is the selected row: found again on the wrap
    EXPECT_EQ(SelectedNumbers(), Just("0001"));
}

TEST_F(QuickSearchTest, NoMatchTakesTheFirstSelectedRowOff) {
    OpenShown();
    ClickNode(QStringLiteral(u"Все"));
    ClickRow(1);
    ClickRow(4, Qt::ControlModifier);
    Type(QStringLiteral("zzz"));
    Press(Qt::Key_Return);
    EXPECT_EQ(SelectedNumbers(), Just("0002"));
    Press(Qt::Key_Return);
    EXPECT_EQ(SelectedNumbers(), QStringList());
    Press(Qt::Key_Return);
    EXPECT_EQ(SelectedNumbers(), QStringList());
    EXPECT_EQ(Panel(4), QStringLiteral(u"Выделено: 0"));
}

TEST_F(QuickSearchTest, TextIsComparedAsWindows1251Bytes) {
    OpenShown();
    ClickNode(QStringLiteral(u"Все"));
    Type(QStringLiteral(u"значение"));
    Press(Qt::Key_Return);
    EXPECT_EQ(SelectedNumbers(), Just("0005"));

    // A character the code page lacks is in no caption; it must not turn into the "?"
    // that 0004's caption holds.
    form->OpMemoFind->setPlainText(QStringLiteral(u"✓"));
    Press(Qt::Key_Return);
    EXPECT_EQ(SelectedNumbers(), QStringList());
    form->OpMemoFind->setPlainText(QStringLiteral("?"));
    Press(Qt::Key_Return);
    EXPECT_EQ(SelectedNumbers(), Just("0004"));
}

TEST_F(QuickSearchTest, HitIsScrolledIntoView) {
    OpenShown();
    ClickNode(QStringLiteral(u"Много"));
    ClickRow(0);
    Type(QStringLiteral("far"));
    Press(Qt::Key_Return);
    OpcodeListView* list = form->OpListView;
    const QModelIndex last = list->Rows()->index(list->Rows()->Count() - 1, 0);
    EXPECT_TRUE(list->selectionModel()->isSelected(last));
    EXPECT_FALSE(list->selectionModel()->isRowSelected(0));
    EXPECT_TRUE(list->viewport()->rect().intersects(list->visualRect(last)));
}

} // namespace
