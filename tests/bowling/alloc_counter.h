// Counts every allocation the bowling test program makes through operator new.
#pragma once

// Allocations so far.
long AllocationCount();
