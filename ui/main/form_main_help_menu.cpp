// The Help menu: the introduction page of the data folder.
#include <QAction>
#include <QMenu>

#include "opcodes/errors.h"
#include "opcodes/files/file_names.h"
#include "platform/qt_text.h"
#include "platform/shell.h"
#include "ui/application.h"
#include "ui/main/form_main.h"
#include "ui/main/menu_items.h"

void TFormMain::createHelpMenu() {
    NHelp = NewMenu(this, u"NHelp", tr("Справка"));
    SASCMINI1 = NewItem(this, {u"SASCMINI1", tr("Сведения об SASCM.INI...")});
    SASCMINI1->setVisible(false);
    NHelp->addAction(SASCMINI1);
    // An action of the action list: the menu item NAbout is the action itself.
    HelpIntro = NewItem(this, {u"HelpIntro", tr("&Интро...")});
    HelpIntro->setProperty("category", tr("Справка"));
    HelpIntro->setProperty("menuItem", QStringLiteral("NAbout"));
    connect(HelpIntro, &QAction::triggered, this, Guarded([this] { HelpIntroExecute(); }));
    NHelp->addAction(HelpIntro);
}

void TFormMain::HelpIntroExecute() {
    // The page of the interface's language, named by the translation; a folder without
    // it gets the Russian page.
    const QString page = tr("Intro.html");
    const ShellResult result =
        platform_.shell.Open(FileExists(page.toStdString()) ? page : QStringLiteral("Intro.html"));
    if (!result.ok)
        throw EOSError(ToCp1251(result.error));
}
