// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The whole state of the one game window: the puzzle, the answer under
// evaluation, the clock and the best-times table. Nothing else is shared.
// Widths are part of the game's rules: 16-bit puzzle values, 32-bit seconds.

#include <cstdint>

#include "game/fixed_text.h"
#include "game/one_based.h"

// Token codes stored in Tokens; a code above 0 is a typed number, 0 an empty slot.
inline constexpr int16_t TokPlus = -1;
inline constexpr int16_t TokMinus = -2;
inline constexpr int16_t TokTimes = -3;
inline constexpr int16_t TokDivide = -4;
inline constexpr int16_t TokOpen = -5;
inline constexpr int16_t TokClose = -6;

// Seconds of an empty best-times slot.
inline constexpr int32_t NoRecordTime = 1000000;

inline constexpr int NumberCount = 6;
// The targets NewTarget draws.
inline constexpr int LowestTarget = 100;
inline constexpr int HighestTarget = 1000;
inline constexpr int TokenSlots = 30;
inline constexpr int RecordSlots = 5;

struct RecordEntry {
    FixedText<25> PlayerName;
    int32_t Seconds = 0;
    FixedText<200> Solution;

    friend bool operator==(const RecordEntry&, const RecordEntry&) = default;
};

struct GameState {
    int16_t Target = 0;
    OneBased<int16_t, NumberCount> Numbers;
    OneBased<int16_t, TokenSlots> Tokens;
    int16_t WrongNumber = 0;
    int32_t ElapsedSeconds = 0;
    OneBased<RecordEntry, RecordSlots> Records;
    RecordEntry PendingRecord;
    FixedText<25> LastPlayerName;
};
