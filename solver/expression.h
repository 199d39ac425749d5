// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// An answer as a tree of steps over the numbers, and its text as a player
// types it into the game: left to right, with parentheses only around a right
// operand that is itself a step, "x" for times, no blanks.

#include <cstdint>
#include <string>
#include <vector>

struct ExpressionNode {
    int32_t Value = 0;
    int16_t Op = 0;  // a token code, 0 for a number
    int Left = -1;
    int Right = -1;
};

class Expression {
public:
    int AddNumber(int32_t value);
    // Computes the step as the game does; the caller has checked that it is
    // in range and not a division by 0.
    int AddStep(int16_t op, int left, int right);

    int32_t Value() const { return nodes_.back().Value; }  // of the last node added: the root
    std::string Text() const;
    const std::vector<ExpressionNode>& Nodes() const { return nodes_; }

private:
    void Write(int node, std::string& out) const;

    std::vector<ExpressionNode> nodes_;
};
