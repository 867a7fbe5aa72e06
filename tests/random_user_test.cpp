// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

// The random user in ctest: the committed seeds, then random inputs from a fixed seed (a tenth under Wine, where
// every step goes through real windows at some 20 a second).
#include <QString>
#include <QSysInfo>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "random_user.h"

TEST(RandomUser, PlaysTheSeedsThenRandomInputs)
{
    std::vector<std::vector<std::uint8_t>> inputs;
    for (const auto& seed : std::filesystem::directory_iterator(SEEDS_DIR)) {
        std::ifstream file(seed.path(), std::ios::binary);
        inputs.emplace_back(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    ASSERT_GE(inputs.size(), std::size_t{12});
    std::mt19937 random(20261207);
    for (int n = QSysInfo::kernelType() == QLatin1String("winnt") ? 20 : 200; n > 0; --n) {
        inputs.emplace_back(random() % 512);
        for (std::uint8_t& byte : inputs.back()) byte = static_cast<std::uint8_t>(random());
    }
    std::size_t steps = 0;
    for (const auto& input : inputs) steps += random_user::PlayInput(input.data(), input.size());
    std::printf("%zu inputs: %zu steps\n", inputs.size(), steps);
}
