// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

// From a click on "计 算" to the window repainted: the click runs the
// calculation and refreshes the written controls, then a synchronous repaint
// of the whole window (more than the frame needs: only changed boxes repaint).
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include "window/text_box.h"
#include "window/identity.h"
#include "window/look.h"
#include "window/main_window.h"

namespace {

void Type(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QTest::keyClicks(box, text);
}

void BM_ClickCalculateToRepaint(benchmark::State& state)
{
    window::MainWindow window([](QWidget*, const ledger::Message&) {});
    window.show();
    (void)QTest::qWaitForWindowExposed(&window, 5000);
    // A typical pass whose counts net to zero sheets, so any number of
    // clicks stays in range: 3 x 20, one fuel invoice of 56.5, -4 x 1.
    Type(window.Text1(1), QStringLiteral("3"));
    Type(window.InputMoney1(23), QStringLiteral("56.5"));
    window.C1(23)->setChecked(true);
    Type(window.Text1(0), QStringLiteral("-4"));
    auto* calculate = window.findChild<QPushButton*>(QStringLiteral("RunCommand"));
    for (auto _ : state) {
        QTest::mouseClick(calculate, Qt::LeftButton);
        window.repaint();
    }
}
BENCHMARK(BM_ClickCalculateToRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    window::DescribeApplication();
    window::InstallLook();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
