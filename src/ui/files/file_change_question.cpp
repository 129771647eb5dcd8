#include "ui/files/file_change_question.h"

namespace ui {

bool MayReplaceFile(const AppContext& context, const std::string& path,
                    const core::FileStamp& stamp) {
    if (core::FileUnchangedSince(path, stamp))
        return true;
    const QString Break = "\r\n";
    context.platform.messages.beep();
    return context.platform.messages.show(
               QString::fromStdString(path) +
                   " has been changed by another program since Tarnwick read it." + Break + Break +
                   "Click Yes to replace it with what Tarnwick holds: the changes made by the "
                   "other program are lost." +
                   Break + Break + "Click No to keep the file as it is on disk: nothing is saved.",
               "File Changed", platform::MessageIcon::Exclamation,
               platform::MessageButtons::YesNo) == platform::MessageAnswer::Yes;
}

} // namespace ui
