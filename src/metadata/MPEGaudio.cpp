#include "metadata/MPEGaudio.h"
