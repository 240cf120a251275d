#include "ui/translations.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace liorna {

bool installQtTranslations(QApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace liorna
