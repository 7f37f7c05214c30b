#pragma once

#include "RunTimeError.h"

// The run-time error for a failed system call on a file, with errno as the reason.
// No medium in the drive (ENOMEDIUM) and a device that has gone (ENODEV, ENXIO) count as
// "disk not ready" (71), the one condition the player is asked to retry.
RunTimeError fileError(int errnoValue);
