// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// What a user waits for in the window: one key press, with its 20 ms pushed
// look, against a paste of one digit and of fifteen, which type without it.
// Wall-clock time on Qt's offscreen platform, in a working directory of its
// own with a rate.
//
//   paste_bench [benchmark flags]

#include "QuibraWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

QuibraWindow* window = nullptr;

// Each press or paste on a cleared display; CLR is a press of its own, and
// is left out of the time.
template <typename Press>
void timed(benchmark::State& state, Press press)
{
    for (auto _ : state) {
        state.PauseTiming();
        QTest::keyClick(window, Qt::Key_Delete);
        state.ResumeTiming();
        press();
    }
}

void keyPress(benchmark::State& state)
{
    timed(state, [] { QTest::keyClick(window, Qt::Key_1); });
}

void paste(benchmark::State& state, const char* number)
{
    QGuiApplication::clipboard()->setText(QString::fromLatin1(number));
    timed(state, [] { QTest::keyClick(window, Qt::Key_V, Qt::ControlModifier); });
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir home;
    QDir::setCurrent(home.path());
    QFile rate(QStringLiteral("rate.dat"));
    if (!rate.open(QIODevice::WriteOnly) || rate.write("110.5") != 5)
        return 1;
    rate.close();
    QuibraWindow shown;
    shown.initDialog();
    shown.show();
    window = &shown;

    for (auto* benchmark :
         {benchmark::RegisterBenchmark("key press", keyPress),
          benchmark::RegisterBenchmark("paste 1 digit", paste, "1"),
          benchmark::RegisterBenchmark("paste 15 digits", paste, "123456789012345")})
        benchmark->UseRealTime()->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
