#pragma once
// Status panel 0 follows the hint under the mouse: the hint (status tip) of the control
// under the pointer or of its nearest parent that has one, and while a menu is open the
// hint of its highlighted item. Every change is shown, an empty hint too. A hint holding
// "|" shows only the part after it.

#include <QObject>
#include <QPointer>
#include <QString>

class QLabel;
class QWidget;

class HintTracker : public QObject {
  public:
    // Watches the events of `window` and its controls; writes to `panel`.
    HintTracker(QWidget* window, QLabel* panel);

    bool eventFilter(QObject* watched, QEvent* event) override;
    // A control changed its hint while the pointer is on it (the tree's hint follows the
    // node under the pointer): shown at once, as when the pointer came onto the control.
    void HintChanged(const QWidget* control);

    // The hint that a control shows: its own or its nearest parent's.
    static QString HintOf(const QWidget* widget);
    // The part of a hint the status bar shows: after the first "|", or all of it.
    static QString LongHint(const QString& hint);
    // The part a tooltip shows: before the first "|", or all of it.
    static QString ShortHint(const QString& hint);

  private:
    void Show(const QString& hint);
    bool InWindow(const QWidget* widget) const;
    // The window itself, its controls, and its menus (popups included).
    bool BelongsToWindow(const QObject* object) const;

    QWidget* window_;
    QPointer<QLabel> panel_;
};

// Makes the application's style the one that gives tooltips their pause, with the style's
// own pause until ApplyHintAppearance. Installed before the first window is made, it spares
// every control the change of style that ApplyHintAppearance would otherwise bring.
void InstallHintStyle();

// Tooltips of the whole program: sky blue, RGB (166, 202, 240), shown as soon as the
// mouse comes onto the control.
void ApplyHintAppearance();
