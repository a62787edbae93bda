// Finishing generated signals into playable waves: DC removal, fades at the edges, peak levels and
// the 16-bit PCM wave the sound libraries store.
#pragma once

#include "media/wave.h"
#include "tools/assetgen/audio/dsp.h"

namespace audio {

// Removes the signal's mean and any slow drift (high-pass at 20 Hz).
void RemoveDrift(Signal& signal);
// Linear fades over the first fadeIn and the last fadeOut seconds.
void FadeEdges(Signal& signal, double fadeIn, double fadeOut);
// Scales the signal so that its largest magnitude is peak (0..1 of full scale).
void NormalisePeak(Signal& signal, double peak);
// Scales the signal so that its RMS level is rms, then lowers it further if its peak would pass peak.
void NormaliseRms(Signal& signal, double rms, double peak);

// A one-shot effect: drift removed, a quick fade-in and a fade-out, scaled to the given peak.
TWave FinishEffect(Signal signal, double peak);
// A loop: mean removed (a constant shift keeps the seam intact), scaled to the given peak.
TWave FinishLoop(Signal signal, double peak);

// A background loop: mean removed, scaled to the given RMS level without passing peak.
TWave FinishBackgroundLoop(Signal signal, double rms, double peak);

// 16-bit PCM waves at kRate, mono or interleaved stereo, rounded and clamped to full scale.
TWave MonoWave(const Signal& signal);
TWave StereoWave(const Signal& left, const Signal& right);

}  // namespace audio

namespace audio {

// A stereo loop: each side's mean removed, both scaled together to the given RMS level, and the
// few plucked transients that would pass peak eased under it by a soft limiter (which has no
// memory, so the seam stays intact).
TWave FinishStereoLoop(Signal left, Signal right, double rms, double peak);

}  // namespace audio
