// The File menu: the program's full restart and its exit.
#include <QAction>
#include <QMenu>
#include <QStyle>

#include "opcodes/errors.h"
#include "platform/process_starter.h"
#include "platform/qt_text.h"
#include "ui/application.h"
#include "ui/main/form_main.h"
#include "ui/main/menu_items.h"

void TFormMain::createFileMenu() {
    NFile = NewMenu(this, u"NFile", tr("Файл"));
    NReExe = NewItem(this, {u"NReExe", tr("ППП(Полный перезапуск программы)"),
                            QKeySequence(Qt::CTRL | Qt::Key_R)});
    connect(NReExe, &QAction::triggered, this, Guarded([this] { NReExeClick(); }));
    NFile->addAction(NReExe);
    NExit = NewItem(this, {u"NExit", tr("В&ыход"), {}, tr("Exit|Quits the application")});
    connect(NExit, &QAction::triggered, this, &QWidget::close);
    NFile->addAction(NExit);
    // The icons come with the menu's first opening: reading them would only slow the
    // start down.
    connect(
        NFile, &QMenu::aboutToShow, this,
        [this] {
            NReExe->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
            NExit->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
        },
        Qt::SingleShotConnection);
}

void TFormMain::NReExeClick() {
    const StartResult result = platform_.processes.Start(QStringLiteral("KLV"), true);
    // Closing without a successor would leave the user with no program at all.
    if (!result.started)
        throw EOSError(ToCp1251(result.error));
    close();
}
