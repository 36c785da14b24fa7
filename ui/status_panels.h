#pragma once
// Status bars made of text panels: each panel keeps its designed width (wider only when
// its text needs it) and the last one stretches to the bar's right edge. In a narrow
// window the first panel gives way; the others keep their widths.

#include <QLabel>
#include <initializer_list>
#include <vector>

class QStatusBar;

class StatusPanel : public QLabel {
  public:
    // A panel that `givesWay` narrows down to nothing in a narrow window.
    StatusPanel(const QString& text, int width, bool givesWay);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  private:
    int width_;
    bool givesWay_;
};

struct StatusPanelSpec {
    QString text;
    int width;
};

// Adds the panels, named "StatusPanel0", "StatusPanel1", ..., in order.
std::vector<QLabel*> AddStatusPanels(QStatusBar* bar,
                                     std::initializer_list<StatusPanelSpec> panels);
