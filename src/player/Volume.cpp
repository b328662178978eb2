#include "player/Volume.h"

#include <algorithm>
#include <cmath>

int AttenuationOfVolume(int volume) {
  const int clamped = std::clamp(volume, 0, kMaxVolume);
  return static_cast<int>(std::lround(std::log(clamped + 1.0) * 1085.73)) - kMaxVolume;
}

double LinearGainOfAttenuation(int hundredthsOfDecibel) {
  return std::pow(10.0, hundredthsOfDecibel / 2000.0);
}
