// The desktop entry and the AppStream metainfo: valid for their validators, and naming what the
// install really put in place.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "installed_tree.h"

namespace gorvo::install::test {
namespace {

namespace fs = std::filesystem;

using DesktopEntry = InstalledTreeTest;
using Metainfo = InstalledTreeTest;

// A component id of the plain program name is not a reversed domain name; without a domain of
// its own the game keeps the plain name, which the validator mentions but accepts.
const char* const kAcceptedPlainId = "--override=cid-desktopapp-is-not-rdns=info";

// The value of `key` in a desktop entry; empty when the key is missing.
std::string entry_value(const std::string& entry, const std::string& key) {
    return text_between("\n" + entry, "\n" + key + "=", "\n");
}

std::string first_word(const std::string& text) {
    return text.substr(0, text.find(' '));
}

CommandRun validate_metainfo(const fs::path& file) {
    return run(command_line(
        {GORVO_APPSTREAMCLI, "validate", "--no-net", kAcceptedPlainId, file.string()}));
}

// Writes the metainfo as the install does, with the given web addresses.
fs::path write_metainfo(const fs::path& folder, const std::string& homepage,
                        const std::string& screenshots) {
    const fs::path file = folder / "gorvo250.metainfo.xml";
    const CommandRun written =
        run(command_line({GORVO_CMAKE, "-DOUTPUT=" + file.string(),
                          std::string("-DVERSION=") + GORVO_VERSION, "-DRELEASE_DATE=2020-02-29",
                          "-DHOMEPAGE_URL=" + homepage, "-DSCREENSHOTS_URL=" + screenshots, "-P",
                          std::string(GORVO_SOURCE_DIR) + "/packaging/metainfo.cmake"}));
    EXPECT_EQ(written.exit_status, 0) << written.output;
    return file;
}

TEST_F(DesktopEntry, PassesTheValidator) {
    ASSERT_STRNE(GORVO_DESKTOP_FILE_VALIDATE, "") << "desktop-file-validate is not installed";
    const CommandRun validated =
        run(command_line({GORVO_DESKTOP_FILE_VALIDATE,
                          (tree().share() / "applications" / "gorvo250.desktop").string()}));
    EXPECT_EQ(validated.exit_status, 0) << validated.output;
    EXPECT_EQ(validated.output, "") << "warnings or hints";
}

TEST_F(DesktopEntry, StartsAnInstalledLauncherAndShowsAnInstalledIcon) {
    const std::string entry = read_file(tree().share() / "applications" / "gorvo250.desktop");
    ASSERT_FALSE(entry.empty());
    for (const char* key : {"Exec", "TryExec"}) {
        const std::string program = first_word(entry_value(entry, key));
        EXPECT_TRUE(fs::is_regular_file(tree().launcher_dir() / program))
            << key << " names " << program << ", which is not installed in bin/";
    }
    const std::string icon = entry_value(entry, "Icon");
    ASSERT_FALSE(icon.empty());
    const fs::path hicolor = tree().share() / "icons" / "hicolor";
    EXPECT_TRUE(fs::is_regular_file(hicolor / "scalable" / "apps" / (icon + ".svg"))) << icon;
    EXPECT_TRUE(fs::is_regular_file(hicolor / "48x48" / "apps" / (icon + ".png"))) << icon;
}

TEST_F(Metainfo, PassesTheValidatorAndNamesWhatIsInstalled) {
    ASSERT_STRNE(GORVO_APPSTREAMCLI, "") << "appstreamcli is not installed";
    const fs::path file = tree().share() / "metainfo" / "gorvo250.metainfo.xml";
    const CommandRun validated = validate_metainfo(file);
    EXPECT_EQ(validated.exit_status, 0) << validated.output;

    const std::string xml = read_file(file);
    // Software centres find the metainfo by the component id.
    EXPECT_EQ(text_between(xml, "<id>", "</id>") + ".metainfo.xml", file.filename().string());
    const std::string launchable =
        text_between(xml, "<launchable type=\"desktop-id\">", "</launchable>");
    EXPECT_TRUE(fs::is_regular_file(tree().share() / "applications" / launchable)) << launchable;
    for (const std::string& binary : all_between(xml, "<binary>", "</binary>")) {
        EXPECT_TRUE(fs::is_regular_file(tree().launcher_dir() / binary)) << binary;
    }
    EXPECT_NE(xml.find(std::string("<release version=\"") + GORVO_VERSION + "\""),
              std::string::npos);
}

TEST(MetainfoAddresses, PublishedScreenshotsAreCaptionedAndRenderedByTheBuild) {
    ASSERT_STRNE(GORVO_APPSTREAMCLI, "") << "appstreamcli is not installed";
    const TempFolder folder;
    const std::string shots = "https://127.0.0.1/gorvo250/screenshots";
    const fs::path file = write_metainfo(folder.path(), "https://127.0.0.1/gorvo250", shots + "/");
    const CommandRun validated = validate_metainfo(file);
    EXPECT_EQ(validated.exit_status, 0) << validated.output;

    const std::string xml = read_file(file);
    EXPECT_NE(xml.find("<url type=\"homepage\">https://127.0.0.1/gorvo250</url>"),
              std::string::npos);
    const std::vector<std::string> screenshots = all_between(
        text_between(xml, "<screenshots>", "</screenshots>"), "<screenshot", "</screenshot>");
    ASSERT_GE(screenshots.size(), 2u);
    for (const std::string& screenshot : screenshots) {
        EXPECT_GT(text_between(screenshot, "<caption>", "</caption>").size(), 10u) << screenshot;
        const std::string image = text_between(screenshot, "<image>", "</image>");
        ASSERT_EQ(image.rfind(shots + "/", 0), 0u) << image;
        const std::string name = image.substr(shots.size() + 1);
        EXPECT_TRUE(fs::is_regular_file(fs::path(GORVO_PREVIEWS_DIR) / name))
            << name << " is not among the pictures the build renders into previews/";
    }
}

TEST(MetainfoAddresses, AddressesOffTheWebAreLeftOut) {
    ASSERT_STRNE(GORVO_APPSTREAMCLI, "") << "appstreamcli is not installed";
    const TempFolder folder;
    // The default project address is a help page in the program folder.
    const fs::path file = write_metainfo(folder.path(), "Help/index.html", "");
    const CommandRun validated = validate_metainfo(file);
    EXPECT_EQ(validated.exit_status, 0) << validated.output;
    const std::string xml = read_file(file);
    EXPECT_EQ(xml.find("<url"), std::string::npos) << xml;
    EXPECT_EQ(xml.find("<screenshot"), std::string::npos) << xml;
    EXPECT_EQ(xml.find("@"), std::string::npos) << "a placeholder was left:\n" << xml;
}

}  // namespace
}  // namespace gorvo::install::test
