// Fresh memory made ready in one go. The first write to each page of a new buffer is a page fault
// of its own; on a virtual machine each one can cost tens of microseconds, so a picture of a few
// megabytes costs milliseconds before a pixel is written. Asking the kernel for all the pages of
// a buffer at once costs a small part of that.
#pragma once

#include <cstddef>

namespace gorvo::skin {

// Maps the whole pages inside [start, start + bytes) for writing, at once. Their contents stay as
// they are; where the system cannot do this, the pages are mapped by the first writes as usual.
void map_pages_for_writing(void* start, std::size_t bytes);

}  // namespace gorvo::skin
