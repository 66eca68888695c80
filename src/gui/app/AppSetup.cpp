#include "gui/app/AppSetup.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace treluza {

namespace {

void loadQtTranslation(QApplication& app)
{
    // Qt's catalogue installed with Qt, or one shipped beside the program.
    const QLocale portuguese(QLocale::Portuguese, QLocale::Brazil);
    auto* translator = new QTranslator(&app);
    for (const QString& folder :
         {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
          QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))}) {
        if (translator->load(portuguese, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return;
        }
    }
    delete translator;
}

void mapFontFaces()
{
    // The heading face of the help window: where it is missing, the generic
    // fallback is a thin script face; a bold sans face keeps it a heading.
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Liberation Sans"));
}

} // namespace

void setUpApplication(QApplication& app)
{
    loadQtTranslation(app);
    mapFontFaces();
}

} // namespace treluza
