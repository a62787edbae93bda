// Counts every allocation the fishing test program makes through operator new.
#pragma once

// Allocations so far.
long AllocationCount();
