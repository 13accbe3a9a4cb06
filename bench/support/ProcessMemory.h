#pragma once

#include <QtGlobal>

// The process's resident memory as Linux counts it (/proc/self/status), in bytes.
qint64 ResidentBytes();
qint64 PeakResidentBytes();
// Starts the peak over from the current resident size (/proc/self/clear_refs); false when the
// kernel does not allow it.
bool ResetPeakResident();
