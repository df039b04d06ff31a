// The edges of what a page takes and shows: every text box at its limit and one past it, every
// flag shown as checked only when it is exactly 1, every choice with an id no radio has.
#include "walk.h"

#include <algorithm>
#include <map>

// A loaded text longer than the limit still shows whole and is cut when stored; the player
// types no further than the limit.
TEST(Boundaries, EveryTextBoxTakesItsLimitAndNotOneMore) {
    const std::map<std::pair<const Page*, int>, std::size_t> limits = {
        {{&playerSetupPage, IDC_PLAYER_NAME}, 15},  {{&multiplayerPage, IDC_SERVER_ADDRESS}, 39},
        {{&serverOptionsPage, IDC_TIME_LIMIT}, 5},  {{&serverOptionsPage, IDC_FRAG_LIMIT}, 5},
        {{&serverOptionsPage, IDC_MAX_PLAYERS}, 5}, {{&serverOptionsPage, IDC_HOST_NAME}, 15}};
    for (const Page* page : zatStartPages().pages)
        for (const FieldBinding& b : page->fields) {
            if (b.kind != FieldBinding::Kind::text)
                continue;
            const int box = b.ids[0];
            const std::size_t limit = limits.at({page, box});
            Bench bench;
            LaunchSettings& s = bench.app.settings;
            s.timeLimitOn = s.fragLimitOn = s.maxPlayersOn = 1;
            const std::string longer(limit + 1, '7');
            std::copy(longer.begin(), longer.end(), b.textField(s).begin());
            bench.open(*page, [&](FakePage& p) {
                EXPECT_EQ(longer, p.text(box)) << box;
                p.click(IDC_NEXT);
            });
            EXPECT_EQ(longer.substr(1), b.textField(s).data()) << box;
            bench.open(*page, [&](FakePage& p) {
                EXPECT_FALSE(p.typeText(box, longer)) << box;
                EXPECT_EQ(limit, p.text(box).size()) << box;
                p.command(IDM_WELCOME);
            });
        }
    // The option text is refused, not cut, one past its limit.
    for (const std::size_t length : {kOptionTextLimit, kOptionTextLimit + 1}) {
        Bench bench;
        storeFieldText(bench.app.settings.gameDirectory, bench.folder.directory()); // full
        bench.desktop.answers.push_back(MessageAnswer::yes);
        bench.open(optionTextPage, [&](FakePage& page) {
            page.typeText(IDC_OPTION_TEXT, std::string(length, 'o'));
            page.click(IDC_NEXT);
            EXPECT_EQ(length > kOptionTextLimit, !page.ended()) << length;
            if (!page.ended())
                page.click(IDC_CLOSE);
        });
        EXPECT_TRUE(length > kOptionTextLimit || bench.app.gameLaunch.optionText.size() == length)
            << "the text read back whole";
    }
}

// A settings file from elsewhere may hold any number: a flag of 2 is not on, a choice that
// names no radio checks none.
TEST(Boundaries, AFlagIsCheckedOnlyAtOneAndAnUnknownChoiceChecksNothing) {
    for (const Page* page : zatStartPages().pages) {
        Bench bench;
        LaunchSettings& s = bench.app.settings;
        s.teamPlay = 2;
        for (const FieldBinding& b : page->fields)
            if (b.number)
                s.*b.number = b.kind == FieldBinding::Kind::choice ? IDC_NEXT : 2;
        bench.desktop.answers.push_back(MessageAnswer::yes);
        bench.open(*page, [&](FakePage& p) {
            for (const FieldBinding& b : page->fields)
                for (int id : b.controls())
                    EXPECT_TRUE(b.kind == FieldBinding::Kind::text || !p.checked(id))
                        << page->templateId << " " << id;
            EXPECT_TRUE(page != &mapSelectPage || p.listCount(IDC_LEVEL_LIST) == 0)
                << "a list flag of 2 adds no table";
            // A box that flips its field at the click takes anything but 0 to 0 (once a choice
            // has enabled it).
            for (const FieldBinding& b : page->fields)
                if (b.kind == FieldBinding::Kind::choice)
                    p.click(b.ids[0]);
            for (const FieldBinding& b : page->fields)
                if (b.kind == FieldBinding::Kind::toggle) {
                    p.click(b.ids[0]);
                    EXPECT_EQ(0, s.*b.number) << b.ids[0];
                }
            p.click(IDC_CLOSE);
        });
    }
}
