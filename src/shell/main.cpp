#include "shell/CVelmoraApp.h"
#include "shell/LadderDocument.h"
#include "shell/QtProfile.h"
#include "shell/QtUi.h"
#include "shell/ToolIcons.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("velmora"));
    QApplication::setWindowIcon(velmora::AppIcon());

    // The interface is Chinese whatever the locale, the toolkit's own dialogs included.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTranslator);
    }

    velmora::QtUi ui;
    velmora::QtProfile profile;
    velmora::CVelmoraApp velmoraApp(ui, profile);
    velmoraApp.SetDocumentFactory(velmora::LadderDocumentFactory(velmoraApp, ui));
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    if (!velmoraApp.InitInstance(arguments)) {
        velmoraApp.ExitInstance();
        return 0;
    }
    const int result = QApplication::exec();
    velmoraApp.ExitInstance();
    return result;
}
