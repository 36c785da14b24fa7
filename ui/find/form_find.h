#pragma once
// The advanced search window, FormFind: created hidden right after the main window and
// only shown and hidden afterwards.

#include <QWidget>
#include <array>

#include "platform/platform.h"

class QLabel;
class QStatusBar;
class TFormMain;

class TFormFind : public QWidget {
    Q_OBJECT

  public:
    TFormFind(TFormMain& formMain, const Platform& platform, QWidget* parent = nullptr);

    void FormCreate();

    // Status panels 0 to 3.
    QLabel* StatusPanel(int index) const {
        return statusPanels_.at(static_cast<std::size_t>(index));
    }

    QStatusBar* StatusBar1 = nullptr;

  private:
    void createStatusBar();

    TFormMain& formMain_;
    Platform platform_;
    std::array<QLabel*, 4> statusPanels_{};
};
