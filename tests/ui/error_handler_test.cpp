// Every error reaches the main window's handler: the error sound, the box, then the record
// after the log's text, under the name the log already has.
#include <filesystem>
#include <regex>

#include "opcodes/errors.h"
#include "tests/ui/search_fixture.h"
#include "ui/application.h"

struct ThrowingObject : QObject {
    bool event(QEvent* e) override { throw EOSError(std::to_string(e->type())); }
};

// From a guarded command (the introduction page the shell cannot open), an event handler
// and the program's own code, whose raise site is located; errors not of
// the program's own carry none. A log that cannot be written costs the record only.
TEST_F(FormMainTest, ErrorsReachTheHandler) {
    dir.Write("Errors.log", "old\r\n");
    auto form = Open();
    fake.shell.result = {false, QStringLiteral("No file")};
    Child(form.get(), "HelpIntro")->trigger();
    ThrowingObject thrower;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&thrower, &event);
    const EOSError error("own");
    ReportException(std::make_exception_ptr(error));
    ReportException(std::make_exception_ptr(std::runtime_error("plain")));

    EXPECT_EQ(fake.shell.opened, QStringList{QStringLiteral("Intro.html")});
    std::string records = "old\r\n";
    for (const char* message : {"No file", "1000", "own"})
        records += RecordPattern("EOSError", message + std::string("."));
    EXPECT_TRUE(std::regex_match(dir.Read("Errors.log"),
                                 std::regex(records + RecordPattern("std::runtime_error", "plain."))))
        << dir.Read("Errors.log");
    EXPECT_EQ(fake.boxes.errors.value(1), BoxText(QStringLiteral("1000"), QStringLiteral("EOSError")));
    EXPECT_EQ(fake.sounds.played, std::vector<SystemSound>(4, SystemSound::CriticalStop));
    EXPECT_EQ(fake.locator.addresses.at(2), error.RaiseAddress());
    EXPECT_EQ(fake.locator.addresses.at(3), nullptr);

    std::filesystem::remove(dir.path() / "Errors.log");
    std::filesystem::create_directory(dir.path() / "errors.log");
    ReportException(std::make_exception_ptr(error));
    EXPECT_EQ(fake.boxes.errors.size(), 5);
}
