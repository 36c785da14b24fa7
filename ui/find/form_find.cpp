#include "ui/find/form_find.h"

#include <algorithm>

#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

#include "ui/application.h"
#include "ui/main/form_main.h"
#include "ui/status_panels.h"

TFormFind::TFormFind(TFormMain& formMain, const Platform& platform, QWidget* parent)
    : QWidget(parent), formMain_(formMain), platform_(platform) {
    formMain_.AttachFormFind(this);
    setObjectName(QStringLiteral("FormFind"));
    // Only the main window's closing ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    createStatusBar();
    Guarded([this] { FormCreate(); })();
}

void TFormFind::createStatusBar() {
    StatusBar1 = new QStatusBar;
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    const std::vector<QLabel*> panels = AddStatusPanels(
        StatusBar1, {{u"Готово.", 50}, {u"Найдено: 0", 80}, {u"из: 0", 50}, {u"Всего: 0", 70}});
    std::copy(panels.begin(), panels.end(), statusPanels_.begin());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    layout->addWidget(StatusBar1);
}

void TFormFind::FormCreate() {
    StatusPanel(3)->setText(formMain_.StatusPanel(2)->text());
}
