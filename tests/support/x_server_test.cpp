// The private X server: a display of its own for each server, connectable at once, gone with the
// object; and the desktop helpers see the screen size asked for.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <stdexcept>
#include <vector>

#include "support/qt/test_app.h"
#include "support/qt/x_desktop.h"
#include "support/x_server.h"

namespace gorvo::test {
namespace {

TEST(XServer, ServersSideBySideEachHaveTheirOwnDisplayThatAnswersUntilTheyEnd) {
    std::vector<std::unique_ptr<XServer>> servers;
    std::set<std::string> displays;
    for (int i = 0; i < 3; ++i) {
        servers.push_back(std::make_unique<XServer>());
        const std::string& display = servers.back()->display();
        EXPECT_TRUE(x_display_answers(display)) << display;
        displays.insert(display);
    }
    EXPECT_EQ(displays.size(), 3u);
    const std::string first = servers.front()->display();
    servers.erase(servers.begin());
    EXPECT_FALSE(x_display_answers(first)) << first << " still answers after its server ended";
    EXPECT_TRUE(x_display_answers(servers.front()->display()));
}

TEST(XServer, AScreenXvfbRefusesIsReportedWithItsOutput) {
    try {
        XServer server("not-a-size");
        FAIL() << "started on " << server.display();
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("Invalid screen configuration not-a-size"),
                  std::string::npos)
            << e.what();
    }
}

TEST(XDesktop, TheScreenshotHasTheScreenSizeAskedFor) {
    ensure_qt_core_app();
    XServer server("640x480x24");
    const XDesktop desktop(server.display());
    EXPECT_EQ(desktop.screenshot().size(), QSize(640, 480));
    EXPECT_TRUE(desktop.windows("^no such window$").isEmpty());
}

}  // namespace
}  // namespace gorvo::test
