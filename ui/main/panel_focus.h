#pragma once
// The keyboard focus passes over the controls of a side panel that cannot be seen: the
// main window opens with its right panel closed to a one-pixel strip, and the tree's panel
// can be closed so too. A control takes the focus (by Tab or a click) only while at least
// `leastWidth` pixels of it show inside its panel, the width below which the panel's
// splitter never lets the user drag it; the Tab order holds among those that do.

#include <QObject>
#include <initializer_list>
#include <utility>
#include <vector>

class QWidget;

class PanelFocus : public QObject {
  public:
    // Follows the panel's and the controls' sizes; owned by the panel.
    PanelFocus(QWidget* panel, std::initializer_list<QWidget*> controls, int leastWidth);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool Shows(const QWidget* control) const;
    void Update();

    QWidget* panel_;
    int leastWidth_;
    // Each control with the focus it takes where it shows.
    std::vector<std::pair<QWidget*, Qt::FocusPolicy>> controls_;
};
