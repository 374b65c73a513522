#include "ApplicationTitle.h"
#include "Unit1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The program writes no files: not even Qt's shader cache.
    QApplication::setAttribute(Qt::AA_DisableShaderDiskCache);
    QApplication app(argc, argv);
    QApplication::setApplicationName(ApplicationTitle);
    TForm1 form;
    form.ShowMaximised();
    return app.exec();
}
