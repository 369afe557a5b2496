// What a scenario that does not hold, or does not parse, tells its author.
#include "ScenarioFixture.h"

class ScenarioLanguage : public ScenarioFixture {};

TEST_F(ScenarioLanguage, AFailedLineEndsTheRunAndIsNamed) {
    struct Case {
        const char* script;
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {"expect \"window visible=1\"\nexpect \"window visible=0\"\nquit\n", 1,
         ":2: expect: no line of the state holds \"window visible=0\""},
        {"click 9999\n", 1, ":1: click: there is no control 9999"},
        {"click 2100\n", 1, ":1: click: control 2100 is not visible"},
        {"expect-dialog \"Attention!\" \"The keyboard is disconnection\"\nclick 2004\n", 1,
         ":1: expect-dialog: no dialog appeared"},
        {"\n# the keyboard goes\nexpect \"link connected=1\"\ndetach\n", 1,
         ":4: detach: a dialog nobody expected was shown"},
        {"quit\nclick 2004\n", 1, ":2: click: the main window has closed"},
        {"expect-message \"you had run one app!\"\n", 1, ":1: expect-message: no message box appeared"},
        {"popup click \"Stop\"\n", 1, ":1: popup: no popup is open"},
        {"popup choose \"Stop\"\n", 1, ":1: popup: hover, press, release or click expected"},
        {"frobnicate 3\n", 2, ":1: unknown command \"frobnicate\""},
        {"click\n", 2, ":1: \"click\" takes 1 words"},
        {"expect \"open\n", 2, ":1: a quote is not closed"},
    };
    for (const Case& c : cases) {
        Run run = RunScript(c.script);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.script;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.script << "\n" << run.err;
    }
}
