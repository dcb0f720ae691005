#include "ui/windows/manual_pages.h"

#include <string>
#include <system_error>

#include "skin/pictures.h"

namespace gorvo::ui {

namespace {

QImage to_image(const Picture& picture) {
    if (picture.width <= 0 || picture.height <= 0) return {};
    const QImage view(picture.rgba.data(), picture.width, picture.height, picture.width * 4,
                      QImage::Format_RGBA8888);
    return view.copy();  // the picture's bytes are not kept
}

QString describe(const std::filesystem::path& file, const std::string& message) {
    return QString::fromStdString(file.string() + ": " + message);
}

}  // namespace

std::filesystem::path manual_page_file(const skin::ManualSettings& settings, int page) {
    return std::filesystem::path(settings.dir) / (std::to_string(page) + ".bmp");
}

ManualPages load_manual_pages(const skin::ManualSettings& settings) {
    ManualPages result;
    const QImage placeholder = to_image(*skin::placeholder_picture());
    for (int page = 1; page <= kManualPageCount; ++page) {
        QImage& slot = result.pages[static_cast<std::size_t>(page - 1)];
        slot = placeholder;
        const std::filesystem::path file = manual_page_file(settings, page);
        std::error_code error;
        if (!std::filesystem::is_regular_file(file, error)) continue;
        const skin::DecodeResult decoded = skin::load_picture(file);
        if (!decoded) {
            result.unreadable.push_back(describe(file, decoded.error));
            continue;
        }
        if (QImage image = to_image(*decoded.picture); !image.isNull()) slot = std::move(image);
    }
    return result;
}

}  // namespace gorvo::ui
