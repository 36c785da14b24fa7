#pragma once
// Status bars made of text panels: each panel keeps its designed width (wider only when
// its text needs it), the last one stretches to the bar's right edge, and a narrow
// window cuts the panels instead of growing to fit them.

#include <QLabel>
#include <initializer_list>
#include <vector>

class QStatusBar;

class StatusPanel : public QLabel {
  public:
    StatusPanel(const QString& text, int width);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  private:
    int width_;
};

struct StatusPanelSpec {
    const char16_t* text;
    int width;
};

// Adds the panels, named "StatusPanel0", "StatusPanel1", ..., in order.
std::vector<QLabel*> AddStatusPanels(QStatusBar* bar,
                                     std::initializer_list<StatusPanelSpec> panels);
