#pragma once
// A splitter whose handles each keep a least size on both sides while the user drags
// them: neither the control before the handle nor the one after it is dragged below
// that size. Sizes set by the program are not held to it, so a panel can still be
// closed to a one-pixel strip.

#include <QList>
#include <QSplitter>

class MinSizeSplitter : public QSplitter {
  public:
    MinSizeSplitter(Qt::Orientation orientation, QWidget* parent = nullptr);

    void setHandleMinimum(int index, int minimum);
    int handleMinimum(int index) const;

    // The handle position (along the orientation, splitter coordinates) that dragging
    // handle `index` towards `pos` ends at.
    int clampedHandlePosition(int index, int pos) const;

  protected:
    QSplitterHandle* createHandle() override;

  private:
    QList<int> minimums_;
};
