#pragma once

// Blocks allocated with operator new and not yet freed, in this test program. The program
// replaces the global operators so that a test can see whether a failed read gave back
// everything it took.
long LiveAllocations();
