#include <gtest/gtest.h>

#include <filesystem>

#include "app/clsFileSystemObject.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

namespace fs = std::filesystem;

struct PathCase {
    const char* name;
    std::string (*op)(const clsFileSystemObject&, const std::string&);
    const char* input;
    const char* expected;
};

std::string fileName(const clsFileSystemObject& f, const std::string& p) {
    return f.GetFileName(p);
}
std::string extension(const clsFileSystemObject& f, const std::string& p) {
    return f.GetExtensionName(p);
}
std::string parent(const clsFileSystemObject& f, const std::string& p) {
    return f.GetParentFolderName(p);
}

TEST(clsFileSystemObject, PathPieces) {
    const PathCase cases[] = {
        {"name after the last slash", fileName, "/dir/a.b.txt", "a.b.txt"},
        {"name without folder is whole", fileName, "README", "README"},
        {"name of a folder path ending in slash is empty", fileName, "/dir/", ""},
        {"extension after the last dot", extension, "/dir/a.b.txt", "txt"},
        {"no dot, no extension", extension, "README", ""},
        {"a dot in the folder is no extension", extension, "/d.x/README", ""},
        {"parent drops one trailing slash", parent, "/dir/sub/", "/dir"},
        {"parent of a bare name is empty", parent, "a.txt", ""},
        {"parent of a file in the root is the root", parent, "/a.txt", "/"},
        {"parent of a relative path", parent, "SysData/Temp/x.dat", "SysData/Temp"},
    };
    const clsFileSystemObject fso;
    for (const auto& c : cases) EXPECT_EQ(c.op(fso, c.input), c.expected) << c.name;
}

TEST(clsFileSystemObject, FullPathJoinsRelativePathsToTheProgramFolder) {
    test::TempProgramFolder home;
    const clsFileSystemObject fso;
    EXPECT_EQ(fso.GetFullPath("SysData/Temp"), home.str() + "/SysData/Temp");
    EXPECT_EQ(fso.GetFullPath("/var/x"), "/var/x");
    EXPECT_EQ(fso.BuildPath("/", "a.txt"), "/a.txt");
    EXPECT_EQ(fso.BuildPath("/dir", "a.txt"), "/dir/a.txt");
    EXPECT_EQ(fso.BuildPath("/dir/", "a.txt"), "/dir/a.txt");
    EXPECT_EQ(fso.ExtensionCheck("a.CSV", "csv"), "a.CSV");
    EXPECT_EQ(fso.ExtensionCheck("a.txt", "csv"), "a.txt.csv");
}

