#pragma once

// Puts the process-wide service address and authentication key back to their start values (empty
// host and port, the key placeholder), so no test sees what an earlier one left.
void ResetServiceTexts();
