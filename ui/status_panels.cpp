#include "ui/status_panels.h"

#include <QStatusBar>

StatusPanel::StatusPanel(const QString& text, int width, bool givesWay)
    : QLabel(text), width_(width), givesWay_(givesWay) {}

QSize StatusPanel::sizeHint() const {
    const QSize hint = QLabel::sizeHint();
    return {qMax(width_, hint.width()), hint.height()};
}

QSize StatusPanel::minimumSizeHint() const {
    return {givesWay_ ? 0 : sizeHint().width(), QLabel::minimumSizeHint().height()};
}

std::vector<QLabel*> AddStatusPanels(QStatusBar* bar,
                                     std::initializer_list<StatusPanelSpec> panels) {
    std::vector<QLabel*> labels;
    for (const StatusPanelSpec& panel : panels) {
        auto* label = new StatusPanel(panel.text, panel.width, labels.empty());
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(labels.size()));
        const bool last = labels.size() + 1 == panels.size();
        bar->addWidget(label, last ? 1 : 0);
        labels.push_back(label);
    }
    return labels;
}
