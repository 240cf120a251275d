#pragma once
// Qt's own texts (the standard buttons of message boxes and dialogs) in Russian.

class QApplication;

namespace liorna {

// The game speaks Russian whatever the desktop's language, so Qt's Russian catalogue is loaded, not the
// one of the system locale. Without the catalogue Qt's English texts stay; returns whether it was loaded.
bool installQtTranslations(QApplication& app);

} // namespace liorna
