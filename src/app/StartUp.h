#pragma once

class Window1;

// The program's start-up, in this order: the file types; the application object with its menu
// bar; the application's menu handlers; the main window (_MakeDefaultView); then the event loop,
// whose first events are the application's Open and, once that has ended, the main window's
// Open. Returns the exit code when the program quits. Needs a widget application object and the
// program's message sink, folder chooser and progress display in place.
int _Main();

// Makes the main window with the program's menu bar above its content area; the menus' enabling
// follows its Install button, so the Eject item and its shortcut take clicks exactly while the
// button does.
class Window1& _MakeDefaultView();
