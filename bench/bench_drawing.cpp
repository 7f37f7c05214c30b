#include "CloseGuard.h"
#include "ColorNumber.h"
#include "DesktopServices.h"
#include "GallowsFigure.h"
#include "GameExecutiveLayout.h"
#include "PictureBox.h"
#include "RealClock.h"
#include "RunToEnd.h"
#include "ScriptedServices.h"
#include "WordBoard.h"

#include <QApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr qint32 kBack = GameExecutiveLayout::BoardBackground;

std::unique_ptr<PictureBox> box(int outerWidth, int outerHeight)
{
    auto b = std::make_unique<PictureBox>();
    b->resize(outerWidth, outerHeight);
    b->setBackColor(kBack);
    return b;
}

std::unique_ptr<PictureBox> figureBox(int outerWidth, int outerHeight)
{
    auto b = box(outerWidth, outerHeight);
    b->setScaleMode(PictureBox::ScaleMode::Twips);
    b->scaleFromCentre();
    return b;
}

// One whole reveal (65 rows of 40 pixels) with each pause ending at once: the drawing, and a turn
// of the event loop for each row.
void revealLetterDrawingOnly(benchmark::State &state)
{
    auto board = box(769, 73);
    auto letter = box(44, 69);
    letter->setFont(QFont("Arial", 36));
    letter->setForeColor(RGB(200, 10, 10));
    letter->Print("Q");
    CloseGuard guard;
    ScriptedServices services(guard);
    WordBoard wordBoard(*board, *letter, services);
    wordBoard.DrawWordBoard(13);
    for (auto _ : state)
        runToEnd(wordBoard.RevealLetter("Q", 7));
    state.counters["pauses_ms"] = 650;
}
BENCHMARK(revealLetterDrawingOnly)->Unit(benchmark::kMicrosecond);

void drawStageOnBothCanvases(benchmark::State &state)
{
    auto canvas = figureBox(289, 217);
    auto canvas1 = figureBox(505, 225);
    qint16 n = 1;
    for (auto _ : state) {
        GallowsFigure::drawStage(n, *canvas, *canvas1);
        n = static_cast<qint16>(n % 6 + 1);
    }
}
BENCHMARK(drawStageOnBothCanvases)->Unit(benchmark::kMicrosecond);

// A reveal on a shown board with the desktop's own pauses, which keep the window painting: how
// much the whole takes beyond its 65 pauses of 10 ms.
void revealWithRealPauses()
{
    QWidget window;
    window.resize(800, 100);
    auto *board = new PictureBox(&window);
    board->setGeometry(0, 0, 769, 73);
    board->setBackColor(kBack);
    PictureBox letter;
    letter.resize(44, 69);
    letter.setBackColor(kBack);
    window.show();
    CloseGuard guard;
    RealClock realClock(guard);
    DesktopServices services(guard, realClock);
    WordBoard wordBoard(*board, letter, services);
    wordBoard.DrawWordBoard(13);
    QElapsedTimer clock;
    clock.start();
    constexpr int kRounds = 5;
    for (int i = 0; i < kRounds; ++i)
        runToEnd(wordBoard.RevealLetter("Q", static_cast<qint16>(i + 1)));
    const double perReveal = clock.nsecsElapsed() / 1e6 / kRounds;
    std::printf("revealWithRealPauses: %.1f ms per reveal, %.1f%% over its 650 ms of pauses\n",
                perReveal, (perReveal - 650.0) / 6.5);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    revealWithRealPauses();
    return 0;
}
