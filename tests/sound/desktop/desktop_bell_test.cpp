// The desktop's bell says when it cannot sound, so that the toolkit's beep takes its place: with
// no libcanberra, with a library that is not libcanberra, and with nothing to play on. (That it
// does sound through a running server is heard in sound_server_test.cpp.)
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <fstream>

#include "../sound_fixtures.h"
#include "platform/desktop_bell.h"
#include "pulse_server.h"

namespace gorvo::test {
namespace {

using platform::Canberra;
using platform::DesktopBell;

constexpr const char* kMissingFile = "libgorvo-missing-canberra.so.0";

// Made once and kept, as the program keeps its own.
const Canberra& missing_canberra() {
    static const Canberra canberra(kMissingFile);
    return canberra;
}

const Canberra& not_canberra() {
    static const Canberra canberra("libc.so.6");  // certainly there, certainly not libcanberra
    return canberra;
}

TEST(DesktopBell, WithoutLibcanberraItDoesNotSoundAndSaysWhy) {
    DesktopBell bell(&missing_canberra);
    EXPECT_FALSE(bell.ring());
    const std::string lead = std::string(kMissingFile) + " could not be loaded: ";
    EXPECT_EQ(bell.error().rfind(lead, 0), 0u) << bell.error();
    EXPECT_GT(bell.error().size(), lead.size()) << "the system's reason is missing";
    EXPECT_FALSE(bell.ring()) << "and again, without a crash";
}

TEST(DesktopBell, ALibraryWithoutItsFunctionsIsNamedWithTheFirstMissingOne) {
    DesktopBell bell(&not_canberra);
    EXPECT_FALSE(bell.ring());
    EXPECT_EQ(bell.error().rfind("libc.so.6 has no ca_context_create: ", 0), 0u) << bell.error();
}

TEST(DesktopBell, WithNoSoundServerAndNoDeviceItDoesNotSound) {
    void* present = dlopen(platform::kCanberraFile, RTLD_NOW | RTLD_NOLOAD);
    if (present == nullptr) present = dlopen(platform::kCanberraFile, RTLD_NOW);
    if (present == nullptr) {
        GTEST_SKIP() << "this machine has no libcanberra (scripts/install-deps.sh installs "
                        "libcanberra0)";
    }
    TempDir dir;
    PrivateSoundSession session(dir.path() / "run");
    ScopedEnv no_server("PULSE_SERVER", "unix:" + (dir.path() / "run" / "nothing").string());
    std::ofstream(dir.path() / "asound.conf") << "# no devices at all\n";
    ScopedEnv no_device("ALSA_CONFIG_PATH", (dir.path() / "asound.conf").string());

    DesktopBell bell;
    EXPECT_FALSE(bell.ring());
    EXPECT_EQ(bell.error().rfind("the bell could not be played: ", 0), 0u) << bell.error();
}

}  // namespace
}  // namespace gorvo::test
