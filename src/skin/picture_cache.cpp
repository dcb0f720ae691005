#include "skin/picture_cache.h"

#include <fstream>
#include <system_error>

#include "skin/decode_ahead.h"
#include "skin/hires_companion.h"

namespace gorvo::skin {

namespace {

// The name a picture file is cached under: its absolute path.
std::string absolute_text(const std::filesystem::path& file) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    return error ? std::string() : absolute.lexically_normal().string();
}

}  // namespace

// The cache file, open, with its index; no index when there is no usable cache file.
struct PictureCache::Open {
    explicit Open(const std::filesystem::path& file) : in(file, std::ios::binary) {
        std::error_code error;
        const std::uintmax_t size = std::filesystem::file_size(file, error);
        if (in && !error) index = read_cache_index(in, size);
    }
    std::ifstream in;
    std::optional<CacheIndex> index;
};

PictureCache::PictureCache(std::filesystem::path file) : file_(std::move(file)) {}

PictureCache::~PictureCache() = default;

PictureCache::Open& PictureCache::open() {
    if (!open_) open_ = std::make_unique<Open>(file_);
    return *open_;
}

const std::optional<FileKey>& PictureCache::key_of(const std::string& path,
                                                   const std::filesystem::path& file) {
    auto [it, added] = measured_.try_emplace(path);
    if (added) it->second = file_key(file, buffer_);
    return it->second;
}

const CacheEntry* PictureCache::entry_for(const std::string& path,
                                          const std::filesystem::path& file) {
    if (path.empty()) return nullptr;
    const Open& cache = open();
    if (!cache.index) return nullptr;
    const auto entry = cache.index->find(path);
    if (entry == cache.index->end()) return nullptr;
    const std::optional<FileKey>& key = key_of(path, file);
    return key && *key == entry->second.key ? &entry->second : nullptr;
}

std::vector<DecodeResult> PictureCache::load(const std::vector<std::filesystem::path>& files) {
    std::vector<DecodeResult> results(files.size());
    std::vector<std::filesystem::path> to_decode(files.size());
    std::vector<std::string> paths(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (files[i].empty()) continue;
        paths[i] = absolute_text(files[i]);
        if (const CacheEntry* entry = entry_for(paths[i], files[i]))
            results[i].picture = read_cached_picture(open().in, *entry);
        if (results[i]) {
            attach_companion(files[i], *results[i].picture);
            ++taken_;
        } else {
            to_decode[i] = files[i];
        }
    }
    std::vector<DecodeResult> fresh = decode_all(to_decode);
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!to_decode[i].empty()) {
            results[i] = std::move(fresh[i]);
            ++decoded_;
        }
        if (!results[i] || paths[i].empty()) continue;
        // Only a picture whose file was measured can be filed under it.
        const std::optional<FileKey>& key = key_of(paths[i], files[i]);
        if (!key) continue;
        changed_ = changed_ || !to_decode[i].empty();
        loaded_.insert_or_assign(paths[i], PictureToCache{*key, results[i].picture});
    }
    return results;
}

bool PictureCache::holds(const std::filesystem::path& file) {
    return entry_for(absolute_text(file), file) != nullptr;
}

void PictureCache::hold(ImageId id, const std::filesystem::path& file) {
    held_.push_back({id, file});
}

std::vector<std::string> PictureCache::give_held_pictures(Images& images) {
    holding_ = false;
    std::vector<std::filesystem::path> files;
    for (const Held& h : held_)
        files.push_back(h.file);
    std::vector<DecodeResult> pictures = load(files);
    std::vector<std::string> problems;
    for (std::size_t i = 0; i < held_.size(); ++i) {
        if (pictures[i]) {
            images.set_own_picture(held_[i].id, std::move(pictures[i].picture));
        } else {
            problems.push_back(std::move(pictures[i].error));
        }
    }
    held_.clear();
    load_done();
    return problems;
}

void PictureCache::load_done() {
    // The next load looks at the files and the cache file afresh.
    open_.reset();
    measured_.clear();
    save();
}

void PictureCache::save() {
    if (!changed_ || writes_held_) return;
    // A cache that cannot be written costs the next start its decoding, nothing else.
    (void)write_cache_file(file_, loaded_);
    changed_ = false;
}

void PictureCache::release_writes() {
    writes_held_ = false;
    save();
}

}  // namespace gorvo::skin
