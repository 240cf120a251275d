#include "ui/fresh_frame.h"

#include <QBackingStore>
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

namespace liorna {

namespace {

// Below this a frame is a few hundred pages: not worth a huge page of its own.
constexpr qsizetype HUGE_FRAME_BYTES = 4 * 1024 * 1024;

bool inMemory(std::uintptr_t page, std::size_t pageSize)
{
    unsigned char in = 0;
    return mincore(reinterpret_cast<void*>(page), pageSize, &in) == 0 && (in & 1) != 0;
}

} // namespace

void prefaultFrame(QWidget* widget)
{
    QBackingStore* store = widget->backingStore();
    QPaintDevice* device = store ? store->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image)
        return;
    const auto* image = static_cast<const QImage*>(device);
    // Only whole pages of the image: the pages it shares at its ends with other data are in use already.
    const auto page = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const auto begin = std::uintptr_t(image->constBits());
    const std::uintptr_t from = (begin + page - 1) & ~(page - 1);
    const std::uintptr_t to = (begin + std::uintptr_t(image->sizeInBytes())) & ~(page - 1);
    if (to <= from)
        return;
    // A store already in memory needs nothing: one kept from a larger size, or one the platform cleared
    // before the paint. Going over its pages again would cost a millisecond at 4K on every step of a resize.
    const std::size_t length = to - from;
    if (inMemory(from + ((length / 2) & ~(page - 1)), page) && inMemory(to - page, page))
        return;
    void* start = reinterpret_cast<void*>(from);
    // Either call may be refused (an older kernel, memory the system keeps in small pages): the frame
    // is then faulted in as it is drawn, as without them.
    if (image->sizeInBytes() >= HUGE_FRAME_BYTES)
        madvise(start, length, MADV_HUGEPAGE);
    madvise(start, length, MADV_POPULATE_WRITE);
}

} // namespace liorna
