#include "StandardTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace kelvaro {

void installStandardTranslations(QCoreApplication& app)
{
    // The learner reads Chinese whatever the desktop's locale, so the choice is fixed.
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace kelvaro
