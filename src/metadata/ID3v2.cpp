#include "metadata/ID3v2.h"
