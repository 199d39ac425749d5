// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The table of the five best times since the window opened. A total below the
// fifth entry's asks for a name and takes its rank (ahead of equal times);
// every call then lists the table.

#include <utility>

#include "game/decimal.h"
#include "game/form1.h"
#include "records/trim_blanks.h"

namespace {

std::u16string ListingLine(const RecordEntry& entry) {
    const int32_t minutes = entry.Seconds / 60;
    return TrimBlanks(entry.PlayerName.Text()) + u": " + Decimal(minutes) +
           (minutes == 1 ? u" minuto" : u" minutos") + u" y " + Decimal(entry.Seconds % 60) +
           u" segundos: " + TrimBlanks(entry.Solution.Text()) + u"\r\n";
}

}  // namespace

void Form1::RecordResult(const int32_t& totalSeconds, const int16_t& valueReached) {
    auto& records = State.Records;
    if (totalSeconds < records[RecordSlots].Seconds) {
        State.LastPlayerName =
            runtime_.InputBox(u"Introduzca su nombre", u"Ha establecido un nuevo récord!",
                              State.LastPlayerName.Text());

        RecordEntry& pending = State.PendingRecord;
        pending.PlayerName = State.LastPlayerName;
        pending.Seconds = totalSeconds;
        // Read now, after the prompt: it is still the submitted answer.
        pending.Solution = Decimal(State.Target) +
                           (valueReached == State.Target ? u" = " : u" aprox. ") +
                           TrimBlanks(runtime_.Text(Control::Text3));

        if (records[1].Seconds == NoRecordTime) {
            records[1] = pending;
        } else {
            int i = 1;
            while (i < RecordSlots && records[i].Seconds < totalSeconds) {
                ++i;
            }
            if (i == RecordSlots) {
                records[RecordSlots] = pending;
            } else {
                // The new entry lands in slot i, the rest move down one, and
                // the old fifth ends in PendingRecord, dropped.
                for (int j = i; j <= RecordSlots; ++j) {
                    std::swap(records[j], pending);
                }
            }
        }
    }

    std::u16string listing;
    for (const RecordEntry& entry : records) {
        if (entry.Seconds < NoRecordTime) {
            listing += ListingLine(entry);
        }
    }
    runtime_.MsgBox(listing);
}
