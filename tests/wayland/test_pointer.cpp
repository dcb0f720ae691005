// gorvo-test-pointer: a mouse for the Wayland tests. A compositor delivers pointer events only
// from an input device; this makes one through the compositor's virtual pointer interface and
// moves and clicks it as told, one command a line on its standard input:
//
//   move X Y     the pointer to output pixel (X, Y)
//   down         left button pressed
//   up           left button released
//
// Each command answers "ok" once the compositor has taken it, so the test goes on only then.
#include <linux/input-event-codes.h>
#include <wayland-client.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "virtual-pointer-unstable-v1-client-protocol.h"

namespace {

struct Globals {
    wl_seat* seat = nullptr;
    zwlr_virtual_pointer_manager_v1* manager = nullptr;
};

void on_global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
               std::uint32_t /*version*/) {
    auto* globals = static_cast<Globals*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && !globals->seat) {
        globals->seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
        globals->manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
    }
}

void on_global_remove(void*, wl_registry*, std::uint32_t) {}

const wl_registry_listener kRegistryListener = {on_global, on_global_remove};

// Event times only need to grow; a counter does.
std::uint32_t next_time() {
    static std::uint32_t time = 1000;
    return time += 10;
}

bool run_command(zwlr_virtual_pointer_v1* pointer, const std::string& line, std::uint32_t width,
                 std::uint32_t height) {
    unsigned x = 0, y = 0;
    if (std::sscanf(line.c_str(), "move %u %u", &x, &y) == 2) {
        zwlr_virtual_pointer_v1_motion_absolute(pointer, next_time(), x, y, width, height);
    } else if (line == "down" || line == "up") {
        zwlr_virtual_pointer_v1_button(
            pointer, next_time(), BTN_LEFT,
            line == "down" ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
    } else {
        return false;
    }
    zwlr_virtual_pointer_v1_frame(pointer);
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_WIDTH OUTPUT_HEIGHT < commands\n", argv[0]);
        return 2;
    }
    const auto width = static_cast<std::uint32_t>(std::stoul(argv[1]));
    const auto height = static_cast<std::uint32_t>(std::stoul(argv[2]));
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "no Wayland compositor to connect to\n");
        return 1;
    }
    Globals globals;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistryListener, &globals);
    wl_display_roundtrip(display);
    if (!globals.manager) {
        std::fprintf(stderr, "the compositor offers no virtual pointer\n");
        return 1;
    }
    zwlr_virtual_pointer_v1* pointer =
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer(globals.manager, globals.seat);
    wl_display_roundtrip(display);
    std::printf("ready\n");
    std::fflush(stdout);

    char buffer[128];
    while (std::fgets(buffer, sizeof buffer, stdin)) {
        std::string line(buffer);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.pop_back();
        if (!run_command(pointer, line, width, height)) {
            std::fprintf(stderr, "unknown command: %s\n", line.c_str());
            return 2;
        }
        if (wl_display_roundtrip(display) < 0) return 1;
        std::printf("ok\n");
        std::fflush(stdout);
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