TEST(clsFileSystemObject, FileExistsMatchesNormalFilesWithWildcards) {
    test::TempProgramFolder home;
    home.write("SysData/Temp/Brenvik_Result_12.dat", "x");
    home.write("SysData/Temp/.hidden", "x");
    fs::create_directories(home.path() / "SysData/Temp/folder.dat");
    test::MessageRecorder rec;
    const clsFileSystemObject fso;
    struct {
        const char* path;
        bool exists;
    } const cases[] = {
        {"SysData/Temp/*.dat", true},
        {"SysData/Temp/Brenvik_Result_??.dat", true},
        {"SysData/Temp/Brenvik_Result_?.dat", false},
        {"SysData/Temp/*.xml", false},
        {"SysData/Temp/.hid*", true},        // hidden files count
        {"SysData/Temp/folder.dat", false},  // a folder is no file
        {"SysData/Temp/folder.*", false},
        {"SysData/Temp/Brenvik_Result_12.dat", true},
        {"SysData/Missing/*.dat", false},
        {"SysData/Temp/Brenvik_Result_12.dat/x", false},  // below a file: not there, no error
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(fso.FileExists(c.path), c.exists) << c.path;
    EXPECT_TRUE(fso.FolderExists("SysData/Temp"));
    EXPECT_TRUE(fso.FolderExists("SysData/Temp/"));
    EXPECT_TRUE(fso.FolderExists("SysData/Temp/Brenvik_Result_12.dat"));  // a file counts
    EXPECT_FALSE(fso.FolderExists("SysData/Nothing"));
    EXPECT_TRUE(rec.boxes.empty());
}

TEST(clsFileSystemObject, ExistenceTestsReportRunTimeErrors) {
    test::MessageRecorder rec;
    const clsFileSystemObject fso;
    EXPECT_FALSE(fso.FileExists(std::string("/tmp/a\0b", 8)));
    EXPECT_FALSE(fso.FolderExists("/" + std::string(5000, 'x')));
    ASSERT_EQ(rec.boxes.size(), 2u);
    EXPECT_EQ(rec.boxes[0].icon, MessageIcon::Error);
    EXPECT_EQ(rec.boxes[0].title, "Brenvik / clsFileSystemObject / FileExists");
    EXPECT_EQ(rec.boxes[0].text, "パス名が無効です。 ( 75 )");
    EXPECT_EQ(rec.boxes[1].title, "Brenvik / clsFileSystemObject / FolderExists");
}

TEST(clsFileSystemObject, MatchesPatternByCharacters) {
    struct {
        const char* name;
        const char* pattern;
        bool match;
    } const cases[] = {
        {"qel101.dat", "qel*.dat", true},
        {"qel101.dat", "qel???.dat", true},
        {"qel10.dat", "qel???.dat", false},
        {"a.dat.bak", "*.dat", false},
        {"本命.txt", "??.txt", true},  // "?" is one character, not one byte
        {"abc", "*", true},
        {"", "*", true},
        {"aXbXc", "a*b*c", true},
        {"abcb", "*b", true},
        {"A.DAT", "*.dat", false},  // the file system's letter case counts
    };
    for (const auto& c : cases)
        EXPECT_EQ(clsFileSystemObject::MatchesPattern(c.name, c.pattern), c.match)
            << c.name << " ~ " << c.pattern;
}

TEST(clsFileSystemObject, FileListNamesOnlyNormalFilesSortedByByteOrder) {
    test::TempProgramFolder home;
    for (const char* n : {"b.kvr", "B.kvr", "a.kvr", "あ.kvr", "a.txt", "_.kvr"})
        home.write(std::string("UserData/") + n, "x");
    fs::create_directories(home.path() / "UserData/sub.kvr");
    const clsFileSystemObject fso;
    std::vector<std::string> list{"stale"};
    ASSERT_EQ(fso.GetFileList("UserData/*.kvr", list, true), 5);
    EXPECT_EQ(list, (std::vector<std::string>{"B.kvr", "_.kvr", "a.kvr", "b.kvr", "あ.kvr"}));

    ASSERT_EQ(fso.GetFileList("UserData/*", list, false), 6);
    std::sort(list.begin(), list.end());
    EXPECT_EQ(list.front(), "B.kvr");
    EXPECT_EQ(fso.GetFileList("UserData/*.csv", list, true), 0);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(fso.GetFileList("Missing/*", list, true), 0);
}

TEST(clsFileSystemObject, FolderCheckCreatesEveryMissingParent) {
    test::TempProgramFolder home;
    home.write("file", "x");
    const clsFileSystemObject fso;
    EXPECT_TRUE(fso.FolderCheck("UserData/Brenvik/deep"));
    EXPECT_TRUE(fs::is_directory(home.path() / "UserData/Brenvik/deep"));
    EXPECT_TRUE(fso.FolderCheck("UserData/Brenvik/deep"));  // already there
    EXPECT_FALSE(fso.FolderCheck("file/sub"));              // below a file
}

TEST(clsFileSystemObject, ShellMoveWithWildcardsAndExistingTargets) {
    test::TempProgramFolder home;
    home.write("UserData/a.kvr", "new a");
    home.write("UserData/b.kvr", "new b");
    home.write("UserData/keep.txt", "t");
    home.write("UserData/Brenvik/b.kvr", "old b");
    const clsFileSystemObject fso;

    // Without yes-to-all an existing target stays and that move fails; the others go.
    EXPECT_FALSE(fso.ShellMove("UserData/*.kvr", "UserData/Brenvik", false));
    EXPECT_EQ(home.read("UserData/Brenvik/a.kvr"), "new a");
    EXPECT_EQ(home.read("UserData/Brenvik/b.kvr"), "old b");
    EXPECT_TRUE(home.exists("UserData/b.kvr"));

    EXPECT_TRUE(fso.ShellMove("UserData/b.kvr", "UserData/Brenvik", true));
    EXPECT_EQ(home.read("UserData/Brenvik/b.kvr"), "new b");
    EXPECT_FALSE(home.exists("UserData/b.kvr"));
    EXPECT_TRUE(home.exists("UserData/keep.txt"));

    // Onto a new name, creating the folder it lies in.
    EXPECT_TRUE(fso.ShellMove("UserData/keep.txt", "Other/renamed.txt", false));
    EXPECT_EQ(home.read("Other/renamed.txt"), "t");
    EXPECT_FALSE(fso.ShellMove("UserData/none.*", "UserData/Brenvik", true));
    EXPECT_FALSE(fso.ShellMove("UserData/none.txt", "UserData/Brenvik", true));
}

}  // namespace
}  // namespace brenvik
