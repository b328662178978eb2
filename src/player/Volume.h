#pragma once

// The volume slider's range and the steps of Volume Up and Volume Down.
inline constexpr int kMaxVolume = 10000;
inline constexpr int kVolumeStep = 100;

// The output attenuation, in hundredths of a decibel, for a slider volume 0 … 10000 (clamped):
// round(ln(volume + 1) × 1085.73) − 10000, so 0 is silence (−10000) and 10000 full (0).
int AttenuationOfVolume(int volume);

// The linear gain 0 … 1 of an attenuation in hundredths of a decibel: 10^(attenuation / 2000).
double LinearGainOfAttenuation(int hundredthsOfDecibel);
