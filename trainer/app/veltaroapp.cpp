#include "veltaroapp.h"

#include <QMessageBox>

#include <exception>

VeltaroApp::VeltaroApp(int &argc, char **argv) : QApplication(argc, argv)
{
}

namespace {
void showEscaped(const QString &what)
{
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Veltaro11.0"), what);
}
}

bool VeltaroApp::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        showEscaped(QString::fromUtf8(e.what()));
    } catch (...) {
        showEscaped(QStringLiteral("未知错误"));
    }
    return false;
}
