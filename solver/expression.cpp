// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/expression.h"

#include "answer/step_arithmetic.h"
#include "answer/token_symbols.h"

int Expression::AddNumber(int32_t value) {
    nodes_.push_back({value, 0, -1, -1});
    return static_cast<int>(nodes_.size()) - 1;
}

int Expression::AddStep(int16_t op, int left, int right) {
    const int32_t value = ExactStep(op, nodes_[static_cast<std::size_t>(left)].Value,
                                    nodes_[static_cast<std::size_t>(right)].Value);
    nodes_.push_back({value, op, left, right});
    return static_cast<int>(nodes_.size()) - 1;
}

std::string Expression::Text() const {
    std::string out;
    if (!nodes_.empty()) {
        Write(static_cast<int>(nodes_.size()) - 1, out);
    }
    return out;
}

void Expression::Write(int node, std::string& out) const {
    const ExpressionNode& n = nodes_[static_cast<std::size_t>(node)];
    if (n.Op == 0) {
        out += std::to_string(n.Value);
        return;
    }
    Write(n.Left, out);
    out += TokenText(n.Op);
    const bool group = nodes_[static_cast<std::size_t>(n.Right)].Op != 0;
    if (group) {
        out += TokenText(TokOpen);
    }
    Write(n.Right, out);
    if (group) {
        out += TokenText(TokClose);
    }
}
