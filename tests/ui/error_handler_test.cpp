// Every error reaches the main window's handler: the error sound, the box, then the record
// after the log's text, under the name the log already has.
#include <filesystem>
#include <regex>

#include "opcodes/errors.h"
#include "tests/ui/search_fixture.h"
#include "ui/application.h"

namespace {

struct ThrowingObject : QObject {
    bool event(QEvent* e) override { throw EOSError(std::to_string(e->type())); }
};

} // namespace

// From a guarded command (the introduction page the shell cannot open), an event handler
// and a posted event. The raise site of the program's own errors is located.
TEST_F(FormMainTest, ErrorsOfCommandsAndEventsReachTheHandler) {
    dir.Write("Errors.log", "old\r\n");
    auto form = Open();
    fake.shell.result = {false, QStringLiteral("No file")};
    Child(form.get(), "HelpIntro")->trigger();
    ThrowingObject thrower;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&thrower, &event);
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::Type(QEvent::User + 1)));
    QCoreApplication::processEvents();

    EXPECT_EQ(fake.shell.opened, QStringList{QStringLiteral("Intro.html")});
    QStringList boxes;
    std::string records = "old\r\n";
    for (const char* message : {"No file", "1000", "1001"}) {
        boxes.append(BoxText(QString::fromLatin1(message), QStringLiteral("EOSError")));
        records += RecordPattern("EOSError", message + std::string("."));
    }
    EXPECT_EQ(fake.boxes.errors, boxes);
    EXPECT_EQ(fake.sounds.played, std::vector<SystemSound>(3, SystemSound::CriticalStop));
    EXPECT_TRUE(std::regex_match(dir.Read("Errors.log"), std::regex(records))) << dir.Read("Errors.log");
    EXPECT_NE(fake.locator.addresses.at(0), nullptr);
}

// Errors not of the program's own carry no raise site. A log that cannot be written costs
// the record only.
TEST_F(FormMainTest, ForeignErrorsAndAnUnwritableLog) {
    std::filesystem::create_directories(dir.path() / "errors.log");
    auto form = Open();
    const EOSError error("where");
    ReportException(std::make_exception_ptr(error));
    ReportException(std::make_exception_ptr(std::runtime_error("plain")));
    EXPECT_EQ(fake.locator.addresses, (std::vector<const void*>{error.RaiseAddress(), nullptr}));
    EXPECT_EQ(fake.boxes.errors.value(1),
              BoxText(QStringLiteral("plain"), QStringLiteral("std::runtime_error")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "errors.log"));
}
