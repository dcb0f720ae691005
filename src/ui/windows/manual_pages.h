// The sixteen manual pages, decoded once from the folder that Config.ini's [Manual] section
// names: 1.bmp ... 16.bmp. A page whose file is missing, or cannot be decoded, is the
// placeholder picture (a small red square with a black border).
#pragma once

#include <QImage>
#include <QString>
#include <array>
#include <filesystem>
#include <vector>

#include "skin/skin_loader.h"
#include "ui/windows/manual_state.h"

namespace gorvo::ui {

struct ManualPages {
    std::array<QImage, kManualPageCount> pages;  // page n at n - 1
    // Files that exist but could not be decoded, each with the decoder's message; their pages
    // are the placeholder. Missing files are not listed.
    std::vector<QString> unreadable;
};

// The file of page n (1..16) in the manual folder.
std::filesystem::path manual_page_file(const skin::ManualSettings& settings, int page);

ManualPages load_manual_pages(const skin::ManualSettings& settings);

}  // namespace gorvo::ui
