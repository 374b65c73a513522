// The baseline of the start-up and memory benchmarks: a bare web view on the
// same kind of profile as the courseware's pane, showing the same course page
// from the same folder, and nothing else.
#include <QApplication>
#include <QScreen>
#include <QUrl>
#include <QWebEngineProfile>
#include <QWebEngineView>

int main(int argc, char *argv[])
{
    // As the program does, so that neither writes Qt's shader cache.
    QApplication::setAttribute(Qt::AA_DisableShaderDiskCache);
    QApplication app(argc, argv);

    // Off the record, as the program's pane; declared first so the view's
    // page is gone before its profile.
    QWebEngineProfile profile;
    QWebEngineView view(&profile);
    view.setWindowTitle(QStringLiteral("bench viewer"));
    // Without a window manager only an explicit geometry fills the screen.
    view.setGeometry(view.screen()->availableGeometry());
    view.setUrl(QUrl::fromLocalFile(QCoreApplication::applicationDirPath()
                                    + QStringLiteral("/data/课程资料.htm")));
    view.show();
    return app.exec();
}
