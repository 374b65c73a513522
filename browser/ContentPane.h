#pragma once

#include <QWebEngineView>

// The embedded browser that shows the study pages. Links that ask for a new
// window are handed to the desktop's browser; all else stays in the pane.
class ContentPane final : public QWebEngineView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ContentPane)

public:
    explicit ContentPane(QWidget *parent = nullptr);

    // Starts showing the file at `path` and returns at once; the page loads
    // in the background. Throws HandlerError when the path is no address the
    // pane can take.
    void Navigate(const QString &path);
};
