#include "controls/Quellin.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyard"));
    quellin::registerControls();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Tallyard"));
    window.resize(632, 453);
    window.show();
    return app.exec();
}
