#pragma once

#include <QString>

// What a click on a launcher button, the logo or a tree item does.
enum class ActionKind {
    ShowPage,   // show a local page (relative to the program directory) in the pane
    OpenLink,   // hand a fixed address to the desktop
    LookupLink, // open what the course link file names for a caption, if anything
    CloseMain,  // close the main window the normal way
};

struct NavAction
{
    ActionKind kind = ActionKind::LookupLink;
    QString argument;

    friend bool operator==(const NavAction &, const NavAction &) = default;
};

// The action of launcher button 1 to 8.
NavAction LauncherAction(int button);

// The action of the logo.
NavAction LogoAction();

// The action of a tree item by its caption: a few captions have fixed
// actions, compared exactly; every other caption is looked up.
NavAction ResolveTreeAction(const QString &caption);
