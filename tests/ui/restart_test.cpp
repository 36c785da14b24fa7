// Restart: a new instance, minimised, then this one closes; or, when none can be
// started, an error and this one stays.
#include <QAction>
#include <QTest>

#include "tests/ui/form_fixture.h"

TEST_F(FormMainTest, CtrlRStartsKlvMinimisedAndClosesTheWindow) {
    auto form = Open();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(fake.processes.calls.size(), 1u);
    EXPECT_EQ(fake.processes.calls[0].program, QStringLiteral("KLV"));
    EXPECT_TRUE(fake.processes.calls[0].minimised);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(fake.boxes.errors.isEmpty());
}

TEST_F(FormMainTest, RestartThatCannotStartKeepsThisInstance) {
    auto form = Open();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    fake.processes.result = {false,
                             QStringLiteral("Cannot start \"KLV\". No such file or directory")};
    form->NReExe->trigger();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(fake.boxes.errors,
              QStringList{BoxText(QStringLiteral("Cannot start \"KLV\". No such file or directory"),
                                  QStringLiteral("EOSError"))});
    EXPECT_NE(Log().find("Exception EOSError in module KLV"), std::string::npos);
}

TEST_F(FormMainTest, ExitClosesTheWindow) {
    auto form = Open();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->NExit->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(fake.processes.calls.empty());
}
