#include "ui/key_repeat_x11.h"

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
// The XKB header names a member `explicit`, a keyword of C++: renamed while it is read.
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wkeyword-macro"
#endif
#define explicit xkb_explicit
#include <xcb/xkb.h>
#undef explicit
#if defined(__clang__)
#pragma clang diagnostic pop
#endif
#endif

namespace gorvo::ui {

#if QT_CONFIG(xcb)

namespace {

// A request of an extension the server lacks would end the connection: asked only when present.
bool server_has_xkb(xcb_connection_t* connection) {
    const xcb_query_extension_reply_t* xkb = xcb_get_extension_data(connection, &xcb_xkb_id);
    if (xkb == nullptr || xkb->present == 0) return false;
    xcb_xkb_use_extension_reply_t* use = xcb_xkb_use_extension_reply(
        connection, xcb_xkb_use_extension(connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION),
        nullptr);
    const bool supported = use != nullptr && use->supported != 0;
    std::free(use);
    return supported;
}

}  // namespace

bool ask_for_physical_key_releases() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 == nullptr || x11->connection() == nullptr) return false;
    xcb_connection_t* connection = x11->connection();
    if (!server_has_xkb(connection)) return false;
    constexpr std::uint32_t kDetectable = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    xcb_xkb_per_client_flags_reply_t* flags =
        xcb_xkb_per_client_flags_reply(connection,
                                       xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD,
                                                                kDetectable, kDetectable, 0, 0, 0),
                                       nullptr);
    const bool agreed = flags != nullptr && (flags->value & kDetectable) != 0;
    std::free(flags);
    return agreed;
}

#else

bool ask_for_physical_key_releases() {
    return false;
}

#endif

}  // namespace gorvo::ui
