// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/EventDateCheck.h"

#include "events/EventTimes.h"
#include "kit/Dispatch.h"
#include "kit/Platform.h"
#include "language/DialogContext.h"

namespace norvik {

namespace {

constexpr BuiltInText unreadableDate{
    "Не удаётся прочитать дату и время события, и напоминание о нём никогда не будет "
    "показано. Введите их в виде ДД.ММ.ГГГГ ЧЧ:ММ:СС, например 24.12.2026 18:00:00.",
    "The date and time of the event cannot be read, so no reminder would ever be shown for "
    "it. Enter them as DD.MM.YYYY HH:MM:SS, for example 24.12.2026 18:00:00."};

} // namespace

bool acceptEventLine(const DialogContext& context, std::string_view line) {
    Platform& platform = context.platform();
    // Read with the clock's year, as the next tick will read it.
    if (eventLineTime(line, platform.now().year)) {
        return true;
    }
    platform.messageBox(context.builtIn(unreadableDate), applicationTitle, mbError);
    return false;
}

} // namespace norvik
