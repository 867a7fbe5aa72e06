// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

// The random user (tests/random_user.h) as a libFuzzer target: make test-fuzz, make fuzz; given a file, a replay.
#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "tests/random_user.h"
#include "window/identity.h"
#include "window/look.h"

namespace {
std::size_t stepsPlayed = 0;  // for the figures
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);  // for the life of the process
    window::DescribeApplication();
    window::InstallLook();
    std::atexit([] { std::fprintf(stderr, "random user: %zu steps played\n", stepsPlayed); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    stepsPlayed += random_user::PlayInput(data, size);
    return 0;
}
