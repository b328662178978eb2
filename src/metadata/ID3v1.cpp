#include "metadata/ID3v1.h"
