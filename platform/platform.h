#pragma once
// The desktop services the windows use, handed to them at construction so that tests
// can put recording fakes in their place.

class MessageBoxes;
class Sounds;
class ProcessStarter;
class Shell;
class ErrorLocator;
class Clipboard;
class FontDialogs;

struct Platform {
    MessageBoxes& messageBoxes;
    Sounds& sounds;
    ProcessStarter& processes;
    Shell& shell;
    ErrorLocator& errorLocator;
    Clipboard& clipboard;
    FontDialogs& fontDialogs;
};
