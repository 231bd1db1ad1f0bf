#include "notes/Metronome.h"

#include "platform/Timers.h"

#include <cmath>

namespace partivo {

Metronome::Metronome(Timers& timers, Show show) : timers_(timers), show_(std::move(show)) {}

double Metronome::now() const
{
    // Whole milliseconds (exact in a double), never 0, which means "not set".
    return double(timers_.nowMs()) + 1000.0;
}

void Metronome::setTempo(int tempo)
{
    gtempo_ = tempo;
    if (metroON_) {
        // Re-timed for the new song: the running count keeps its automatic stop.
        const bool stopAuto = gStopAuto_;
        const int ticks = gnbtempo_;
        stopMetroTimer();
        startMetroTimer();
        gStopAuto_ = stopAuto;
        gnbtempo_ = ticks;
    }
}

void Metronome::startMetroTimer()
{
    gduration_ = gtempo_ > 0 ? 60000.0 / gtempo_ : 600.0;
    grestart_ = true;
    updateMetro();
    timers_.start(QLatin1String(kMetroTimer), kMetroTickMs, true, [this] { updateMetro(); });
    metroON_ = true;
}

void Metronome::stopMetroTimer()
{
    timers_.stop(QLatin1String(kMetroTimer));
    show_(0, true, false);
    gStopAuto_ = false;
    gnbtempo_ = kMetroIdleTicks;
    metroON_ = false;
}

void Metronome::updateMetro()
{
    if (inTick_ || gduration_ <= 0)
        return;
    inTick_ = true;
    const double t = now();
    if (grestart_ || startSync_ == 0) {
        grestart_ = false;
        greframe_ = true;
        startSync_ = t;
        gnbTick_ = 0;
        lastTick_ = 0;
    }
    if (greframe_) {
        greframe_ = false;
        show_(0, true, true);
    }
    const int n = int(std::floor((t - startSync_ + gduration_) / gduration_));
    if (n > gnbTick_) {
        ++gnbTick_;
        lastTick_ = t;
        if (n > gnbTick_) {
            gnbTick_ = n; // ticks were missed: count them, show none
            inTick_ = false;
            return;
        }
        show_(n, false, false);
    }
    if (lastTick_ > 0 && t - lastTick_ > gduration_ * 0.5) {
        show_(0, true, false);
        lastTick_ = 0;
        if (gStopAuto_ && gnbTick_ >= gnbtempo_) {
            inTick_ = false;
            stopMetroTimer();
            return;
        }
    }
    inTick_ = false;
}

void Metronome::traiter_metroOnOff()
{
    if (metroON_ && startSync_ > 0 && now() - startSync_ < gnbtempo_ * 1000.0 / 32.0) {
        gnbtempo_ = gStopAuto_ ? gnbtempo_ + 32 : kMetroIdleTicks;
        gStopAuto_ = true;
        return;
    }
    if (metroON_)
        stopMetroTimer();
    else
        startMetroTimer();
}

void Metronome::countIn()
{
    stopMetroTimer();
    traiter_metroOnOff();
    traiter_metroOnOff();
}

void Metronome::startForTicks(int ticks)
{
    stopMetroTimer();
    gnbtempo_ = ticks;
    gStopAuto_ = true;
    startMetroTimer();
}

} // namespace partivo
