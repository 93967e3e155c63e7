#include <gtest/gtest.h>

#include <set>
#include <sys/stat.h>

#include "app/Shell.h"
#include "app/clsShell.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

TEST(ShellSplit, APrefixNamingAFileTakesTheRestAsParameters) {
    const std::set<std::string> files = {"/opt/tools/viewer", "/opt/my tools/v"};
    auto exists = [&](const std::string& p) { return files.count(p) > 0; };
    const struct {
        const char* command;
        const char* file;
        const char* params;
    } cases[] = {
        {"/opt/tools/viewer /home/a b.txt", "/opt/tools/viewer", "/home/a b.txt"},
        {"/opt/my tools/v -x", "/opt/my tools/v", "-x"},  // the split looks past a blank
        {"/opt/missing /home/a b.txt", "/opt/missing /home/a b.txt", ""},
        {"https://example.invalid/x", "https://example.invalid/x", ""},
        {" /opt/tools/viewer x", " /opt/tools/viewer x", ""},  // a blank first: no split
    };
    for (const auto& c : cases) {
        const auto [file, params] = clsShell::SplitCommand(c.command, exists);
        EXPECT_EQ(file, c.file) << c.command;
        EXPECT_EQ(params, c.params) << c.command;
    }
}

class FakeShell final : public Shell {
public:
    FakeShell() { setShell(this); }
    ~FakeShell() override { setShell(nullptr); }
    bool open(const std::string& file, const std::string& params, int, bool) override {
        calls.push_back("open:" + file + "|" + params);
        return opens;
    }
    bool start(const std::string& commandLine, bool) override {
        calls.push_back("start:" + commandLine);
        return starts;
    }
    std::vector<std::string> calls;
    bool opens = true, starts = true;
};

TEST(ShellX, FallsBackToStartingTheCommandLine) {
    FakeShell fake;
    clsShell shell;
    bool ok = false;
    shell.ShellX("https://example.invalid/", 1, false, ok);
    EXPECT_TRUE(ok);
    fake.opens = false;
    shell.ShellX("viewer x", 1, true, ok);
    EXPECT_TRUE(ok);
    fake.starts = false;
    shell.ShellX("viewer x", 1, true, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(fake.calls, (std::vector<std::string>{"open:https://example.invalid/|",
                                                    "open:viewer x|", "start:viewer x",
                                                    "open:viewer x|", "start:viewer x"}));
}

TEST(ShellX, RealProcessIsWaitedFor) {
    test::TempProgramFolder dir;
    bool ok = false;
    clsShell().ShellX("touch " + dir.str() + "/done", 1, true, ok);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(dir.exists("done"));
}

TEST(Virtualstore, AReadOnlyProgramFolderNeedsTheAdministrator) {
    test::TempProgramFolder dir;
    clsShell shell;
    EXPECT_FALSE(shell.IsVirtualstore());
    EXPECT_TRUE(shell.CheckVirtualstoreAdmin());
    // Root may write anywhere, so only an ordinary user sees the folder as protected.
    ::chmod(dir.str().c_str(), 0555);
    EXPECT_EQ(shell.IsVirtualstore(), !shell.IsUserAdmin());
    EXPECT_TRUE(shell.CheckVirtualstoreAdmin() || !shell.IsUserAdmin());
}

// An ordinary user in a protected folder (CI runs as root, so the two answers are given).
class UserInProtectedFolder final : public clsShell {
public:
    bool IsUserAdmin() const override { return admin; }
    bool IsVirtualstore() const override { return true; }
    bool admin = false;
};

TEST(Virtualstore, RefusalMessageUnlessAdministrator) {
    test::MessageRecorder rec;
    UserInProtectedFolder shell;
    EXPECT_FALSE(shell.CheckVirtualstoreAdmin());
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].icon, MessageIcon::Warning);
    EXPECT_EQ(rec.boxes[0].title, "管理権限不足エラー");
    EXPECT_EQ(rec.boxes[0].text,
              "Virtualstore対象フォルダでは一般権限で実行できません。\r\n"
              "アプリケーションを終了させ管理者として実行して下さい。");
    shell.admin = true;
    EXPECT_TRUE(shell.CheckVirtualstoreAdmin());
    EXPECT_EQ(rec.boxes.size(), 1u);
}

}  // namespace
}  // namespace brenvik
