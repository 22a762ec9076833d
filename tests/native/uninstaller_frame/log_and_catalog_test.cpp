// The log's format and the message catalog's conversion, formatting and silent behaviour.
#include "tests/native/uninstaller_frame/frame_fixture.h"
#include "uninstaller/frame/message_catalog.h"
#include "uninstaller/frame/message_dump.h"
#include "uninstaller/frame/uninstall_log.h"

namespace zrt::un::testing {
namespace {

constexpr const char* kLog = "C:\\TEMP\\UNINST.LOG";
constexpr const char* kStamp = "2026/12/11:09:05:07\t";

class LogTest : public FrameTest {
protected:
    LogTest() { fake.addFolder("C:\\TEMP"); }
    std::unique_ptr<UninstallLog> create() {
        auto log = UninstallLog::create(fake.machine().files, fake.machine().clock, kLog);
        EXPECT_TRUE(log.ok());
        return std::move(log).value();
    }
};

TEST_F(LogTest, WritesTimeStampedCrLfLines) {
    auto log = create();
    log->write("one");
    log->write("");
    log->write("two\nlines");
    log->write("kept\r\nas is");
    log->close();
    EXPECT_EQ(fake.fileContent(kLog), std::string(kStamp) + "one\r\n" + kStamp + "\r\n" + kStamp +
                                          "two\r\nlines\r\n" + kStamp + "kept\r\nas is\r\n");
}

TEST_F(LogTest, WithoutTimeTheLineBeginsWithTheText) {
    fake.time.reset();
    auto log = create();
    log->write("text");
    log->close();
    EXPECT_EQ(fake.fileContent(kLog), "text\r\n");
}

TEST_F(LogTest, OverwritesAnExistingFile) {
    fake.addFile(kLog, "old contents\r\n");
    auto log = create();
    log->write("new");
    log->close();
    EXPECT_EQ(fake.fileContent(kLog), std::string(kStamp) + "new\r\n");
}

TEST_F(LogTest, CreationFailsInAMissingFolderAndTheNullLogDiscards) {
    EXPECT_EQ(UninstallLog::create(fake.machine().files, fake.machine().clock, "C:\\NONE\\X.LOG")
                  .error(),
              kErrorPathNotFound);
    UninstallLog null;
    null.write("lost");
    null.close();
    EXPECT_TRUE(null.isNull());
}

TEST(LogTimeStampTest, PadsEveryField) {
    EXPECT_EQ(logTimeStamp({2007, 1, 2, 3, 4, 5}), "2007/01/02:03:04:05\t");
    EXPECT_EQ(logTimeStamp({2007, 13, 2, 3, 4, 5}), "");
}

TEST(PlaceholderTest, ConvertsAndCounts) {
    struct Row {
        const char* text;
        const char* converted;
        int count;
    };
    const Row rows[] = {
        {"no placeholder", "no placeholder", 0},
        {"'%s' and '%s'", "'%1' and '%2'", 2},
        {"%d %x %f %s", "%1 %2 %3 %4", 4},
        {"%1 stays, %2 too", "%1 stays, %2 too", 2},
        {"100% sure %", "100% sure %", 0},
        {"%s%s%s%s%s%s%s%s%s%s", "%1%2%3%4%5%6%7%8%9%1", 10},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(convertPlaceholders(row.text), row.converted) << "row " << row.text;
        EXPECT_EQ(countPlaceholders(row.converted), row.count) << "row " << row.text;
    }
}

class CatalogTest : public FrameTest {
protected:
    CatalogTest() : catalog(fake.machine(), session) {}
    Session session;
    MessageCatalog catalog;
};

TEST_F(CatalogTest, TableHasItsGroupsInOrder) {
    const auto& table = catalog.records();
    ASSERT_EQ(table.size(), 28u);
    EXPECT_EQ(table.front().stringId, 12u);
    EXPECT_EQ(table.back().stringId, 0u);
    int groups[3] = {0, 0, 0};
    for (const MessageRecord& r : table) {
        if (r.stringId != 0) {
            ++groups[r.group];
            EXPECT_FALSE(text(r.stringId).empty()) << "no text for " << r.symbol;
        }
    }
    EXPECT_EQ(groups[1], 17);
    EXPECT_EQ(groups[2], 6);
    EXPECT_EQ(groups[0], 4);
    const MessageRecord* msg2 = catalog.find(13);
    ASSERT_NE(msg2, nullptr);
    EXPECT_STREQ(msg2->symbol, "IDS_STRING_MSG2");
    EXPECT_STREQ(msg2->inputSection, "IDS_STRING_MSG2");
    EXPECT_STREQ(catalog.find(50)->inputSection, "0");
    EXPECT_EQ(catalog.find(68)->titleId, 5u);
    EXPECT_EQ(catalog.find(68)->boxType, 0x10u);
    EXPECT_EQ(catalog.find(999), nullptr);
}

TEST_F(CatalogTest, FormatsPrinterNamesAndStringsForNumbers) {
    EXPECT_EQ(catalog.format(12, {"Color 1"}), "プリンタ 'Color 1' を削除してもよろしいですか?");
    fake.strings[12] = "Jobs: %d of '%s'";
    EXPECT_EQ(catalog.format(12, {"many", "P"}), "Jobs: many of 'P'");
    EXPECT_EQ(catalog.format(999, {"x"}), "");
}

TEST_F(CatalogTest, FormatsMessage50WithAnEmptyArgument) {
    fake.strings[ids::kSilentNeedsS] = text(ids::kSilentNeedsS);
    const std::string converted = convertPlaceholders(text(ids::kSilentNeedsS));
    EXPECT_EQ(catalog.format(50, {""}), "このパラメータ  を有効にするには、パラメータ[/S]の指定が必要です。");
    EXPECT_EQ(converted, "このパラメータ %1 を有効にするには、パラメータ[/S]の指定が必要です。");
}

TEST_F(CatalogTest, ShowsInABoxOwnedByTheForegroundWindow) {
    fake.foreground = fake.addWindow("Shell_TrayWnd", "");
    fake.scriptAnswer(kAnswerNo);
    EXPECT_EQ(catalog.show(kNoWindow, 13, {"P1", "SHARE"}), kAnswerNo);
    ASSERT_EQ(fake.shownBoxes().size(), 1u);
    const ShownBox& box = fake.shownBoxes()[0];
    EXPECT_EQ(box.owner, fake.foreground);
    EXPECT_EQ(box.title, "警告");
    EXPECT_EQ(box.type, 0x34u);
    EXPECT_EQ(box.text, "プリンタ 'P1' を 'SHARE' として共有しています。このプリンタは使用中の可能性があります。\r\n"
                        "プリンタを削除すると共有できなくなります。削除してもよろしいですか?");
    EXPECT_EQ(catalog.show(kNoWindow, 999), kAnswerCancel);
    EXPECT_EQ(fake.shownBoxes().size(), 1u);
}

TEST_F(CatalogTest, SilentModeWritesTitleAndTextToTheLog) {
    fake.addFolder("C:\\TEMP");
    auto log = std::move(UninstallLog::create(fake.machine().files, fake.machine().clock, kLog))
                   .value();
    session.silent = true;
    session.log = log.get();
    EXPECT_EQ(catalog.show(kNoWindow, 9), 0);
    EXPECT_EQ(ask(fake.machine(), session, "a\r\nb\nc", "Title", 0x34), kAnswerYes);
    log->close();
    EXPECT_TRUE(fake.shownBoxes().empty());
    const std::string s = kStamp;
    EXPECT_EQ(fake.fileContent(kLog), s + "警告\r\n" + s +
                                          "アンインストールを実行する権限がありません。\r\n"
                                          "Administrator権限でログオンしなおしてください。\r\n" +
                                          s + "Title\r\n" + s + "a b c\r\n" + s + "Yes\r\n");
}

TEST_F(CatalogTest, DebugInputsComeFromTheMessageDebugFile) {
    catalog.setProgramFolder("C:\\PROGRAM FILES\\VEMAR\\");
    fake.addFile("C:\\PROGRAM FILES\\VEMAR\\DebugMessage_Uninst.ini",
                 "[IDS_STRING_MSG2]\r\nINPUT_01=First\r\nINPUT_02=Second\r\n");
    catalog.setDebugInputs(true);
    catalog.show(kNoWindow, 13, {"ignored", "ignored"});
    fake.addFile("C:\\PROGRAM FILES\\VEMAR\\DebugMessage_Uninst.ini", "");
    catalog.show(kNoWindow, 12);
    ASSERT_EQ(fake.shownBoxes().size(), 2u);
    EXPECT_EQ(fake.shownBoxes()[0].text.rfind("プリンタ 'First' を 'Second' として", 0), 0u);
    EXPECT_EQ(fake.shownBoxes()[1].text, "プリンタ '' を削除してもよろしいですか?");
    // format never takes the debug inputs
    EXPECT_EQ(catalog.format(12, {"Real"}), "プリンタ 'Real' を削除してもよろしいですか?");
}

TEST_F(CatalogTest, AskInteractiveUsesTheMainWindow) {
    session.mainWindow = fake.addWindow("#32770", "main");
    EXPECT_EQ(ask(fake.machine(), session, "text", "title", 0x34), kAnswerYes);
    ASSERT_EQ(fake.shownBoxes().size(), 1u);
    EXPECT_EQ(fake.shownBoxes()[0].owner, session.mainWindow);
}

TEST_F(CatalogTest, MessageDumpWritesTwelveLinesBetweenMarkers) {
    fake.addFolder("C:\\TEMP");
    auto log = std::move(UninstallLog::create(fake.machine().files, fake.machine().clock, kLog))
                   .value();
    writeMessageDump(fake.machine().text, *log);
    log->close();
    const std::string content = fake.fileContent(kLog);
    const std::string s = kStamp;
    std::string expected = s + kDumpStartLine + "\r\n";
    for (unsigned id : kDumpedMessages) {
        std::string line = text(id);
        const std::size_t at = line.find("%s");
        if (at != std::string::npos) {
            line.erase(at, 2);
        }
        expected += s + line + "\r\n";
    }
    expected += s + kDumpEndLine + "\r\n";
    EXPECT_EQ(content, expected);
    EXPECT_EQ(std::string(kDumpStartLine).size(), 87u);
    EXPECT_EQ(std::string(kDumpEndLine).size(), 87u);
    EXPECT_NE(content.find("このパラメータ  を有効"), std::string::npos);
}

}  // namespace
}  // namespace zrt::un::testing
