#include "gui/app/AppSetup.h"

#include "gui/widgets/Form.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QKeyEvent>
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

/** Drops Alt+key presses that no mnemonic took, so that a combo does not
 *  search on the letter and a text field does not take it as text. */
class MnemonicGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        return isMnemonicKey(*key) && !key->text().isEmpty() && key->text()[0].isPrint();
    }
};

} // namespace

void setUpApplication(QApplication& app)
{
    loadQtTranslation(app);
    mapFontFaces();
    app.installEventFilter(new MnemonicGuard(&app));
}

} // namespace treluza
