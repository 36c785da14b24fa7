#pragma once
// The real desktop services, owned together for the program's run.

#include "platform/clipboard.h"
#include "platform/error_locator.h"
#include "platform/font_dialogs.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "platform/process_starter.h"
#include "platform/shell.h"
#include "platform/sounds.h"

class SystemPlatform {
  public:
    Platform Services() {
        return {messageBoxes_, sounds_,    processes_,  shell_,
                errorLocator_, clipboard_, fontDialogs_};
    }

  private:
    QtMessageBoxes messageBoxes_;
    DesktopSounds sounds_;
    DetachedProcessStarter processes_;
    DesktopShell shell_;
    DlErrorLocator errorLocator_;
    QtClipboard clipboard_;
    QtFontDialogs fontDialogs_;
};
