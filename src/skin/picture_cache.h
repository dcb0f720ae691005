// A cache of decoded skin pictures, kept in one file of the user's cache folder, so that a skin
// whose files have not changed loads without decoding them. A picture is taken from the cache
// only when its file's path, size, modification time and the hash of its bytes are those it was
// cached under, and its own pixels still hash as they did when written. Everything else (no
// cache file, a file of another kind or version, a damaged index or picture, a changed picture
// file) is passed over: the picture is decoded as without a cache, and the cache is written
// anew.
//
// The start-up can also hold back the pictures of hidden images that the cache holds: they are
// given to their images right after the first frame, which then waits only for what it shows.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/images.h"
#include "skin/picture_cache_file.h"
#include "skin/pictures.h"

namespace gorvo::skin {

class PictureCache {
  public:
    explicit PictureCache(std::filesystem::path file);
    ~PictureCache();
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;

    // decode_all() through the cache: one result per file, in the same order (an empty path gets
    // an empty result), each with its double-size companion attached as decode_all() does.
    // What the cache does not hold is decoded, on all processors.
    std::vector<DecodeResult> load(const std::vector<std::filesystem::path>& files);

    // From now until give_held_pictures(), a loader may leave the pictures of hidden images to
    // that call when the cache holds them.
    void hold_hidden_pictures() { holding_ = true; }
    bool holding() const { return holding_; }
    // Whether the cache holds the picture of `file` as the file is now.
    bool holds(const std::filesystem::path& file);
    // Leaves the picture of `file` (which the cache holds) for `id` to give_held_pictures().
    void hold(ImageId id, const std::filesystem::path& file);
    // Gives each held picture to its image, in the order held: from the cache, or decoded should
    // the cache have changed since. The decoders' messages for files that could not be decoded
    // (none unless the files changed meanwhile). Holding ends.
    std::vector<std::string> give_held_pictures(Images& images);

    // At the end of a skin load: writes the cache anew when anything was decoded since the last
    // write. Every picture loaded through this cache is written (the latest one for each file).
    void load_done();
    // While writes are held, load_done() only notes that a write is due; release_writes() makes
    // it. The start-up holds them until its first frame is on the screen.
    void hold_writes() { writes_held_ = true; }
    void release_writes();

    const std::filesystem::path& file() const { return file_; }
    // How many pictures were taken from the cache and decoded since the cache was made.
    int taken_from_cache() const { return taken_; }
    int decoded() const { return decoded_; }

  private:
    struct Open;
    struct Held {
        ImageId id;
        std::filesystem::path file;
    };
    Open& open();
    const std::optional<FileKey>& key_of(const std::string& path,
                                         const std::filesystem::path& file);
    const CacheEntry* entry_for(const std::string& path, const std::filesystem::path& file);
    void save();

    std::filesystem::path file_;
    // The cache file and the keys of the picture files, as read during the current load.
    std::unique_ptr<Open> open_;
    std::map<std::string, std::optional<FileKey>, std::less<>> measured_;
    std::vector<std::uint8_t> buffer_;
    std::map<std::string, PictureToCache, std::less<>> loaded_;
    std::vector<Held> held_;
    bool holding_ = false;
    bool changed_ = false;
    bool writes_held_ = false;
    int taken_ = 0;
    int decoded_ = 0;
};

}  // namespace gorvo::skin
