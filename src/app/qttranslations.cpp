#include "app/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace lullara {

namespace {

QTranslator *install(const QLocale &locale, const QString &name, const QString &folder, QObject *owner)
{
    auto *translator = new QTranslator(owner);
    if (translator->load(locale, name, QStringLiteral("_"), folder) && QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace

QTranslator *installQtTranslations(const QLocale &locale, QObject *owner)
{
    return install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath), owner);
}

QTranslator *installProgramTranslations(const QLocale &locale, QObject *owner)
{
    return install(locale, QStringLiteral("lullara"), QStringLiteral(":/i18n"), owner);
}

} // namespace lullara
