#include "app/interfacetranslation.h"

#include "core/interfacelanguage.h"

#include <QCoreApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The forms and the clock face name these; Bengali glyphs come from a font
// that has them instead of empty boxes.
const char *const kFormFamilies[] = {"Arial", "Times New Roman", "Sans Serif"};

void loadInto(QCoreApplication &app, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(name, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

void preferBengaliFonts()
{
    QStringList families;
    for (const char *family : kBengaliFamilies)
        families << family;
    for (const char *family : kFormFamilies)
        QFont::insertSubstitutions(family, families);
}

} // namespace

void installInterfaceLanguage(QCoreApplication &app, const QString &language)
{
    if (language != QLatin1String(InterfaceLanguage::Bangla)) {
        if (QLocale().language() != QLocale::English && QLocale().language() != QLocale::C)
            QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        return;
    }
    QLocale::setDefault(QLocale(QLocale::Bengali, QLocale::Bangladesh));
    loadInto(app, QStringLiteral("chimewise_bn"), QStringLiteral(":/i18n"));
    loadInto(app, QStringLiteral("qtbase_bn"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    preferBengaliFonts();
}
