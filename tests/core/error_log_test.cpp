#include <gtest/gtest.h>

#include "opcodes/cp1251.h"
#include "opcodes/error_log.h"

TEST(ErrorLog, RecordLayout) {
    EXPECT_EQ(ErrorLogRecord("05.03.2024 09:07:02", "EInOutError", "KLV", 0x1A2B,
                             "File not found"),
              "05.03.2024 09:07:02. Exception EInOutError in module KLV at 00001A2B.\r\n"
              "File not found.\r\n\r\n");
    EXPECT_EQ(ErrorLogRecord("d", "E", "m", 0xFFFFFFFFu, "x"),
              "d. Exception E in module m at FFFFFFFF.\r\nx.\r\n\r\n");
}

TEST(ErrorLog, EndMarkOnlyWhenMissing) {
    EXPECT_EQ(ErrorLogRecord("d", "E", "m", 0, "Done."),
              "d. Exception E in module m at 00000000.\r\nDone.\r\n\r\n");
    EXPECT_EQ(ErrorLogRecord("d", "E", "m", 0, ""),
              "d. Exception E in module m at 00000000.\r\n\r\n\r\n");
    const std::string russian = Utf8ToCp1251("Ошибка");
    EXPECT_EQ(ErrorLogRecord("d", "E", "m", 0, russian),
              "d. Exception E in module m at 00000000.\r\n" + russian + ".\r\n\r\n");
}

TEST(ErrorLog, LongRecordCutBeforeItsFinalLineEnd) {
    const std::string head = "d. Exception E in module m at 00000000.\r\n";
    // Exactly at the limit: nothing is cut.
    const std::string fits(kErrorLogRecordLimit - head.size() - 3, 'a');
    EXPECT_EQ(ErrorLogRecord("d", "E", "m", 0, fits), head + fits + ".\r\n\r\n");
    // One byte more: the message's own line end loses its LF.
    const std::string over = fits + "a";
    const std::string cut = ErrorLogRecord("d", "E", "m", 0, over);
    EXPECT_EQ(cut.size(), kErrorLogRecordLimit + 2);
    EXPECT_EQ(cut, head + over + ".\r" + "\r\n");
    // A very long message: 512 bytes of the record, then the final CR LF.
    const std::string huge(5000, 'x');
    const std::string record = ErrorLogRecord("d", "E", "m", 0, huge);
    EXPECT_EQ(record, head + huge.substr(0, kErrorLogRecordLimit - head.size()) + "\r\n");
}

TEST(ErrorLog, BoxText) {
    EXPECT_EQ(Cp1251ToUtf8(ErrorBoxText("File not found", "EInOutError")),
              "Произошла неожиданная ошибка \"File not found\" (Класс EInOutError).\r\n"
              "Записано в log-файл Errors.log");
    // The message stays as raised: no end mark, Windows-1251 bytes kept.
    const std::string message = Utf8ToCp1251("Нет файла");
    EXPECT_EQ(Cp1251ToUtf8(ErrorBoxText(message, "E")),
              "Произошла неожиданная ошибка \"Нет файла\" (Класс E).\r\n"
              "Записано в log-файл Errors.log");
}

TEST(ErrorLog, RussianShortDateLongTime) {
    std::tm time{};
    time.tm_mday = 5;
    time.tm_mon = 2;
    time.tm_year = 124;
    time.tm_hour = 9;
    time.tm_min = 7;
    time.tm_sec = 2;
    EXPECT_EQ(FormatLogDateTime(time), "05.03.2024 09:07:02");
}
