#include "messageboxsink.h"
#include "startpaths.h"
#include "startupprobe.h"
#include "tform1.h"
#include "veltaroapp.h"

#include <QDir>
#include <QFont>
#include <QMessageBox>

#include <exception>

int main(int argc, char *argv[])
{
    // The question view shares its drawing context with the window.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    VeltaroApp app(argc, argv);
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Noto Sans CJK SC")});
    QApplication::setFont(font);

    // Every stored path is relative to the data root, so the data root is where we work.
    QDir::setCurrent(dataRoot(qEnvironmentVariable("VELTARO_HOME"), QCoreApplication::applicationDirPath()));

    MessageBoxSink messageBoxes;
    Messages::install(&messageBoxes);
    try {
        TForm1 window;
        // The question details, settings, history, export and e-mail dialogs are created
        // here, after the main window and in that order, as they join the program.
        armStartupProbe(window);
        window.show();
        return app.exec();
    } catch (const std::exception &e) {
        QMessageBox::critical(nullptr, QStringLiteral("Veltaro11.0"), QString::fromUtf8(e.what()));
        return 0;
    }
}
