// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Turns a readable case description into a valid parameterized test name.

#include <cctype>
#include <string>

inline std::string CaseName(const char* description) {
    std::string name;
    for (const char ch : std::string(description)) {
        name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    }
    return name;
}

// For INSTANTIATE_TEST_SUITE_P over structs with a `name` member.
struct NameOfCase {
    template <typename Info>
    std::string operator()(const Info& info) const {
        return CaseName(info.param.name);
    }
};
