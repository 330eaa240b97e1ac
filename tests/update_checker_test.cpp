// The update checker against a real HTTP server on 127.0.0.1 run by the test.
#include <gtest/gtest.h>

// Winsock 2 before <windows.h>, which the program headers bring in.
#include "support/http_test_server.h"

#include "app/update/update_check.h"
#include "app/update/update_checker.h"
#include "app/main_window.h"
#include "runtime/window.h"
#include "support/fake_services.h"
#include "support/own_window.h"

namespace {

const char kPath[] = "/app/qzbwl/qzbwl.txt";
const char kSeparator[] = "【↑更新↑】";

std::string Manifest(const std::string& version, const std::string& enabled, const std::string& notes,
                     const std::string& address) {
    return version + kSeparator + enabled + kSeparator + notes + kSeparator + address;
}

TEST(Manifest, IsFetchedFromTheSitesManifestPath) {
    std::string address = ManifestAddress;
    EXPECT_EQ(address.compare(0, 7, "http://"), 0) << address;
    ASSERT_GT(address.size(), sizeof kPath - 1);
    EXPECT_EQ(address.substr(address.size() - (sizeof kPath - 1)), kPath) << address;
    EXPECT_EQ(address.find('/', 7), address.size() - (sizeof kPath - 1)) << "the path follows the host: " << address;
}

TEST(Manifest, SplitsAtEverySeparatorAndNowhereElse) {
    const struct {
        std::string text;
        std::vector<std::string> parts;
    } cases[] = {
        {"1.1【↑更新↑】真【↑更新↑】说明【↑更新↑】http://d/x.exe", {"1.1", "真", "说明", "http://d/x.exe"}},
        {"a【↑更新↑】【↑更新↑】b【↑更新↑】", {"a", "", "b", ""}},
        // The separator's pieces alone, and the arrows without the brackets, split nothing.
        {"a【b】c↑更新↑d【↑更新e", {"a【b】c↑更新↑d【↑更新e"}},
        {"", {""}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitManifest(c.text), c.parts) << c.text;
    EXPECT_STREQ(ManifestSeparator, kSeparator);
}

class UpdateCheckerTest : public ::testing::Test {
protected:
    FakeServices fake;
    HttpTestServer server;
    UpdateChecker* checker = NewUpdateChecker();

    void SetUp() override { fake.realHttp = true; }
    void TearDown() override { checker->ops->destroy(checker); }

    std::string Url() { return server.url(kPath); }
    bool FetchServing(const std::string& body) {
        server.serve(kPath, 200, body);
        return checker->ops->Fetch(checker, Url());
    }
};

TEST_F(UpdateCheckerTest, DecidesWhetherToOfferAnUpdate) {
    struct Case {
        std::string manifest;
        bool offered;
    } cases[] = {
        {Manifest("1", "真", "说明", "http://d/x.exe"), false},       // the program's own version
        {Manifest("1.1", "真", "修复若干问题", "http://d/x.exe"), true},
        {Manifest("1.1", "假", "n", "http://d/x.exe"), false},
        {Manifest("1.1", "true", "n", "http://d/x.exe"), false},
        {Manifest("1.1", " 真", "n", "http://d/x.exe"), false},       // not trimmed
        {Manifest("0.9", "真", "a", "b"), true},                      // lower counts as different
        {Manifest("1.00000001", "真", "n", "http://d/x.exe"), false},  // within 1e-7
        {Manifest("abc", "真", "n", "http://d/x.exe"), true},          // not a number: 0
        {Manifest("2", "真", "n", "http://d/x.exe") + kSeparator + "extra", true},  // five parts
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(FetchServing(c.manifest)) << c.manifest;
        EXPECT_EQ(checker->ops->IsUpdateAvailable(checker, "1"), c.offered) << c.manifest;
    }
}

TEST_F(UpdateCheckerTest, ReadsTheFourFieldsAndIgnoresTheRest) {
    ASSERT_TRUE(FetchServing(Manifest("1.1", "真", "第一行\r\n第二行", "http://d/x.exe") + kSeparator + "more"));
    EXPECT_EQ(checker->ops->Version(checker), "1.1");
    EXPECT_TRUE(checker->ops->IsEnabled(checker));
    EXPECT_EQ(checker->ops->Notes(checker), "第一行\r\n第二行");
    EXPECT_EQ(checker->ops->DownloadAddress(checker), "http://d/x.exe");
    UpdateChecker* copy = checker->ops->copy(checker);
    EXPECT_EQ(copy->ops, &UpdateCheckerTable);
    EXPECT_EQ(copy->fields, checker->fields);
    copy->ops->destroy(copy);
}

TEST_F(UpdateCheckerTest, AnythingButAFullManifestIsNoManifest) {
    server.serve("/missing", 404, Manifest("2", "真", "n", "http://d"));
    server.serve(kPath, 200, "");
    struct Case {
        const char* what;
        std::string url;
    } cases[] = {
        {"empty reply", Url()},
        {"404", server.url("/missing")},
        {"refused port", "http://127.0.0.1:1/app/qzbwl/qzbwl.txt"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(checker->ops->Fetch(checker, c.url)) << c.what;
        EXPECT_EQ(checker->ops->Version(checker), "") << c.what;
        EXPECT_FALSE(checker->ops->IsEnabled(checker)) << c.what;
        EXPECT_FALSE(checker->ops->IsUpdateAvailable(checker, "1")) << c.what;
        EXPECT_FALSE(checker->ops->PromptAndUpdate(checker)) << c.what;
    }
    EXPECT_FALSE(FetchServing(std::string("1.1") + kSeparator + "真" + kSeparator + "three"));
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(UpdateCheckerTest, ComposeIsTheInverseOfFetch) {
    std::string composed = checker->ops->ComposeManifest(checker, "1.2", true, "说明\r\n", "http://d/x.exe");
    EXPECT_EQ(composed, Manifest("1.2", "真", "说明\r\n", "http://d/x.exe"));
    EXPECT_EQ(checker->ops->ComposeManifest(checker, "1", false, "", ""), Manifest("1", "假", "", ""));
    ASSERT_TRUE(FetchServing(composed));
    EXPECT_EQ(checker->ops->Version(checker), "1.2");
    EXPECT_TRUE(checker->ops->IsEnabled(checker));
    EXPECT_EQ(checker->ops->Notes(checker), "说明\r\n");
    EXPECT_EQ(checker->ops->DownloadAddress(checker), "http://d/x.exe");
}

TEST_F(UpdateCheckerTest, YesOpensTheAddressAndEndsTheProgram) {
    ASSERT_TRUE(FetchServing(Manifest("1.1", "真", "修复若干问题", "http://d/x.exe")));
    fake.answers = {5};  // Yes
    EXPECT_TRUE(checker->ops->PromptAndUpdate(checker));
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "检测到软件有新版本，请问是否更新？\r\n\r\n更新说明：\r\n修复若干问题");
    EXPECT_EQ(fake.messages[0].flags, 36u);
    EXPECT_EQ(fake.messages[0].caption, "更新");
    EXPECT_EQ(fake.shellOpens, std::vector<std::string>{"http://d/x.exe"});
    EXPECT_EQ(fake.endCalls, std::vector<int>{0});
}

TEST_F(UpdateCheckerTest, NoCarriesOn) {
    ASSERT_TRUE(FetchServing(Manifest("1.1", "真", "n", "https://d/x.exe")));
    fake.answers = {6};  // No
    EXPECT_FALSE(checker->ops->PromptAndUpdate(checker));
    EXPECT_EQ(fake.messages.size(), 1u);
    EXPECT_TRUE(fake.shellOpens.empty());
    EXPECT_TRUE(fake.endCalls.empty());
}

TEST_F(UpdateCheckerTest, OnlyAWebAddressIsEverOffered) {
    for (const char* address : {"C:\\Windows\\system32\\calc.exe", "file:///C:/x.exe", "\\\\host\\share\\x.exe", ""}) {
        ASSERT_TRUE(FetchServing(Manifest("1.1", "真", "n", address)));
        EXPECT_FALSE(checker->ops->PromptAndUpdate(checker)) << address;
    }
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_TRUE(fake.shellOpens.empty());
    EXPECT_TRUE(fake.endCalls.empty());
}

// The check as the program runs it, while the main window is being created.
class UpdateAtStart : public ::testing::Test {
protected:
    std::string offer = Manifest("1.1", "真", "修复若干问题", "http://d/x.exe");
};

TEST_F(UpdateAtStart, NoShowsTheMainWindowAsUsual) {
    FakeServices fake;
    fake.pages[ManifestAddress] = offer;
    fake.answers = {6};
    HWND main = LoadMainWindow();
    ASSERT_TRUE(main);
    EXPECT_TRUE(IsWindowVisible(main));
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].caption, "更新");
    EXPECT_TRUE(fake.shellOpens.empty());
    DestroyWindow(main);
}

TEST_F(UpdateAtStart, NoManifestMeansNoQuestion) {
    FakeServices fake;
    HWND main = LoadMainWindow();
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_TRUE(fake.messages.empty());
    DestroyWindow(main);
}

// Ends the process for real, with code 0 only when the download address was opened
// first and the main window never showed.
struct EndingServices : FakeServices {
    void endProgram(int exitCode) override {
        HWND main = FindOwnWindow("LzWindow", "岚舟备忘录");
        bool ok = shellOpens == std::vector<std::string>{"http://d/x.exe"} && !(main && IsWindowVisible(main));
        rt::realServices().endProgram(ok ? exitCode : 99);
    }
};

TEST_F(UpdateAtStart, YesOpensTheDownloadAndEndsBeforeTheWindowShows) {
    EXPECT_EXIT(
        {
            EndingServices fake;
            fake.pages[ManifestAddress] = offer;
            fake.answers = {5};
            LoadMainWindow();
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
