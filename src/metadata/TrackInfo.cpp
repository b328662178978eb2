#include "metadata/TrackInfo.h"
