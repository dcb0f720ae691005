// A key held on an X server repeats as a release and a press each time. The toolkit marks such a
// release as a repeat only when, as it handles the release, it has already read the press that
// follows; the server often sends the two apart, and the repeat then reaches the game as the
// player letting go. With XKB's detectable auto-repeat the server sends the repeated presses
// alone, so the one release a held key gives is the physical one. On Wayland the toolkit makes
// the repeats itself and marks them, and nothing needs asking.
#pragma once

namespace gorvo::ui {

// Asks the X server the application talks to for detectable auto-repeat; true when it agreed.
// False, and nothing asked, on other platforms and on a server without XKB.
bool ask_for_physical_key_releases();

}  // namespace gorvo::ui
