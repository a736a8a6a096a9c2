#include "rom/ProfileFolders.h"

#include "rom/RomError.h"
#include "tests/support/TempFiles.h"

#include <gtest/gtest.h>

#include <map>

using namespace rom;
using testing_support::TempDir;
using testing_support::WriteFileText;

namespace {

Environment Env(std::map<std::string, std::string> values) {
    return [values](const char* name) -> std::optional<std::string> {
        const auto found = values.find(name);
        if (found == values.end()) return std::nullopt;
        return found->second;
    };
}

} // namespace

TEST(UserProfileFolder, FollowsTheBaseDirectoryRules) {
    const std::pair<std::map<std::string, std::string>, const char*> cases[] = {
        {{{"XDG_CONFIG_HOME", "/c"}, {"HOME", "/h"}}, "/c/skirmela/profiles"},
        {{{"HOME", "/h"}}, "/h/.config/skirmela/profiles"},
        {{{"XDG_CONFIG_HOME", "relative"}, {"HOME", "/h"}}, "/h/.config/skirmela/profiles"},
        {{{"XDG_CONFIG_HOME", ""}, {"HOME", "/h"}}, "/h/.config/skirmela/profiles"},
        {{}, ""},
    };
    for (const auto& [env, expected] : cases) EXPECT_EQ(UserProfileFolder(Env(env)), expected);
}

TEST(FindOrCreateProfile, TheUsersProfileWinsAndAMissingOneIsCreatedWhereItCanBe) {
    TempDir dir;
    const auto env = Env({{"XDG_CONFIG_HOME", (dir / "config").string()}});
    const std::filesystem::path program = dir / "lib" / "skirmela",
                                user = dir / "config" / "skirmela" / "profiles";
    const std::filesystem::path shipped = dir / "share" / "skirmela" / "profiles";
    std::filesystem::create_directories(program / "Data");
    std::filesystem::create_directories(shipped);
    std::filesystem::create_directories(user);
    for (const auto& folder : {program / "Data", shipped}) WriteFileText(folder / "BPRE.ini", "");
    WriteFileText(shipped / "AXVE.ini", "");
    WriteFileText(user / "BPRE.ini", "");

    const ProfileFolders folders = StandardProfileFolders(program, env);
    EXPECT_EQ(folders.searched, (std::vector<std::filesystem::path>{user, program / "Data", shipped}));
    EXPECT_EQ(FindOrCreateProfile(folders, "BPRE"), user / "BPRE.ini");
    EXPECT_EQ(FindOrCreateProfile(folders, "AXVE"), shipped / "AXVE.ini");
    // A game nobody knows gets its empty profile beside the program, where it can be written...
    EXPECT_EQ(FindOrCreateProfile(folders, "ABCD"), program / "Data" / "ABCD.ini");
    EXPECT_TRUE(std::filesystem::exists(program / "Data" / "ABCD.ini"));
    // ... and in the user's folder when there is no folder beside the program (an installed copy).
    std::filesystem::remove_all(program / "Data");
    std::filesystem::remove_all(user);
    EXPECT_EQ(FindOrCreateProfile(StandardProfileFolders(program, env), "WXYZ"), user / "WXYZ.ini");
    EXPECT_FALSE(std::filesystem::exists(program / "Data"));

    // With no place to create it, the message names where it was looked for.
    try {
        FindOrCreateProfile(OnlyProfileFolder(dir / "none"), "QQQQ");
        ADD_FAILURE() << "created a profile with no folder";
    } catch (const FileAccessError& e) {
        EXPECT_NE(std::string(e.what()).find((dir / "none").string()), std::string::npos) << e.what();
    }
}
