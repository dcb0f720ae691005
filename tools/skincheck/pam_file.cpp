#include "pam_file.h"

#include <fstream>

namespace gorvo::skincheck {

std::string write_pam(const Picture& picture, const std::filesystem::path& file) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) return "cannot create " + file.string();
    out << "P7\nWIDTH " << picture.width << "\nHEIGHT " << picture.height
        << "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
    out.write(reinterpret_cast<const char*>(picture.rgba.data()),
              static_cast<std::streamsize>(picture.rgba.size()));
    out.close();
    if (!out) return "cannot write " + file.string();
    return {};
}

}  // namespace gorvo::skincheck
