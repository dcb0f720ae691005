#include "usage.h"

namespace gorvo::skincheck {

const char* const kUsage =
    "Usage: gorvo250-skincheck [--config FILE] [--fullscreen] [--screen WxH] [--strict]\n"
    "  or:  gorvo250-skincheck --decode PICTURE OUT.pam\n"
    "\n"
    "Loads Config.ini and every picture it names as the game does, and prints the window,\n"
    "backdrop, logo and the 147 skin images it got: a skin checked without starting the game.\n"
    "\n"
    "Options:\n"
    "  --config FILE     the configuration file (default: Config.ini in the program's folder)\n"
    "  --fullscreen      load for the fullscreen presentation (default: windowed)\n"
    "  --screen WxH      screen size for fullscreen sizing and centring (default: 1920x1080;\n"
    "                    the checker does not ask the display)\n"
    "  --strict          exit status 3 when a picture named in the file does not exist\n"
    "  --decode PICTURE OUT.pam\n"
    "                    decode one picture as the game would and write it as an RGBA PAM file\n"
    "  -h, --help        print this text and stop\n"
    "\n"
    "Output, one line for each item, in this order:\n"
    "  window    client=WxH background=#RRGGBB seethrough=#RRGGBB|off offset=X,Y\n"
    "  backdrop  none, or file=PATH WxH stretch=0|1\n"
    "  logo      none, or file=PATH WxH at=LEFT,TOP\n"
    "  image     N NAME LEFT TOP WIDTH HEIGHT PICTURE, for N from 1 to 147 (the [ImageN]\n"
    "            sections); PICTURE is file=PATH WxH alpha|opaque|keyed, placeholder (the file\n"
    "            named does not exist) or unchanged (no file named)\n"
    "Lines that follow an item or end the output:\n"
    "  where:    after a placeholder, the file looked for; before an error, the value the load\n"
    "            stopped at, as [SECTION] KEY=VALUE\n"
    "  warning:  a picture larger than its image's rectangle, which clips it (not said of the\n"
    "            digit glyphs and the cross pad's pressed looks, which lend their pictures to\n"
    "            other images); a double-size companion NAME@2x.EXT that cannot be decoded or\n"
    "            is not exactly twice the picture's size; a backdrop or logo file that does not\n"
    "            exist\n"
    "  summary:  pictures=N placeholders=N warnings=N, the last line of a completed load\n"
    "  error:    TEXT, the game's own message, the last line of a load the game would refuse\n"
    "Relative folders named in the file resolve against the working directory, as in the game.\n"
    "\n"
    "Exit status:\n"
    "  0  the load completed\n"
    "  1  the game would show an error (the 'error:' line), or OUT.pam cannot be written\n"
    "  2  usage error\n"
    "  3  with --strict: the load completed, but a picture named does not exist\n"
    "\n"
    "The output in full, with examples: gorvo250-skincheck.md in the program folder.\n";

std::string usage_lines() {
    const std::string usage = kUsage;
    return usage.substr(0, usage.find("\n\n") + 1);
}

}  // namespace gorvo::skincheck
