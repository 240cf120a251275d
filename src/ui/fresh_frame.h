#pragma once

class QWidget;

namespace liorna {

// Maps in, in one call to the system, the pixel memory of the backing store `widget` is painted into,
// so that the first frame at a new window size does not fault it in page by page as it draws. Asks for
// huge pages where the system gives them to the memory. Does nothing where the store is not an image or
// is in memory already.
void prefaultFrame(QWidget* widget);

} // namespace liorna
