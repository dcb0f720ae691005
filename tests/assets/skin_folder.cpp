#include "skin_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace gorvo::test {

std::string program_dir() {
    return GORVO_PROGRAM_DIR;
}

const skin::Profile& shipped_config() {
    static const std::optional<skin::Profile> file =
        skin::Profile::load(program_dir() + "/Config.ini");
    EXPECT_TRUE(file) << "cannot read " << program_dir() << "/Config.ini";
    static const skin::Profile empty;
    return file ? *file : empty;
}

std::string folder_path(const std::string& value) {
    std::string path = value;
    std::replace(path.begin(), path.end(), '\\', '/');
    if (!path.empty() && path.front() != '/') path = program_dir() + "/" + path;
    if (!path.empty() && path.back() != '/') path += '/';
    return path;
}

int section_of(ImageId id) {
    for (int n = 1; n <= kSkinImageCount; ++n) {
        if (kSkinImages[n - 1] == id) return n;
    }
    return 0;
}

QImage skin_picture(ImageId id) {
    const skin::Profile& config = shipped_config();
    const auto name = config.find("Image" + std::to_string(section_of(id)), "Filename");
    if (!name || name->empty() || *name == "nil") return {};
    const std::string dir = folder_path(config.find("Common", "SkinDir").value_or(""));
    return QImage(QString::fromStdString(dir + *name));
}

QImage skin_picture_at(ImageId id, int scale) {
    const skin::Profile& config = shipped_config();
    const auto name = config.find("Image" + std::to_string(section_of(id)), "Filename");
    if (!name || name->size() < 4 || *name == "nil") return {};
    const std::string dir = folder_path(config.find("Common", "SkinDir").value_or(""));
    const std::string stem = name->substr(0, name->size() - 4);  // without ".png"
    return QImage(QString::fromStdString(dir + stem + "@" + std::to_string(scale) + "x.png"));
}

QRect design_rect(ImageId id) {
    const Rect& r = kImageDefs[id].design;
    return QRect(r.left, r.top, r.width, r.height);
}

QRect drawn_rect(ImageId id) {
    switch (id) {
        case btn_cross_down_up:
        case btn_cross_down_down:
        case btn_cross_down_left:
        case btn_cross_down_right:
            return design_rect(btn_cross_down);
        default:
            return design_rect(id);
    }
}

bool is_segment(ImageId id) {
    const std::string name = name_of(id);
    return name.rfind("im_", 0) == 0 && name.rfind("im_background", 0) != 0;
}

std::string name_of(ImageId id) {
    return std::string(kImageDefs[id].name);
}

}  // namespace gorvo::test
