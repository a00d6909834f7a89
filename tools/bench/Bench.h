#pragma once
// The figures the benchmark prints, and the parts measured apart from the table window.

struct PauseFigures {
    int Count = 0;
    int Shorter = 0;             // pauses that ended more than one tick before their length
    double MedianOvershootMs = 0;
    double WorstOvershootMs = 0;
};

struct BenchFigures {
    double StartupMs = 0;
    double IdleCpuPercent = 0;
    double PeakMbAfterDeal = 0;
    PauseFigures PauseOvershoot;
    double SelfPlayHandsPerSecond = 0;
};

// Real pauses of several lengths on the real platform layer.
PauseFigures MeasurePauses();

// Whole games played by the scripted user on the virtual clock.
double MeasureSelfPlay();

void PrintFigures(const BenchFigures& f);
