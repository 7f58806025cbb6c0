#include "platform/JdkRegistryView.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string kJdkKey(CJdkRegistryView::kJdkKey);

// A JDK folder with bin/javac and, when given, a release file.
std::string MakeJdk(const CTempDir& dir, const std::string& name, const char* release)
{
    const std::string javac = dir.Write(name + "/bin/javac", "#!/bin/sh\n");
    ::chmod(javac.c_str(), 0755);
    if (release != nullptr)
        dir.Write(name + "/release", release);
    return dir.File(name);
}

void Link(const std::string& target, const std::string& link)
{
    std::filesystem::create_directories(std::filesystem::path(link).parent_path());
    std::filesystem::create_symlink(target, link);
}

std::string Real(const std::string& path)
{
    return std::filesystem::canonical(path).string();
}

}  // namespace

TEST(JdkRegistryView, FeatureVersionOfTheReleaseVersion)
{
    const std::pair<const char*, const char*> rows[] = {
        {"17.0.15", "17"}, {"21", "21"}, {"22-ea", "22"}, {"1.8.0_292", "1.8"},
        {"1.7", "1.7"},    {"1", "1"},   {"1.", "1"},     {"", ""},
        {"abc", ""},       {"11.0.2+9", "11"},
    };
    for (const auto& [version, feature] : rows)
        EXPECT_EQ(CJdkRegistryView::FeatureVersion(version), feature) << version;
}

TEST(JdkRegistryView, ReadsJavaVersionFromTheReleaseFile)
{
    CTempDir dir;
    dir.Write("a/release", "IMPLEMENTOR=\"Debian\"\nJAVA_RUNTIME_VERSION=\"17.0.15+6\"\nJAVA_VERSION=\"17.0.15\"\n");
    dir.Write("b/release", "JAVA_VERSION=1.8.0_292\r\n");
    dir.Write("c/release", "IMPLEMENTOR=\"x\"\n");
    EXPECT_EQ(CJdkRegistryView::ReadReleaseVersion(dir.File("a")), "17.0.15");
    EXPECT_EQ(CJdkRegistryView::ReadReleaseVersion(dir.File("b")), "1.8.0_292");
    EXPECT_EQ(CJdkRegistryView::ReadReleaseVersion(dir.File("c")), "");
    EXPECT_EQ(CJdkRegistryView::ReadReleaseVersion(dir.File("none")), "");
}

TEST(JdkRegistryView, DefaultLinkGivesVersionAndHome)
{
    CTempDir dir;
    const std::string jdk = MakeJdk(dir, "jvm/java-17", "JAVA_VERSION=\"17.0.15\"\n");
    Link(jdk, dir.File("jvm/default-java"));
    const auto view = CJdkRegistryView::Discover({dir.File("jvm/default-java"), ""});
    EXPECT_EQ(view.QueryValue(kJdkKey, "CurrentVersion"), "17");
    EXPECT_EQ(view.QueryValue(kJdkKey + "\\17", "JavaHome"), Real(jdk)) << "the link is resolved";
}

TEST(JdkRegistryView, JavacOnTheSearchPathWhenTheDefaultLinkHasNoCompiler)
{
    CTempDir dir;
    const std::string jdk = MakeJdk(dir, "jvm/jdk8", "JAVA_VERSION=\"1.8.0_292\"\n");
    dir.Write("jvm/jre/release", "JAVA_VERSION=\"17\"\n");  // a runtime only
    Link(jdk + "/bin/javac", dir.File("usr/bin/javac"));
    dir.Write("first/javac", "not executable");
    const std::string path = ":" + dir.File("first") + ":" + dir.File("usr/bin") + ":" + dir.File("later");
    for (const std::string& defaultLink : {dir.File("jvm/missing"), dir.File("jvm/jre")}) {
        const auto view = CJdkRegistryView::Discover({defaultLink, path});
        EXPECT_EQ(view.QueryValue(kJdkKey, "CurrentVersion"), "1.8") << defaultLink;
        EXPECT_EQ(view.QueryValue(kJdkKey + "\\1.8", "JavaHome"), Real(jdk)) << defaultLink;
    }
}

TEST(JdkRegistryView, NoJdkOrNoReleaseFileLeavesTheKeyMissing)
{
    CTempDir dir;
    const std::string bare = MakeJdk(dir, "bare", nullptr);
    dir.Write("tools/javac", "#!/bin/sh\n");
    ::chmod(dir.File("tools/javac").c_str(), 0755);  // not in a bin folder of a JDK
    const CJdkSearch searches[] = {
        {dir.File("missing"), ""},
        {bare, ""},
        {dir.File("missing"), dir.File("tools")},
    };
    for (const auto& search : searches) {
        const auto view = CJdkRegistryView::Discover(search);
        EXPECT_EQ(view.QueryValue(kJdkKey, "CurrentVersion"), "") << search.strDefaultJavaPath;
        EXPECT_EQ(CJdkRegistryView::FindDefaultJdk(search).empty(), search.strDefaultJavaPath != bare);
    }
}

TEST(JdkRegistryView, KeysCompareWithoutCaseValueNamesExactly)
{
    auto machine = CRegFile::Parse("Windows Registry Editor Version 5.00\n\n"
                                   "[HKEY_LOCAL_MACHINE\\SOFTWARE\\JavaSoft\\Java Development Kit]\n"
                                   "\"CurrentVersion\"=\"1.3\"\n"
                                   "\"Number\"=dword:1\n\n");
    ASSERT_TRUE(machine.has_value());
    const CJdkRegistryView view(*machine);
    EXPECT_EQ(view.QueryValue("software\\javasoft\\java development kit", "CurrentVersion"), "1.3");
    EXPECT_EQ(view.QueryValue(kJdkKey, "currentversion"), "");
    EXPECT_EQ(view.QueryValue(kJdkKey, "Number"), "");
    EXPECT_EQ(view.QueryValue(kJdkKey + "\\1.3", "JavaHome"), "");
}
