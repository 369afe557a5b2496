#include "platform/core/Environment.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/core/Path.h"
#include "platform/core/ProgramFolder.h"

namespace {

// Sets an environment variable for one test and restores it afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(EnvironmentTest, AppDataAndUserProfileMapToLinuxFolders) {
    ScopedEnv appdata("APPDATA", nullptr), profile("USERPROFILE", nullptr);
    ScopedEnv home("HOME", "/home/someone"), xdg("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(core::environmentVariable("APPDATA"), "/home/someone/.config");
    EXPECT_EQ(core::environmentVariable("USERPROFILE"), "/home/someone");
    {
        ScopedEnv config("XDG_CONFIG_HOME", "/xdg");
        EXPECT_EQ(core::appDataFolder(), "/xdg");
    }
    ScopedEnv set("APPDATA", "/explicit");
    EXPECT_EQ(core::appDataFolder(), "/explicit");
    EXPECT_EQ(core::environmentVariable("NO_SUCH_VARIABLE_HERE"), std::nullopt);
}

TEST(EnvironmentTest, ProgramFolderIsOverridable) {
    ScopedEnv none("QUELDA_TEST_HOME", nullptr);
    EXPECT_EQ(core::programFolder("QUELDA_TEST_HOME"), core::executableFolder());
    ScopedEnv set("QUELDA_TEST_HOME", "/opt/quelda");
    EXPECT_EQ(core::programFolder("QUELDA_TEST_HOME"), "/opt/quelda");
}

TEST(PathTest, JoinsWithOneSlash) {
    struct Case {
        const char* folder;
        const char* name;
        const char* joined;
    } cases[] = {
        {"/a", "b", "/a/b"},
        {"/a/", "b", "/a/b"},
        {"/a", "/b", "/a/b"},
        {"", "b", "b"},
        {"a", "config/x.psf", "a/config/x.psf"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(core::joinPath(c.folder, c.name), c.joined) << c.folder << " + " << c.name;
    }
    EXPECT_EQ(core::parentFolder("/a/b/c"), "/a/b");
    EXPECT_EQ(core::parentFolder("/c"), "/");
    EXPECT_EQ(core::parentFolder("c"), "");
}

}  // namespace
