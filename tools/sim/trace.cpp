#include "sim/trace.h"

namespace gorvo::sim {

namespace {

std::string_view image_name(ImageId id) {
    return id == kNoImage ? std::string_view("none") : kImageDefs[id].name;
}

}  // namespace

void TraceRecorder::start(const Images& images) {
    pending_.clear();
    last_picture_.fill(kNoImage);
    for (int i = 0; i < kSkinImageCount; ++i)
        last_visible_[i] = images.visible(kSkinImages[i]);
}

void TraceRecorder::note(std::string what) {
    pending_.push_back(std::move(what));
}

void TraceRecorder::flush(Millis t, const Images& images, std::ostream& out) {
    std::string lines;
    const std::string stamp = std::to_string(t) + " ";
    for (const std::string& what : pending_)
        lines += stamp + what + "\n";
    pending_.clear();
    for (std::size_t i = 0; i < kTracedPictures.size(); ++i) {
        const ImageId source = images[kTracedPictures[i]].picture_source;
        if (source == last_picture_[i]) continue;
        last_picture_[i] = source;
        lines += stamp + "picture ";
        lines += image_name(kTracedPictures[i]);
        lines += " ";
        lines += image_name(source);
        lines += "\n";
    }
    for (int i = 0; i < kSkinImageCount; ++i) {
        const bool visible = images.visible(kSkinImages[i]);
        if (visible == last_visible_[i]) continue;
        last_visible_[i] = visible;
        lines += stamp + (visible ? "show " : "hide ");
        lines += image_name(kSkinImages[i]);
        lines += "\n";
    }
    out << lines;
}

}  // namespace gorvo::sim
