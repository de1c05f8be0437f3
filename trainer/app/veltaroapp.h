#pragma once

#include <QApplication>

// The one place where an exception that escaped an event handler ends up: it is shown in
// a message box and the program goes on with the next event.
class VeltaroApp : public QApplication
{
    Q_OBJECT
public:
    VeltaroApp(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
