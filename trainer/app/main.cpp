#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Veltaro 正在建设中"));
    label.show();
    return app.exec();
}
