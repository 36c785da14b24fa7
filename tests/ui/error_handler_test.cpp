// Every error reaches the main window's handler: sound, box, then the log record.
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <filesystem>
#include <regex>
#include <stdexcept>

#include "opcodes/cp1251.h"
#include "opcodes/errors.h"
#include "tests/ui/form_fixture.h"
#include "ui/application.h"

namespace {

class ThrowingObject : public QObject {
  public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User)
            throw EOSError("Thrown from an event");
        return QObject::event(e);
    }
};

} // namespace

TEST_F(FormMainTest, TwoErrorsGiveTwoRecordsOlderFirst) {
    auto form = Open();
    form->ApplicationEvents1Exception(std::make_exception_ptr(EConvertError("First")));
    form->ApplicationEvents1Exception(std::make_exception_ptr(EOSError("Second.")));

    // The box shows the message as it is; the log ends it with one full stop.
    EXPECT_EQ(fake.boxes.errors,
              (QStringList{BoxText(QStringLiteral("First"), QStringLiteral("EConvertError")),
                           BoxText(QStringLiteral("Second."), QStringLiteral("EOSError"))}));
    EXPECT_EQ(fake.sounds.played,
              (std::vector<SystemSound>{SystemSound::CriticalStop, SystemSound::CriticalStop}));
    EXPECT_TRUE(std::regex_match(Log(), std::regex(RecordPattern("EConvertError", "First.") +
                                                   RecordPattern("EOSError", "Second."))))
        << Log();
}

TEST_F(FormMainTest, RecordGoesAfterTheExistingTextInWindows1251) {
    dir.Write("Errors.log", "old\r\n");
    auto form = Open();
    form->ApplicationEvents1Exception(
        std::make_exception_ptr(EInOutError(Utf8ToCp1251("Файл занят"))));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "errors.log")); // the existing name is used
    const std::string log = dir.Read("Errors.log");
    EXPECT_TRUE(std::regex_match(
        log, std::regex("old\r\n" + RecordPattern("EInOutError", Utf8ToCp1251("Файл занят.")))))
        << log;
    EXPECT_EQ(fake.boxes.errors.value(0),
              BoxText(QStringLiteral(u"Файл занят"), QStringLiteral("EInOutError")));
}

TEST_F(FormMainTest, RecordIsWrittenOnlyAfterTheBoxIsClosed) {
    auto form = Open();
    bool logExistedWhileOpen = true;
    fake.boxes.whileOpen = [&] {
        logExistedWhileOpen = std::filesystem::exists(dir.path() / "errors.log");
    };
    form->ApplicationEvents1Exception(std::make_exception_ptr(EOSError("x")));
    EXPECT_FALSE(logExistedWhileOpen);
    EXPECT_FALSE(Log().empty());
}

TEST_F(FormMainTest, LongMessageIsCutTo512CharactersBeforeTheFinalLineEnd) {
    auto form = Open();
    form->ApplicationEvents1Exception(std::make_exception_ptr(EOSError(std::string(1000, 'm'))));
    const std::string log = Log();
    ASSERT_EQ(log.size(), 514u);
    EXPECT_EQ(log.substr(512), "\r\n");
    EXPECT_NE(log.find("\r\nmmmm"), std::string::npos);
    EXPECT_EQ(log[511], 'm');
}

TEST_F(FormMainTest, RecordNamesTheModuleAndOffsetOfTheRaiseSite) {
    auto form = Open();
    const EOSError error("where");
    form->ApplicationEvents1Exception(std::make_exception_ptr(error));
    ASSERT_EQ(fake.locator.addresses.size(), 1u);
    EXPECT_NE(fake.locator.addresses[0], nullptr);
    EXPECT_EQ(fake.locator.addresses[0], error.RaiseAddress());

    // Errors that are not the program's own carry no address.
    form->ApplicationEvents1Exception(std::make_exception_ptr(std::runtime_error("plain")));
    EXPECT_EQ(fake.locator.addresses.at(1), nullptr);
    EXPECT_EQ(fake.boxes.errors.value(1),
              BoxText(QStringLiteral("plain"), QStringLiteral("std::runtime_error")));
}

TEST_F(FormMainTest, LogThatCannotBeWrittenDoesNotStopTheHandler) {
    std::filesystem::create_directories(dir.path() / "errors.log"); // a folder in its place
    auto form = Open();
    form->ApplicationEvents1Exception(std::make_exception_ptr(EOSError("first")));
    form->ApplicationEvents1Exception(std::make_exception_ptr(EOSError("second")));
    EXPECT_EQ(fake.boxes.errors.size(), 2);
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "errors.log"));
}

TEST_F(FormMainTest, ErrorsFromEventHandlersReachTheHandler) {
    auto form = Open();
    ThrowingObject thrower;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&thrower, &event);
    EXPECT_EQ(fake.boxes.errors, QStringList{BoxText(QStringLiteral("Thrown from an event"),
                                                     QStringLiteral("EOSError"))});

    // Posted events too, delivered by the event loop.
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    EXPECT_EQ(fake.boxes.errors.size(), 2);
    EXPECT_NE(Log().find("Thrown from an event.\r\n\r\n"), std::string::npos);
}

TEST_F(FormMainTest, IntroOpensTheBareFileNameAndReportsTheShellsFailure) {
    auto form = Open();
    form->findChild<QAction*>(QStringLiteral("HelpIntro"))->trigger();
    EXPECT_EQ(fake.shell.opened, QStringList{QStringLiteral("Intro.html")});
    EXPECT_TRUE(fake.boxes.errors.isEmpty());

    fake.shell.result = {false, QStringLiteral("No such file or directory")};
    form->findChild<QAction*>(QStringLiteral("HelpIntro"))->trigger();
    EXPECT_EQ(fake.boxes.errors, QStringList{BoxText(QStringLiteral("No such file or directory"),
                                                     QStringLiteral("EOSError"))});
    EXPECT_TRUE(std::regex_match(
        Log(), std::regex(RecordPattern("EOSError", "No such file or directory."))));
}
