#include "core/interfacetranslation.h"

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

// Qt's own texts for its standard buttons, translated here while Debian ships
// no qtbase_bn: lupdate finds them in this list, Qt asks for them under its context.
[[maybe_unused]] const char *const kQtButtonTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),   QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"), QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close"), QT_TRANSLATE_NOOP("QPlatformTheme", "Open"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Save"), QT_TRANSLATE_NOOP("QPlatformTheme", "Apply"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Help"),
};

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
    // Years and counts read "২০২৬", not "২,০২৬".
    QLocale bangla(QLocale::Bengali, QLocale::Bangladesh);
    bangla.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(bangla);
    loadInto(app, QStringLiteral("chimewise_bn"), QStringLiteral(":/i18n"));
    loadInto(app, QStringLiteral("qtbase_bn"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    preferBengaliFonts();
}

QString installedInterfaceLanguage()
{
    return QLocale().language() == QLocale::Bengali ? InterfaceLanguage::Bangla : InterfaceLanguage::English;
}
