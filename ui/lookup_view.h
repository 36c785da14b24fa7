#pragma once
// Shows a look-up from outside in the main window: the first category in tree order whose
// list holds a matching row becomes current and that row is selected, focused and
// scrolled into view, as if the user had clicked them, and the window comes to the front.
// When no category lists one, status panel 0 says so and nothing else changes.

class QString;
class TFormMain;

// `what` is a look-up that ParseLookup takes.
void ShowLookup(TFormMain& window, const QString& what);
