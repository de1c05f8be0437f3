#include "messageboxsink.h"

#include <QApplication>
#include <QMessageBox>

void MessageBoxSink::showMessage(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox::information(QApplication::activeWindow(), QStringLiteral("Veltaro11.0"), shown);
}
