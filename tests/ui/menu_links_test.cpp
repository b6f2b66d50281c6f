#include "support/program_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pelorix {
namespace {

using testing::Boxes;

class MenuAndLinks : public testing::ProgramTest {
protected:
    MenuAndLinks() { start(); }
    TForm1& main() const { return program->Form1; }
    TForm2& about() const { return program->Form2; }
};

TEST_F(MenuAndLinks, EachLinkHandsItsTargetToTheShell) {
    struct Case {
        const char* link;
        std::function<void()> click;
        std::string target;
    };
    const Case cases[] = {
        {"Прочитать", main().online1.onClick, (folder.path() / "help.doc").string()},
        {"Перейти на сайт", main().ofline1.onClick, main().Label28.text()},
        {"Label10", main().Label10.onClick, main().Label29.text()},
        {"About Label2", about().Label2.onClick, main().Label29.text()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.link);
        shell.opened.clear();
        ASSERT_TRUE(user(c.click));
        EXPECT_EQ(shell.opened, Boxes{c.target});
        EXPECT_EQ(dialogs.boxes, Boxes{});
    }
}

TEST_F(MenuAndLinks, TheHelpDocumentIsFoundInALongProgramFolder) {
    const auto deep = folder.path() / std::string(120, 'x');
    std::filesystem::create_directory(deep);
    env.programFolder = deep;
    start();
    ASSERT_TRUE(user(main().online1.onClick));
    EXPECT_EQ(shell.opened, Boxes{(deep / "help.doc").string()});
}

TEST_F(MenuAndLinks, AShellThatCannotOpenTheTargetIsReported) {
    shell.opens = false;
    ASSERT_TRUE(user(main().ofline1.onClick));
    EXPECT_EQ(dialogs.boxes, Boxes{std::string("info: ") + kCannotOpen + main().Label28.text()});
}

TEST_F(MenuAndLinks, HoverColours) {
    const Color hover = Color::fromRgb(199, 19, 74);
    main().Label10.onMouseMove();
    EXPECT_EQ(main().Label10.fontColor(), hover);
    main().Label10.onMouseLeave();
    EXPECT_EQ(main().Label10.fontColor(), Color::fromRgb(204, 204, 204))
        << "lighter than the designed grey from then on";
    about().Label2.onMouseMove();
    EXPECT_EQ(about().Label2.fontColor(), hover);
    about().Label2.onMouseLeave();
    EXPECT_EQ(about().Label2.fontColor(), Color::fromRgb(0, 0, 0));
}

TEST_F(MenuAndLinks, TheSettingsItemsShowTheirWindowAndBringItToTheFront) {
    for (auto [item, window] :
         std::vector<std::pair<MenuItem*, Form*>>{{&main().Forex1, &program->Form4},
                                                  {&main().Forex2, &program->Form3},
                                                  {&main().N4, &program->Form5}}) {
        SCOPED_TRACE(item->text());
        item->onClick();
        const int raised = window->raiseCount();
        EXPECT_TRUE(window->visible());
        item->onClick();
        EXPECT_EQ(window->raiseCount(), raised + 1) << "an open window comes to the front";
    }
}

TEST_F(MenuAndLinks, TheAboutWindowIsOneWindowThatOkHidesAndTheMenuShowsAgain) {
    EXPECT_EQ(about().Label3.text(), "") << "the rights line is always empty";
    main().N2.onClick();
    const int raised = about().raiseCount();
    main().N2.onClick();
    EXPECT_TRUE(about().visible());
    EXPECT_EQ(about().raiseCount(), raised) << "an open About window is not brought forward";
    about().Button1.onClick();
    EXPECT_FALSE(about().visible());
    main().N2.onClick();
    EXPECT_TRUE(about().visible());
    EXPECT_EQ(about().Label1.text(), "Pelorix v. 2.0");
}

} // namespace
} // namespace pelorix
