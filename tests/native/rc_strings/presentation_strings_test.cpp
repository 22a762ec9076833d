// The texts of the presentation library's resource script: a handful typed out here, where a
// blank, an escape or a look-alike character is easy to get wrong, and the full list of ids.
#include "tests/support/rc_strings.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using zrt::testing::describe;
using zrt::testing::RcStrings;

const RcStrings& presentationStrings() {
    static const RcStrings strings =
        zrt::testing::readRcStrings(zrt::testing::rcPath("resources/presentation/ZRT7QPMU.rc"));
    return strings;
}

TEST(PresentationStrings, TextsThatAreEasyToGetWrong) {
    struct Case {
        unsigned id;
        std::u16string text;
    };
    const Case cases[] = {
        {5200, u"印刷中です"},
        {5313, u"印刷を中断しました "},  // ends in a blank
        {5400, u"しばらくお待ちください。\r\n\r\n"},
        // U+FF65 half-width middle dot before each point, U+FF1F full-width question mark
        {5404, u"以下の項目を確認してください。\r\n\uFF65 プリンタの電源は入っていますか\uFF1F\r\n"
               u"\uFF65 ケーブルは正しく接続されていますか\uFF1F\r\n\r\n"},
        {5408, u"プリンタに異常があります。\r\n電源をいったん切り、3秒以上待ってから電源を入れなおしてく"
               u"ださい。電源を入れなおしてもサービスエラーが表示される場合は、電源を切り、お買い求め"
               u"の販売店にご連絡ください。ご連絡の際には、表示されたエラーコードと症状をお知らせくだ"
               u"さい。\r\nエラーコード : %1!s! \r\n\r\n"},
        {5501, u"カセット\uFF11に %1!s! 用紙がありません。\r\n"},  // full-width digit one
        {5507, u" 印字品質を保証できないトナーカートリッジがセットされているか、一度寿命になった使用済"
               u"みのトナーカートリッジがセットされている可能性があります。\r\n継続して使用した場合に、"
               u"プリンタ本体の故障の原因となることがありますので、新しいトナーカートリッジに交換する"
               u"ことをおすすめします。\r\n詳しくは、[消耗品/カウンタ情報]ダイアログで確認してください。"
               u"\r\n"},  // starts with a blank
        {5000, u"印刷ジョブを制御します。"},
        {5024, u"クリーニングやキャリブレーションを行います。"},
        {5105, u"消耗品\uFF0Fカウンタ情報"},  // full-width solidus
    };
    const auto& strings = presentationStrings();
    for (const auto& c : cases) {
        const auto it = strings.find(c.id);
        if (it == strings.end()) {
            ADD_FAILURE() << "id " << c.id << ": expected " << describe(c.text) << ", got no entry";
            continue;
        }
        EXPECT_EQ(it->second, c.text)
            << "id " << c.id << ": expected " << describe(c.text) << ", got " << describe(it->second);
    }
}

TEST(PresentationStrings, HoldsExactlyTheLibrarysIds) {
    const std::set<unsigned> expected = {
        // menu help and tooltips
        5000, 5001, 5002, 5004, 5005, 5006, 5008, 5009, 5010, 5011, 5012, 5013, 5014, 5015, 5016,
        5017, 5018, 5020, 5021, 5022, 5023, 5024, 5100, 5101, 5103, 5104, 5105,
        // headlines
        5200, 5201, 5202, 5203, 5204, 5205, 5206, 5300, 5301, 5302, 5304, 5305, 5306, 5307, 5308,
        5309, 5310, 5311, 5312, 5313, 5314, 5315, 5316, 5317, 5318, 5319, 5320, 5321, 5322, 5323,
        5324, 5325, 5326, 5327, 5328, 5329, 5330, 5331,
        // messages and notes
        5400, 5402, 5403, 5404, 5408, 5409, 5410, 5411, 5412, 5414, 5416, 5417, 5418, 5419, 5420,
        5421, 5422, 5423, 5424, 5425, 5426, 5427, 5428, 5429, 5430, 5431, 5432, 5433, 5434, 5436,
        5437, 5438, 5500, 5501, 5505, 5506, 5507, 5508, 5600,
    };
    const auto& strings = presentationStrings();
    for (unsigned id : expected) {
        const auto it = strings.find(id);
        if (it == strings.end()) {
            ADD_FAILURE() << "id " << id << ": expected a text, got no entry";
        } else {
            EXPECT_FALSE(it->second.empty()) << "id " << id << ": expected a text, got an empty one";
        }
    }
    for (const auto& [id, text] : strings) {
        EXPECT_TRUE(expected.count(id) == 1) << "id " << id << ": not a string of the library, holds "
                                              << describe(text);
    }
    // 5701 is the id that menu items without help return: it must stay without a text.
    EXPECT_EQ(strings.count(5701), 0u);
}

}  // namespace
